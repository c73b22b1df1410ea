#include "menus/keys.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "board/move_math.h"
#include "menus/keypad.h"
#include "menus/menus.h"
#include "puzzle/move_words.h"
#include "spiro/save_figure.h"
#include "state/convert.h"

namespace quorrel {
namespace {

bool Actionable(const Element& e) {
    switch (e.name) {
        case Name::Digit:
        case Name::Op:
        case Name::Cent:
        case Name::But:
        case Name::CalBut:
        case Name::OKBut:
        case Name::LMOrder:
        case Name::Cap:
        case Name::Target:
        case Name::Diff:
        case Name::Snd:
        case Name::Rew:
        case Name::Level:
        case Name::Lang:
        case Name::BackColorSet:
        case Name::HelpNote:
        case Name::HelpWord:
            return true;
        default:
            return false;
    }
}

int Root(const Elements& el, int id) {
    while (el.At(id).parent >= 0) id = el.At(id).parent;
    return id;
}

struct Spot {
    int id, x, y, w, h;
};

Spot SpotOf(const Elements& el, int id) {
    const Element& e = el.At(id);
    Spot s{id, 0, 0, e.width, e.height};
    el.WindowPosition(e, s.x, s.y);
    return s;
}

// The shown actionable elements of the screen's focus panel, in reading order; of two that
// cover the same spot (an operator and its twin) only the upper one, which a click takes.
std::vector<Spot> FocusOrder(const Elements& el, const ScreenState& screen) {
    std::vector<Spot> spots;
    const std::vector<int>& order = el.PaintOrder();
    const Name panel = PanelOf(screen.Focus());
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Element& e = el.At(*it);
        if (!Actionable(e) || !el.Shown(e)) continue;
        if (el.At(Root(el, *it)).name != panel) continue;
        Spot s = SpotOf(el, *it);
        bool covered = std::any_of(spots.begin(), spots.end(), [&](const Spot& o) {
            return o.x == s.x && o.y == s.y && o.w == s.w && o.h == s.h;
        });
        if (!covered) spots.push_back(s);
    }
    // Rows first: an element belongs to the row of the one above it when their middles are
    // within half a height of each other.
    std::sort(spots.begin(), spots.end(),
              [](const Spot& a, const Spot& b) { return a.y + a.h / 2 < b.y + b.h / 2; });
    std::vector<int> row(spots.size());
    for (size_t i = 1; i < spots.size(); ++i) {
        int gap = (spots[i].y + spots[i].h / 2) - (spots[i - 1].y + spots[i - 1].h / 2);
        row[i] = row[i - 1] + (gap > std::min(spots[i].h, spots[i - 1].h) / 2 ? 1 : 0);
    }
    std::vector<size_t> index(spots.size());
    for (size_t i = 0; i < index.size(); ++i) index[i] = i;
    std::stable_sort(index.begin(), index.end(), [&](size_t a, size_t b) {
        return row[a] != row[b] ? row[a] < row[b] : spots[a].x < spots[b].x;
    });
    std::vector<Spot> sorted;
    for (size_t i : index) sorted.push_back(spots[i]);
    return sorted;
}

// The nearest element whose middle lies in the direction (dx, dy) from the focused one's.
int Towards(const std::vector<Spot>& spots, const Spot& from, int dx, int dy) {
    int fx = from.x + from.w / 2, fy = from.y + from.h / 2;
    int best = -1;
    long best_cost = 0;
    for (const Spot& s : spots) {
        int ax = s.x + s.w / 2 - fx, ay = s.y + s.h / 2 - fy;
        int along = ax * dx + ay * dy, across = std::abs(ax * dy) + std::abs(ay * dx);
        if (along <= 0 || across > along) continue;
        long cost = static_cast<long>(along) + 2L * across;
        if (best < 0 || cost < best_cost) best = s.id, best_cost = cost;
    }
    return best;
}

// The voice names what the focus reaches: a number as a move says it, an operator by its
// name; at the lower level a click; never over a move's feedback.
Step SpeakFocus(Calc& calc, int id) {
    GameState& gs = calc.gs;
    if (gs.ClickLock || gs.SoundLevel == 0) co_return;
    const Element& e = calc.el.At(id);
    if (gs.SoundLevel >= 2 && e.name == Name::Digit && gs.Numbers[e.index] != kEmptied) {
        int16_t kept = gs.SayNumber;  // the field tells what the last move said
        co_await calc.SayNumber(gs.Numbers[e.index]);
        gs.SayNumber = kept;
        co_return;
    }
    if (gs.SoundLevel >= 2 && e.name == Name::Op) {
        co_await calc.PlaySound(OperatorSoundName(static_cast<int16_t>(e.index % 4)));
        co_return;
    }
    co_await calc.PlaySound("Click1");
}

void MoveFocus(Calc& calc, KeyActions& hooks, int id) {
    if (id < 0 || id == calc.el.focus.element) return;
    calc.el.focus.element = id;
    calc.loop.PresentNow();
    hooks.Speak(id);
}

// Clicks the element if it is shown; true when it was.
bool ClickShown(Calc& calc, KeyActions& hooks, Name name, int index) {
    Element* e = calc.el.Find(name, index);
    if (!e || !calc.el.Shown(*e)) return false;
    hooks.Click(calc.el.Id(*e));
    return true;
}

// A key's name without the number pad's prefix: the pad's keys do what the main ones do.
std::string Unpadded(const InputEvent& key) {
    const std::string pad = "Keypad ";
    const bool on_pad = key.key.compare(0, pad.size(), pad) == 0;
    const std::string k(key.key, on_pad ? pad.size() : 0);
    return k == "Enter" ? "Return" : k;
}

// What a key press or typed text means here. Named keys, letters and digits come from key
// presses; symbols only from the text the keyboard layout types, since a key's name does not
// tell what Shift makes of it (Shift+7 types "/" on some layouts). The number pad's digits
// count with or without Shift; the main row's only without.
std::string Meaning(const InputEvent& key) {
    if (!key.text.empty()) {
        static const std::pair<const char*, const char*> symbols[] = {
            {"+", "+"},        {"-", "-"},        {"\xE2\x88\x92", "-"},
            {"*", "*"},        {"\xC3\x97", "*"}, {"/", "/"},
            {"\xC3\xB7", "/"}, {".", "."},        {",", "."}};
        if (key.modifiers & (kKeyCtrl | kKeyAlt)) return "";
        for (auto [typed, meaning] : symbols)
            if (key.text == typed) return meaning;
        return "";
    }
    const std::string k = Unpadded(key);
    if (k.size() != 1) return k;
    if (k[0] >= 'A' && k[0] <= 'Z') return k;
    const bool on_pad = k != key.key;
    if (k[0] >= '0' && k[0] <= '9' && (on_pad || !(key.modifiers & kKeyShift))) return k;
    return "";
}

bool IsDigit(const std::string& k) { return k.size() == 1 && k[0] >= '0' && k[0] <= '9'; }

bool BoardKey(Calc& calc, KeyActions& hooks, const std::string& k) {
    static const std::pair<const char*, int> ops[] = {
        {"+", kAdd}, {"-", kSubtract}, {"*", kMultiply}, {"X", kMultiply}, {"/", kDivide}};
    for (auto [symbol, op] : ops) {
        if (k == symbol)
            return ClickShown(calc, hooks, Name::Op, op + 4) ||
                   ClickShown(calc, hooks, Name::Op, op);
    }
    if (k == "H") return ClickShown(calc, hooks, Name::But, kWordHint);
    if (k == "M") return ClickShown(calc, hooks, Name::But, kWordMenu);
    if (!IsDigit(k)) return false;
    hooks.TypeDigit(k[0]);
    return true;
}

bool KeypadPress(Calc& calc, KeyActions& hooks, const std::string& k) {
    int index = -1;
    if (k.size() == 1 && k[0] >= '0' && k[0] <= '9') index = k[0] - '0';
    if (k == ".") index = kPointKey;
    if (k == "Backspace") index = kBackspaceKey;
    if (k == "Delete") index = kClearKey;
    if (k == "Return") index = kOkKey;
    if (k == "Escape") index = kCancelKey;
    return index >= 0 && ClickShown(calc, hooks, Name::CalBut, index);
}

// The reading keys scroll the help panel, held down or not.
bool HelpKey(Calc& calc, const std::string& k) {
    if (calc.Screens().Focus() != FocusPanel::Help) return false;
    const int page = std::max(1, calc.help.rows - 1);
    static const struct {
        const char* name;
        int pages, lines;
    } scrolls[] = {{"Up", 0, -1}, {"Down", 0, 1}, {"PageUp", -1, 0}, {"PageDown", 1, 0}};
    for (const auto& s : scrolls) {
        if (k != s.name) continue;
        calc.ScrollHelp(s.pages * page + s.lines);
        return true;
    }
    if (k == "Home" || k == "End") {
        calc.ScrollHelpToEnd(k == "End");
        return true;
    }
    return false;
}

// F1 is the Help word of the panel in front (the options panel's is the setup's), and closes the
// help panel.
bool OpenHelpKey(Calc& calc, KeyActions& hooks, const std::string& k) {
    if (k != "F1") return false;
    switch (calc.Screens().Focus()) {
        case FocusPanel::Board:
            return ClickShown(calc, hooks, Name::But, kWordHelp);
        case FocusPanel::Setup:
            return ClickShown(calc, hooks, Name::But, kWordSetupHelp);
        case FocusPanel::Options:  // no word of its own: the setup's topic tells of it
            hooks.Click(calc.el.Id(calc.el(Name::But, kWordSetupHelp)));
            return true;
        case FocusPanel::Maker:
            return ClickShown(calc, hooks, Name::But, kWordMakerHelp);
        case FocusPanel::Help:
            return ClickShown(calc, hooks, Name::HelpWord, kHelpClose);
        default:
            return false;
    }
}

}  // namespace

