// The help catalogs as the panel reads them (fallbacks included), the lines a topic breaks
// into, and the scrolling bounds.
#include "shell/help_text.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "files/mo_catalog.h"
#include "menus/menus.h"
#include "platform/headless/headless_platform.h"
#include "shell/calc.h"

namespace quorrel {
namespace {

namespace fs = std::filesystem;
const std::string kLocale = std::string(QUORREL_SOURCE_DIR) + "/help/locale/";

// A catalog of (context, original, translation) entries as msgfmt lays one out, little-endian.
std::string MakeMo(const std::vector<std::array<std::string, 3>>& entries) {
    std::vector<std::string> originals, translations;
    for (const auto& [context, original, translation] : entries) {
        originals.push_back(context.empty() ? original : context + '\x04' + original);
        translations.push_back(translation);
    }
    std::string out;
    auto word = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
    };
    const uint32_t n = static_cast<uint32_t>(entries.size()), tables = 28;
    uint32_t at = tables + 16 * n;
    word(0x950412de), word(0), word(n), word(tables), word(tables + 8 * n), word(0), word(0);
    for (const auto* strings : {&originals, &translations})
        for (const std::string& s : *strings)
            word(static_cast<uint32_t>(s.size())), word(at),
                at += static_cast<uint32_t>(s.size()) + 1;
    for (const auto* strings : {&originals, &translations})
        for (const std::string& s : *strings) out += s + '\0';
    return out;
}

TEST(MoCatalog, RefusesDamagedCatalogs) {
    const std::string good = MakeMo({{"ctx", "One", "Uno"}, {"", "Two", "Dos"}});
    std::string out_of_file = good, error;
    out_of_file[28 + 4] = '\x7f';  // the first original's offset far past the end
    const struct {
        std::string bytes;
        bool ok;
    } cases[] = {{good, true},
                 {"", false},
                 {"\xde\x12\x04", false},
                 {std::string(40, 'x'), false},
                 {good.substr(0, 40), false},
                 {out_of_file, false}};
    for (const auto& c : cases) {
        MoCatalog mo;
        EXPECT_EQ(mo.Parse(c.bytes, error), c.ok) << c.bytes.size();
        EXPECT_EQ(mo.Entries().size(), c.ok ? 2u : 0u);
        EXPECT_EQ(mo.Find("ctx", "One") != nullptr, c.ok);
    }
}

TEST(HelpTexts, FallBackToEnglishWithOneWarning) {
    const fs::path folder = fs::temp_directory_path() / "quorrel-help-test";
    fs::create_directories(folder);
    fs::copy_file(kLocale + "en.mo", folder / "en.mo", fs::copy_options::overwrite_existing);
    std::ofstream(folder / "zz.mo", std::ios::binary)
        << MakeMo({{"1000.00 title", "How to play Quorrel", "Zz title"}});
    std::ofstream(folder / "bad.mo", std::ios::binary) << "not a catalog";
    const struct {
        std::string folder, language, shown, title, warning;
    } cases[] = {
        {kLocale, "en", "en", "How to play Quorrel", ""},
        {kLocale, "es", "es", "Cómo jugar a Quorrel", ""},
        {kLocale, "ar", "ar", "كيف تلعب Quorrel", ""},
        {kLocale, "xx", "en", "How to play Quorrel", "help in xx cannot be read"},
        {kLocale, "../locale/es", "en", "How to play Quorrel", "no help in '../locale/es'"},
        {folder.string() + "/", "bad", "en", "How to play Quorrel", "not a message catalog"},
        {folder.string() + "/", "zz", "zz", "Zz title", "texts; showing them in English"},
        {"/nonexistent/", "es", "en", "Help", "no help texts"},
    };
    for (const auto& c : cases) {
        std::string warning;
        HelpTexts texts = LoadHelpTexts(c.folder, c.language, warning);
        EXPECT_EQ(texts.language, c.shown) << c.language;
        EXPECT_EQ(texts.right_to_left, c.shown == "ar");
        EXPECT_EQ(texts.Topic(1000).title, c.title) << c.language;
        if (c.warning.empty())
            EXPECT_EQ(warning, "") << c.language;
        else
            EXPECT_NE(warning.find(c.warning), std::string::npos) << warning;
        for (int topic : {1000, 1001, 1002}) EXPECT_FALSE(texts.Topic(topic).blocks.empty());
    }
    fs::remove_all(folder);
}

int Bytes(const std::string& s) { return static_cast<int>(s.size()); }

TEST(HelpLines, ListsAreNumberedOrBulletedAndWrappedWithinTheWidth) {
    const HelpTopic topic{1,
                          "T",
                          {{HelpKind::Text, "aaa bbb ccc"},
                           {HelpKind::Step, "one"},
                           {HelpKind::Step, "two two two"},
                           {HelpKind::Heading, "Head"},
                           {HelpKind::Item, "dot"},
                           {HelpKind::Text, "end"}}};
    const std::vector<std::string> want = {"aaa bbb", "ccc", "",     "1. one", "2. two two",
                                           "   two",  "",    "Head", "",       "\xE2\x80\xA2 dot",
                                           "",        "end"};
    std::vector<HelpLine> lines = HelpLines(topic, 10, Bytes);
    ASSERT_EQ(lines.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(lines[i].text, want[i]) << i;
        EXPECT_EQ(lines[i].heading, want[i] == "Head") << i;
    }
}

TEST(HelpLines, ScrollingStaysBetweenTheFirstLineAndTheLastPage) {
    const struct {
        int top, delta, count, rows, want;
    } cases[] = {{0, -1, 10, 4, 0},         {0, 3, 10, 4, 3},         {5, 3, 10, 4, 6},
                 {0, 5, 3, 4, 0},           {6, -100, 10, 4, 0},      {2, 0, 10, 0, 2},
                 {0, INT_MAX, 100, 10, 90}, {50, INT_MIN, 100, 10, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ScrolledTop(c.top, c.delta, c.count, c.rows), c.want)
            << c.top << " " << c.delta << " " << c.count << " " << c.rows;
}

TEST(HelpPanel, ChangesLanguageInPlace) {
    HeadlessOptions options;
    options.program_folder = QUORREL_SOURCE_DIR;
    HeadlessPlatform platform(options);
    Calc calc(platform, MakeGameHooks, 7);
    calc.Start();
    SetHelpLanguage(calc, "ru");  // read when the panel opens
    calc.OpenHelpPanel(1001);
    platform.TakeEvents();
    for (auto [code, title] : {std::pair{"ar", "إعداد اللعبة"}, {"xx", "Setting up the game"}}) {
        SetHelpLanguage(calc, code);
        EXPECT_EQ(calc.el(Name::HelpTitle).caption, title);
        EXPECT_EQ(calc.el(Name::HelpLine, 0).align,
                  code == std::string("ar") ? Align::Right : Align::Left);
    }
    EXPECT_TRUE(platform.TakeEvents().empty());  // the topic was not opened again
}

}  // namespace
}  // namespace quorrel
