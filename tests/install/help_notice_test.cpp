// Help that always answers: where no browser starts, the page's path stands on the window
// (with one beep) until clicked; where one does, nothing but the viewer appears.
#include <gtest/gtest.h>

#include <algorithm>

#include "menus/menus.h"
#include "platform/headless/headless_platform.h"
#include "shell/calc.h"

namespace quorrel {

TEST(HelpNotice, ShowsThePathOnlyWhenNoViewerStarts) {
    for (bool fails : {false, true}) {
        HeadlessOptions options;
        options.program_folder = QUORREL_SOURCE_DIR;
        options.help_fails = fails;
        HeadlessPlatform platform(options);
        Calc calc(platform, MakeGameHooks, 7);
        calc.Start();
        platform.TakeEvents();
        calc.loop.Run(But_Click(calc, kWordHelp));
        std::vector<std::string> events = platform.TakeEvents();
        EXPECT_EQ(std::count(events.begin(), events.end(), "beep"), fails ? 1 : 0) << fails;
        const Element& note = calc.el(Name::HelpNote);
        ASSERT_EQ(note.visible, fails);
        if (!fails) continue;
        EXPECT_NE(calc.el(Name::HelpNoteText).caption.find("/help/topic-1000.html"),
                  std::string::npos);
        calc.loop.Run(calc.OnClick(calc.el.Id(calc.el(Name::HelpNoteText))));
        EXPECT_FALSE(note.visible);
    }
}

}  // namespace quorrel