Step KeyActions::Run(Calc& calc, GameHooks& hooks, TypedDigits& typed) {
    for (const Action& action : actions_) {
        switch (action.kind) {
            case Action::Kind::Zoom:
                co_await calc.Zoom(static_cast<ZoomRequest>(action.value));
                break;
            case Action::Kind::Speak:
                co_await SpeakFocus(calc, action.value);
                break;
            case Action::Kind::Click:
                co_await hooks.Click(action.value);
                break;
            case Action::Kind::FormClick:
                co_await hooks.FormClick();
                break;
            case Action::Kind::Save:
                if (FigureShowing(calc)) co_await SaveShownFigure(calc);
                break;
            case Action::Kind::Resize:
                co_await calc.OnResize();
                break;
            case Action::Kind::PickHeldDigits:
                co_await quorrel::PickHeldDigits(calc, hooks, typed);
                break;
            case Action::Kind::TypeDigit:
                co_await quorrel::TypeDigit(calc, hooks, typed, static_cast<char>(action.value));
                break;
        }
    }
}

bool ZoomKey(KeyActions& hooks, const InputEvent& key) {
    if (!(key.modifiers & kKeyCtrl) || (key.modifiers & kKeyAlt) || !key.text.empty()) return false;
    const std::string k = Unpadded(key);
    if (k == "+" || k == "=") {
        hooks.Zoom(ZoomRequest::In);
    } else if (k == "-") {
        hooks.Zoom(ZoomRequest::Out);
    } else if (k == "0" && !key.repeat) {
        hooks.Zoom(ZoomRequest::Reset);
    } else if (k == "F" && !key.repeat) {
        hooks.Zoom(ZoomRequest::Fit);
    } else {
        return false;
    }
    return true;
}

