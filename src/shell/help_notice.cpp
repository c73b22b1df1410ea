// Help that always answers: the page in a browser, or, on a desktop without one, the page's
// path on the window, so that a parent can open it by hand.
#include <algorithm>

#include "files/program_folder.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {

void Calc::OpenHelpPage(int context) {
    if (platform.OpenHelp(gs.HelpFile, context)) return;
    platform.Beep();
    // TRANSLATORS: a notice across the window's top; %s is the help page's path.
    ShowNote(FormatText(Tr("Help could not be opened in a browser. The help page is:\n%s\n"
                           "(click here to close this note)"),
                        {HelpPage(gs.HelpFile, context)}),
             false);
}

void Calc::ShowNote(const std::string& text, bool timed) {
    // The notice spans the window as it is now, less a margin, so a long path stays readable.
    int width = std::max(el.Px(120), platform.InnerWidth() - el.Px(16));
    Element& note = el(Name::HelpNote);
    note.width = width;
    el(Name::HelpNoteText).width = width - el.Px(16);
    el(Name::HelpNoteText).caption = text;
    SetOverlay(Overlay::HelpNote, true);
    // A new notice counts its own time; one that must be read (a help page's path) stays.
    DisableTimer(TimerId::NoteOff);
    if (timed) EnableTimer(TimerId::NoteOff);
}

void Calc::HelpNote_Click() {
    SetOverlay(Overlay::HelpNote, false);
    DisableTimer(TimerId::NoteOff);
}

}  // namespace quorrel
