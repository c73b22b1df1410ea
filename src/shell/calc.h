// The window Calc: it owns the elements, the timers, the drawing surface, the game state and
// the handlers. Handlers keep the names of the events they serve; each subsystem defines its
// own in its own folder (src/puzzle, src/spiro, src/menus, src/shell).
#pragma once

#include <cstdint>
#include <string>

#include "state/game_state.h"
#include "state/random.h"
#include "window/elements.h"
#include "window/event_loop.h"
#include "window/platform.h"
#include "window/surface.h"
#include "window/timers.h"

namespace quorrel {

class Calc : public WindowEvents {
public:
    // seed 0 seeds the random numbers from the clock at load, as the game does; any other
    // value fixes them (tests).
    explicit Calc(Platform& platform, uint64_t seed = 0);
    Calc(const Calc&) = delete;
    Calc& operator=(const Calc&) = delete;

    // Runs the load event and shows the window.
    void Start() { loop.Load(); }

    Platform& platform;
    Elements el;
    TimerSet timers;
    WindowSurface surface;
    EventLoop loop;
    GameState gs;
    Globals glob;
    Random rng;

    // --- Events as the window delivers them -------------------------------------------------
    void OnLoad() override { Form_Load(); }
    void OnClick(int element_id) override;
    void OnDblClick(int element_id) override;
    void OnFormClick() override { Form_Click(); }
    void OnResize() override;
    void OnTimer(TimerId timer) override;
    void OnUnload() override { Form_Unload(); }

    // --- Start-up, shut-down, intro, sound, background, layout (src/shell) -----------------
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void FirstUp_Timer();
    void LastUp_Timer();
    void TileBoy_Timer();
    void Say(int16_t Mode);
    void PlaySound(const std::string& SoundName, int16_t Sync);
    void TileBackground();
    void StretchPicture(Element& element, int16_t SrcWidth, int16_t SrcHeight);

    // --- Puzzle play (src/puzzle) ----------------------------------------------------------
    void LoadProblems();
    void SetUpPuzzle(int16_t NewPuzzle);
    void Dig_Click(int16_t Index);
    void Digit_Click(int16_t Index);
    void Op_Click(int16_t Index);
    void KlikOff_Timer();
    void HintWord();
    void Cent_DblClick();
    void RefreshScoreLine();

    // --- Spirolaterals (src/spiro) ---------------------------------------------------------
    void DrawSpiro(int16_t Order, int16_t Angle, int16_t LeftTurns);
    void LMOrder_Click(int16_t Index);
    void Cap_Click(int16_t Index);

    // --- Menus and options (src/menus) -----------------------------------------------------
    void But_Click(int16_t Index);
    void Form_Click();
    void CalBut_Click(int16_t Index);
    void OKBut_Click();
    void Target_Click(int16_t Index);
    void Diff_Click(int16_t Index);
    void Snd_Click(int16_t Index);
    void Rew_Click(int16_t Index);
    void BackColorSet_Click();

    // --- Small window operations the handlers share ----------------------------------------
    void DoEvents() { loop.Pump(); }
    void EnableTimer(TimerId id) { timers.Enable(id, platform.NowMs()); }
    void DisableTimer(TimerId id) { timers.Disable(id); }
    bool TimerEnabled(TimerId id) const { return timers.Get(id).enabled; }
    float Clock() { return platform.SecondsSinceMidnight(); }
    void SetTitle(const std::string& title) { platform.SetTitle(title); }
    // The window surface follows the window's inner size.
    void SyncSurfaceSize();
    // Opens a help page; where no viewer can be started, beeps once and shows the page's path
    // in the notice HelpNote instead, which a click puts away.
    void OpenHelpPage(int context);
    void HelpNote_Click();

private:
    uint64_t seed_;

    // --- Working state of the spirolateral engine (src/spiro) ------------------------------
    // Counts drawing requests so that a newer one replaces a drawing in progress.
    uint64_t spiro_generation_ = 0;
    bool spiro_running_ = false;
    // The newest request; a drawing in progress restarts with it when the generation moves.
    int16_t spiro_order_ = 0, spiro_angle_ = 0, spiro_left_turns_ = 0;
};

}  // namespace quorrel