void Key_Down(Calc& calc, KeyActions& hooks, TypedDigits& typed, const InputEvent& key) {
    Elements& el = calc.el;
    std::vector<Spot> spots = FocusOrder(el, calc.Screens());
    if (!el.focus.shown) {
        el.focus.shown = true;
        calc.loop.PresentNow();
    }
    auto at = std::find_if(spots.begin(), spots.end(),
                           [&](const Spot& s) { return s.id == el.focus.element; });
    if (at == spots.end()) el.focus.element = -1;
    const std::string k = Meaning(key);
    // A number held for a further digit is picked before any other key acts (the text a
    // digit key types as well means nothing here, and leaves it held).
    if (!k.empty() && !IsDigit(k) && typed.held >= 0) hooks.PickHeldDigits();
    const bool shift = key.modifiers & kKeyShift;
    if (!(key.modifiers & (kKeyCtrl | kKeyAlt)) && HelpKey(calc, k)) return;

    if (k == "Tab" && !spots.empty()) {
        if (at == spots.end()) {
            at = shift ? spots.end() - 1 : spots.begin();
        } else if (shift) {
            at = at == spots.begin() ? spots.end() - 1 : at - 1;
        } else {
            at = at + 1 == spots.end() ? spots.begin() : at + 1;
        }
        MoveFocus(calc, hooks, at->id);
        return;
    }
    static const struct {
        const char* name;
        int dx, dy;
    } arrows[] = {{"Left", -1, 0}, {"Right", 1, 0}, {"Up", 0, -1}, {"Down", 0, 1}};
    for (const auto& arrow : arrows) {
        if (k != arrow.name || spots.empty()) continue;
        MoveFocus(calc, hooks,
                  at == spots.end() ? spots.front().id : Towards(spots, *at, arrow.dx, arrow.dy));
        return;
    }
    if (key.repeat) return;  // a key held down moves the focus, and does nothing else again

    const int root = spots.empty() ? -1 : Root(el, spots.front().id);
    const bool keypad = el.Shown(el(Name::CalBut, kOkKey));
    const bool on_keypad_key = at != spots.end() && (el.At(at->id).name == Name::CalBut);
    if (keypad && !(on_keypad_key && (k == "Return" || k == "Space")) &&
        KeypadPress(calc, hooks, k))
        return;
    if ((k == "Return" || k == "Space") && at != spots.end()) {
        hooks.Click(at->id);
        return;
    }
    if (k == "Q" && (key.modifiers & kKeyCtrl)) {
        ClickShown(calc, hooks, Name::But, kWordQuit);
        return;
    }
    if (k == "S" && (key.modifiers & kKeyCtrl)) {
        hooks.Save();
        return;
    }
    if (k == "F11") {
        bool maximised = calc.platform.State() == WindowState::Maximized;
        calc.platform.SetState(maximised ? WindowState::Normal : WindowState::Maximized);
        hooks.Resize();
        return;
    }
    if (key.modifiers & (kKeyCtrl | kKeyAlt)) return;
    if (OpenHelpKey(calc, hooks, k)) return;
    if (k == "Escape") {
        const EscapeAction escape = EscapeFor(calc.Screens().Focus());
        if (escape.background) {
            hooks.FormClick();
        } else if (escape.click != Name::Count) {
            ClickShown(calc, hooks, escape.click, escape.index);
        }
        return;
    }
    if (root >= 0 && el.At(root).name == Name::Floater) BoardKey(calc, hooks, k);
}

}  // namespace quorrel
