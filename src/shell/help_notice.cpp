// The notice over everything: a saved figure's name, or why it could not be saved.
#include <algorithm>

#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {

void Calc::ShowNote(const std::string& text, bool timed) {
    // The notice spans the window as it is now, less a margin, so a long path stays readable.
    int width = std::max(el.Px(120), platform.InnerWidth() - el.Px(16));
    Element& note = el(Name::HelpNote);
    note.width = width;
    el(Name::HelpNoteText).width = width - el.Px(16);
    el(Name::HelpNoteText).caption = text;
    SetOverlay(Overlay::HelpNote, true);
    // A new notice counts its own time.
    DisableTimer(TimerId::NoteOff);
    if (timed) EnableTimer(TimerId::NoteOff);
}

void Calc::HelpNote_Click() {
    SetOverlay(Overlay::HelpNote, false);
    DisableTimer(TimerId::NoteOff);
}

}  // namespace quorrel
