#include "spiro/save_figure.h"

#include "shell/app_folders.h"
#include "shell/calc.h"
#include "spiro/figure_files.h"
#include "spiro/figure_svg.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// "Pictures/Quorrel": the folder as the user knows it, by its own name.
std::string ShortFolderName(const std::string& pictures) {
    size_t slash = pictures.rfind('/');
    std::string last = slash == std::string::npos ? pictures : pictures.substr(slash + 1);
    return (last.empty() ? std::string("Pictures") : last) + "/" + kSaveFolderName;
}

}  // namespace

bool FigureShowing(Calc& calc) {
    return !calc.surface.Figure().empty() && !calc.Screens().Shows(Screen::Board);
}

Step SaveShownFigure(Calc& calc) {
    if (calc.surface.Figure().empty()) {
        calc.platform.Beep();
        co_return;
    }
    const SpiroDrawing& figure = calc.gs.spiro_drawing;
    const Image& pixels = calc.surface.Pixels();
    std::string pictures = calc.platform.PicturesFolder();
    std::string folder = pictures + "/" + kSaveFolderName;
    std::string base =
        FigureName(figure.order, figure.angle, figure.left_turns, calc.platform.LocalTime());
    std::string error =
        // TRANSLATORS: why a figure could not be saved, after "Could not save to ...:".
        pictures.empty() ? std::string(calc.Tr("there is no Pictures folder"))
                         : MakeFolders(folder, 0755);
    if (error.empty()) {
        std::string svg =
            FigureSvg(calc.surface.Figure(), pixels.width, pixels.height, calc.el.window_back);
        error = WriteFigureFiles(folder, base, pixels, svg,
                                 [&calc](const Image& image, const std::string& path) {
                                     return calc.platform.WritePng(image, path);
                                 });
    }
    std::string where = ShortFolderName(pictures);
    if (!error.empty()) {
        calc.platform.Beep();
        // TRANSLATORS: a notice across the window's top; %s is a folder ("Pictures/Quorrel"),
        // then the reason on its own line.
        calc.ShowNote(FormatText(calc.Tr("Could not save to %s:\n%s"), {where, error}), true);
        co_return;
    }
    calc.platform.FileSaved(folder + "/" + base + ".png");
    calc.platform.FileSaved(folder + "/" + base + ".svg");
    // TRANSLATORS: a notice across the window's top; %s is a folder ("Pictures/Quorrel"), then
    // the two files' common name.
    calc.ShowNote(FormatText(calc.Tr("Saved to %s\n%s.png and .svg"), {where, base}), true);
    if (calc.gs.SoundLevel >= 2) {
        calc.loop.PresentNow();  // the notice stands while the praise plays
        co_await calc.PlaySound("Good0");
    }
}

}  // namespace quorrel
