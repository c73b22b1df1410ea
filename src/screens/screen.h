// Which screen the window shows. The screens take turns at the board's place: a word hides the
// screen it stands on and opens the next. A step that lets queued input run between those two
// changes (and the end of a reward, which brings the board back whatever came up meanwhile) can
// leave two screens up at once; the panels' paint order then decides which one is in front, so
// the state keeps every screen that is up, not only the front one.
#pragma once

#include <cstdint>

#include "screens/names.h"
#include "window/elements.h"

namespace quorrel {

// In the paint order of their panels, back to front.
enum class Screen : uint8_t {
    Stats,    // Hist
    Board,    // Floater
    Menu,     // Helper
    Setup,    // SelFloat
    Options,  // MoreFloat: the level, beside the setup
    Maker,    // Spirom
    Title,    // First: at start, until the intro ends, and while the game closes
    Figure,   // no panel up: a drawing (the maker's, or a reward) alone on the window
};

// Shown over or beside the screens, each by a panel or keys of its own.
enum class Overlay : uint8_t {
    Strip,        // the instructions under the board, from the intro to Menu or a solved puzzle
    MakerNotice,  // how to bring the maker back, up from Make Spiros until its OK button
    About,        // the about box, inside the menu
    Keypad,       // the maker's value keys, while a value is typed
    HelpNote,     // a save's notice, over everything
    Help,         // the help panel, over the screens, under a notice
};

// The panel whose elements the focus walks and Escape acts on: the front one with something to
// click (the title has nothing, and the maker notice and the stats lie under the board).
enum class FocusPanel : uint8_t {
    None,
    HelpNote,
    Help,
    Maker,
    Options,
    Setup,
    Menu,
    Board,
    MakerNotice,
    Stats
};

class ScreenState {
  public:
    bool Shows(Screen screen) const { return screens_ & Bit(screen); }
    bool Has(Overlay overlay) const { return overlays_ & Bit(overlay); }
    void Show(Screen screen) { screens_ |= Bit(screen); }
    void Hide(Screen screen) { screens_ &= ~Bit(screen); }
    void Set(Overlay overlay, bool on) {
        overlays_ = on ? overlays_ | Bit(overlay) : overlays_ & ~Bit(overlay);
    }
    // The screen the player sees: the front one that is up, Figure when none is.
    Screen Front() const;
    FocusPanel Focus() const;

  private:
    template <typename E>
    static constexpr unsigned Bit(E e) {
        return 1u << static_cast<unsigned>(e);
    }
    unsigned screens_ = Bit(Screen::Title);
    unsigned overlays_ = 0;
};

// The panel element of a focus panel; None has none and gives Name::Count.
Name PanelOf(FocusPanel panel);

// Writes the visible flag of every panel, the about box and the keypad's keys from the state:
// the one place they are written.
void ApplyScreen(const ScreenState& screen, Elements& el);

}  // namespace quorrel
