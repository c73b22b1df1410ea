// Start-up and shut-down: the settings file is read at load, its options applied by the setup
// panel, and written back at unload.
#include <cstring>

#include "shell/app_folders.h"
#include "shell/calc.h"
#include "shell/settings.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// At start the board is centred with 60 pixels of the window's height left for the title bar
// and the frame.
constexpr int kStartFrameAllowance = 60;

ScreenTwips ScreenOf(Platform& platform) {
    return {platform.ScreenWidthTwips(), platform.ScreenHeightTwips(), platform.TwipsPerPixelX()};
}

}  // namespace

Step Calc::Form_Load() {
    // A fixed seed (tests) stays; otherwise the clock seeds the random numbers.
    if (seed_ == 0) {
        const float clock = Clock();
        uint32_t bits = 0;
        std::memcpy(&bits, &clock, sizeof bits);  // the float's bits, as bit_cast gives them
        rng.Seed(bits);
    }
    gs.SpiroPenColor = colour::kWhite;
    gs.ProblemList.assign(1, std::string());
    gs.ProblemCount = 0;
    // The scale comes first: the screen and the saved window are measured in twips.
    LoadZoom();
    LoadLanguage();

    // The data folder and the settings file. Without a usable folder the game runs on its
    // defaults and SettingsPath stays empty, so nothing is written at close.
    gs.SettingsPath.clear();
    std::string folder = MakeDataFolder(platform.DataFolderBase());
    if (!folder.empty()) gs.SettingsPath = folder + "/" + kSettingsFileName;
    levels.Load(platform.ConfigFolder(), gs.SettingsPath);
    ScreenTwips screen = ScreenOf(platform);
    std::string text;
    SavedSettings saved = !gs.SettingsPath.empty() && ReadSmallTextFile(gs.SettingsPath, text)
                              ? ParseSettings(text, screen)
                              : DefaultSettings(screen);
    glob.SavedWindowState = saved.window_state;
    glob.SavedLeft = saved.left;
    glob.SavedTop = saved.top;
    glob.SavedWidth = saved.width;
    glob.SavedHeight = saved.height;

    // The window's state and place, and the board, title and maker panels stacked in its middle.
    if (glob.SavedWindowState == 1) glob.SavedWindowState = 0;  // never start minimised
    gs.StartWindowState = glob.SavedWindowState;
    platform.SetState(static_cast<WindowState>(gs.StartWindowState));
    Element& board = el(Name::Floater);
    int16_t x;
    if (gs.StartWindowState == 0)
        platform.Move(
            Placement{static_cast<double>(glob.SavedLeft), static_cast<double>(glob.SavedTop),
                      static_cast<double>(glob.SavedWidth), static_cast<double>(glob.SavedHeight)});
    if (zoom.fit) {
        ApplyZoomPercent(FitZoomStep(platform.DisplayScale(), Room()));
    } else {
        // The saved zoom is applied only as far as the window holds the board where it is
        // placed below; the file keeps it for a larger window.
        ZoomRoom room = Room();
        room.outer_height -= kStartFrameAllowance - kFrameAllowance;
        int percent = FittingZoomStep(zoom.percent, platform.DisplayScale(), room);
        if (percent != zoom.percent) ApplyZoomPercent(percent);
    }
    double tpp_x = platform.TwipsPerPixelX(), tpp_y = platform.TwipsPerPixelY();
    if (gs.StartWindowState == 0) {
        x = RoundToInt16((platform.GetPlacement().width / tpp_x - board.width) / 2);
    } else {
        x = RoundToInt16((platform.ScreenWidthTwips() / tpp_x - board.width) / 2);
    }
    int16_t y = RoundToInt16(
        (platform.GetPlacement().height / tpp_y - kStartFrameAllowance - board.height) / 2);
    for (Name panel : {Name::Floater, Name::First, Name::Spirom}) {
        el(panel).left = x;
        el(panel).top = y;
    }
    SyncSurfaceSize();

    el(Name::Diff, 2).caption = std::string("+ - x ") + kDivisionSign;
    // TRANSLATORS: the window's title, the game's name; keep it unless your script needs another.
    gs.TitleText = Tr("Quorrel");
    for (Name panel : {Name::Floater, Name::First, Name::Hist, Name::SelFloat, Name::MoreFloat,
                       Name::Helper, Name::Spirom})
        StretchPicture(el(panel), 217, 217);
    for (int i = 0; i < 8; ++i) StretchPicture(el(Name::Op, i), 57, 57);
    glob.AppFolder = platform.ProgramFolder() + "/";
    gs.HelpFile = glob.AppFolder + "help/";
    // TRANSLATORS: the About box, under the game's name (137 x 41 px, 12 pt).
    el(Name::Regest).caption = N_("Version 4.0");
    Element& hint = el(Name::HintL);
    hint.caption.clear();
    hint.fore = colour::kBlack;
    SetOverlay(Overlay::Keypad, false);

    co_await game_->ApplyOptions(saved);
    co_await PlayClicks();
}

void Calc::Form_Unload() {
    if (gs.SettingsPath.empty()) return;
    WindowState state = platform.State();
    // A minimised window would store its caption bar; its normal place is what comes back.
    Placement placement =
        state == WindowState::Minimized ? platform.NormalPlacement() : platform.GetPlacement();
    std::string text = FormatSettings(gs.GiveReward, gs.TargetIndex, gs.SoundLevel,
                                      gs.OperatorSetOn, static_cast<int16_t>(state), placement);
    WriteFileAtomically(gs.SettingsPath, text);  // a failed write keeps the old file
}

}  // namespace quorrel
