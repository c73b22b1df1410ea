#include "screens/screen.h"

namespace quorrel {

Screen ScreenState::Front() const {
    for (Screen s : {Screen::Title, Screen::Maker, Screen::Options, Screen::Setup, Screen::Menu,
                     Screen::Board, Screen::Stats})
        if (Shows(s)) return s;
    return Screen::Figure;
}

FocusPanel ScreenState::Focus() const {
    if (Has(Overlay::HelpNote)) return FocusPanel::HelpNote;
    if (Has(Overlay::Help)) return FocusPanel::Help;
    if (Shows(Screen::Maker)) return FocusPanel::Maker;
    if (Shows(Screen::Options)) return FocusPanel::Options;
    if (Shows(Screen::Setup)) return FocusPanel::Setup;
    if (Shows(Screen::Menu)) return FocusPanel::Menu;
    if (Shows(Screen::Board)) return FocusPanel::Board;
    if (Has(Overlay::MakerNotice)) return FocusPanel::MakerNotice;
    if (Shows(Screen::Stats)) return FocusPanel::Stats;
    return FocusPanel::None;
}

Name PanelOf(FocusPanel panel) {
    switch (panel) {
        case FocusPanel::HelpNote:
            return Name::HelpNote;
        case FocusPanel::Help:
            return Name::HelpPanel;
        case FocusPanel::Maker:
            return Name::Spirom;
        case FocusPanel::Setup:
            return Name::SelFloat;
        case FocusPanel::Options:
            return Name::MoreFloat;
        case FocusPanel::Menu:
            return Name::Helper;
        case FocusPanel::Board:
            return Name::Floater;
        case FocusPanel::MakerNotice:
            return Name::RestoreHint;
        case FocusPanel::Stats:
            return Name::Hist;
        case FocusPanel::None:
            break;
    }
    return Name::Count;
}

void ApplyScreen(const ScreenState& screen, Elements& el) {
    static const struct {
        Screen screen;
        Name panel;
    } screens[] = {{Screen::Stats, Name::Hist},        {Screen::Board, Name::Floater},
                   {Screen::Menu, Name::Helper},       {Screen::Setup, Name::SelFloat},
                   {Screen::Options, Name::MoreFloat}, {Screen::Maker, Name::Spirom},
                   {Screen::Title, Name::First}};
    for (const auto& s : screens) el(s.panel).visible = screen.Shows(s.screen);
    static const struct {
        Overlay overlay;
        Name panel;
    } overlays[] = {{Overlay::Strip, Name::Hellf},
                    {Overlay::MakerNotice, Name::RestoreHint},
                    {Overlay::About, Name::About},
                    {Overlay::HelpNote, Name::HelpNote},
                    {Overlay::Help, Name::HelpPanel}};
    for (const auto& o : overlays) el(o.panel).visible = screen.Has(o.overlay);
    const bool keypad = screen.Has(Overlay::Keypad);
    for (Element* key = el.Find(Name::CalBut, 0); key; key = el.Find(Name::CalBut, key->index + 1))
        key->visible = keypad;
}

}  // namespace quorrel
