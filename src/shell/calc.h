// The window Calc: it owns the elements, the timers, the drawing surface and the game state, and
// runs the shell's own handlers (load, unload, resize, the opening and closing steps, sound and
// background). The subsystems built on the shell (src/puzzle, src/spiro, src/menus) define their
// handlers as functions over Calc in their own headers; the shell reaches them only through
// GameHooks, which the top layer implements.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "files/message_catalog.h"
#include "screens/calc_elements.h"
#include "screens/screen.h"
#include "screens/timers.h"
#include "shell/help_panel.h"
#include "shell/level_play.h"
#include "shell/settings.h"
#include "shell/zoom.h"
#include "state/game_state.h"
#include "state/random.h"
#include "window/elements.h"
#include "window/event_loop.h"
#include "window/platform.h"
#include "window/surface.h"
#include "window/timers.h"

namespace quorrel {

class Calc;

// What the shell asks of the subsystems above it.
class GameHooks {
  public:
    virtual ~GameHooks() = default;
    // The window's input and the timers the shell does not own, passed to their handlers.
    virtual Step Click(int element_id) = 0;
    virtual Step DblClick(int element_id) = 0;
    virtual Step FormClick() = 0;
    // A key press; keys mean nothing unless the layer above gives them a meaning.
    virtual Step Key(InputEvent key) = 0;
    virtual Step Timer(TimerId timer) = 0;
    // At load: the saved options chosen on the setup panel, the problems of the saved target
    // loaded and the first puzzle dealt.
    virtual Step ApplyOptions(SavedSettings saved) = 0;
    // After a resize: the maker's figure drawn again at the window's new size.
    virtual Step RedrawMakerFigure() = 0;
};

// Makes the hooks of a new window; the top layer provides it (MakeGameHooks in menus/menus.h)
// and whoever builds the game passes it in.
using GameHooksMaker = std::unique_ptr<GameHooks> (*)(Calc& calc);

class Calc : public WindowEvents {
  public:
    // seed 0 seeds the random numbers from the clock at load; any other value fixes them
    // (tests).
    Calc(Platform& platform, GameHooksMaker make_hooks, uint64_t seed = 0);
    Calc(const Calc&) = delete;
    Calc& operator=(const Calc&) = delete;

    // Runs the load event and shows the window.
    void Start() { loop.Load(); }

    Platform& platform;
    Elements el{CalcElementTable()};
    TimerSet timers;
    WindowSurface surface;
    EventLoop loop;
    GameState gs;
    Globals glob;
    Random rng;

    // --- Events as the window delivers them -------------------------------------------------
    Step OnLoad() override { return Form_Load(); }
    Step OnClick(int element_id) override { return game_->Click(element_id); }
    Step OnDblClick(int element_id) override { return game_->DblClick(element_id); }
    Step OnFormClick() override { return game_->FormClick(); }
    Step OnKey(InputEvent key) override { return game_->Key(std::move(key)); }
    Step OnWheel(int notches) override;
    Step OnResize() override;
    Step OnTimer(TimerId timer) override;
    void OnUnload() override { Form_Unload(); }

    // --- Start-up, shut-down, intro, sound, background, layout -----------------------------
    Step Form_Load();
    void Form_Unload();
    Step Form_Resize();
    Step FirstUp_Timer();
    void LastUp_Timer();
    void TileBoy_Timer();
    // Nothing is played while SoundLevel is 0; each step ends when its sound has been heard.
    Step SayWord(std::string name);
    // Numbers above 199 either way are not spoken.
    Step SayNumber(int16_t number);
    // The pair of clicks that opens and closes the game.
    Step PlayClicks();
    Step PlaySound(std::string SoundName);
    // The language the voice speaks: "en" for Media's own recordings, or a code whose
    // complete set lies in Media/CODE. SetVoiceLanguage changes it.
    std::string voice_language = "en";
    // A file of the program's Media folder, found whatever the case of its name; "" if missing.
    std::string MediaFile(const std::string& name);
    void TileBackground();
    void StretchPicture(Element& element, int16_t SrcWidth, int16_t SrcHeight);

    // --- Small window operations the handlers share ----------------------------------------
    Step DoEvents() { return loop.LetEventsRun(); }
    void EnableTimer(TimerId id) { timers.Enable(id, platform.NowMs()); }
    void DisableTimer(TimerId id) { timers.Disable(id); }
    bool TimerEnabled(TimerId id) const { return timers.Get(id).enabled; }
    float Clock() { return platform.SecondsSinceMidnight(); }
    void SetTitle(const std::string& title) { platform.SetTitle(title); }
    // The window surface follows the window's inner size.
    void SyncSurfaceSize();
    // Shows text in the notice; a timed notice goes by itself after NoteOff's interval.
    void ShowNote(const std::string& text, bool timed);
    void HelpNote_Click();
    void NoteOff_Timer() { HelpNote_Click(); }

    // --- The help panel (shell/help_panel.cpp) ----------------------------------------------
    // Opens the panel at the top of a topic: 1000 the board, 1001 the setup, 1002 the maker.
    void OpenHelpPanel(int topic);
    void CloseHelpPanel();
    // Moves the panel's text by whole lines, never past its first or last line.
    void ScrollHelp(int lines);
    // Home and End: the first line, or the last page.
    void ScrollHelpToEnd(bool end);
    // Back, More and Close: a page up, a page down, the panel closed.
    void HelpWord_Click(int16_t Index);
    // Places the panel and wraps its topic at the window's size and scale.
    void LayOutHelpPanel();
    HelpPanelState help;

    // --- The screen on show: every change applies the panels' visible flags at once --------
    const ScreenState& Screens() const { return screen_; }
    void ShowScreen(Screen screen);
    void HideScreen(Screen screen);
    // A word's usual change: the screen it stands on gives way to the next.
    void SwitchScreen(Screen from, Screen to);
    void SetOverlay(Overlay overlay, bool on);

    // --- The zoom (keys and the driver) ----------------------------------------------------
    // A step the window cannot hold is refused with a beep; any change is remembered.
    Step Zoom(ZoomRequest request);
    // At load, before the window is placed: the remembered zoom.
    void LoadZoom();
    // The instruction strip centred under the board and the maker notice on it, wherever the
    // board now stands.
    void PlaceStripAndNotice();
    ZoomChoice zoom;
    // The level choice and the learner record.
    LevelPlay levels;

    // --- The language of every shown text -------------------------------------------------
    // A caption holds the program's own text and the window shows it through the catalog (see
    // Elements::catalog); texts built from numbers are made in the language when they are set.
    std::string_view Tr(std::string_view english) const { return catalog_.Find(english); }
    const std::string& Language() const { return language_; }
    // A language's code from kLanguages; its catalog replaces the last one. A missing or broken
    // catalog shows English, said in one line on stderr. Shown texts that were built from
    // numbers are the caller's to build again.
    void SetLanguage(const std::string& code);
    // At load: --lang (start_language), else the remembered choice, else the environment.
    void LoadLanguage();
    // A choice kept in the preferences folder beside the zoom.
    void RememberLanguage(const std::string& code);
    std::string start_language;

  private:
    // The layout at the window's size, in whichever state it is; force lays out even where a
    // resize would not (a maximised window maximised again).
    Step LayOut(bool force);
    ZoomRoom Room();
    void ApplyZoomPercent(int percent);

    uint64_t seed_;
    std::unique_ptr<GameHooks> game_;
    ScreenState screen_;
    MessageCatalog catalog_;
    std::string language_ = "en";
};

// Switches the voice to a language of VoiceLanguages(). Without a complete set in Media/CODE
// the voice stays English, and one line on stderr says why.
void SetVoiceLanguage(Calc& calc, std::string_view code);

}  // namespace quorrel
