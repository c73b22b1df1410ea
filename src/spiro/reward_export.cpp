#include "spiro/reward_export.h"

#include <cstdio>

#include "shell/app_folders.h"
#include "shell/reward_book.h"
#include "spiro/figure_svg.h"
#include "spiro/spiro_engine.h"
#include "window/surface.h"

namespace quorrel {
namespace {

// Black thin lines on white paper, each figure in a square of this many pixels.
constexpr int kSide = 480;
constexpr uint32_t kPaper = 0xFFFFFF, kInk = 0x000000;
// A figure that never closes would retrace itself for ever; one this long is cut off.
constexpr int64_t kMaxSegments = 200000;

// The drawing engine on a surface of its own: no window, no events, no waiting.
class PaperCanvas : public SpiroCanvas {
  public:
    explicit PaperCanvas(WindowSurface& surface) : surface_(surface) {}
    int InnerWidth() override { return kSide; }
    int InnerHeight() override { return kSide; }
    // The passes of a maximised window at the thin setting: one pass, a 3-pixel pen.
    bool NormalState() override { return false; }
    void ClearBackground() override { surface_.Clear(kPaper); }
    void Line(double x1, double y1, double x2, double y2, int width) override {
        surface_.Line(x1, y1, x2, y2, width, kInk);
    }
    Step Pump() override {
        ++segments_;
        return {};
    }
    Interruption Interrupted() override {
        return segments_ > kMaxSegments ? Interruption::Stop : Interruption::None;
    }
    uint64_t NowMs() override { return 0; }
    Step Sleep(int) override { return {}; }

  private:
    WindowSurface& surface_;
    int64_t segments_ = 0;
};

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string DateText(const CivilTime& t) {
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    char text[64];
    std::snprintf(text, sizeof text, "%d %s %d, %02d:%02d", t.day, months[t.month - 1], t.year,
                  t.hour, t.minute);
    return text;
}

std::string IndexPage(const std::string& cards, size_t exported, size_t recorded) {
    std::string note = recorded == 0         ? "No reward figures have been earned yet."
                       : exported < recorded ? "The newest " + std::to_string(exported) + " of " +
                                                   std::to_string(recorded) + " figures earned."
                                             : std::to_string(exported) + " figures earned.";
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Quorrel rewards</title>\n<style>\n"
           "body { font-family: sans-serif; margin: 1cm; }\n"
           ".grid { display: grid; grid-template-columns: repeat(auto-fill, minmax(5cm, 1fr));"
           " gap: 0.6cm; }\n"
           "figure { margin: 0; text-align: center; break-inside: avoid; }\n"
           "img { width: 100%; height: auto; border: 1px solid #999; }\n"
           "figcaption { font-size: 10pt; margin-top: 0.2cm; }\n"
           "@media print { body { margin: 0; } h1 { font-size: 16pt; } }\n"
           "</style>\n</head>\n<body>\n<h1>Spirolaterals earned in Quorrel</h1>\n<p>" +
           note + "</p>\n<div class=\"grid\">\n" + cards + "</div>\n</body>\n</html>\n";
}

}  // namespace

ExportResult ExportRewards(const std::string& book_path, const std::string& folder,
                           const PngWriter& write_png) {
    ExportResult result;
    RewardBook book = ReadRewardBook(book_path, kMaxExportedRewards);
    result.recorded = book.valid;
    result.error = MakeFolders(folder, 0755);
    if (!result.error.empty()) return result;
    std::string cards;
    for (size_t i = 0; i < book.entries.size(); ++i) {
        const RewardEntry& e = book.entries[i];
        WindowSurface surface;
        surface.Resize(kSide, kSide, kPaper);
        GameState gs;
        gs.LineThickness = 2;
        PaperCanvas canvas(surface);
        RunSpiroAtOnce(gs, canvas,
                       {static_cast<int16_t>(e.order), static_cast<int16_t>(e.angle),
                        static_cast<int16_t>(e.left_turns)});
        char number[32];
        std::snprintf(number, sizeof number, "%04zu-", i + 1);
        std::string base = number + FigureName(e.order, e.angle, e.left_turns, e.when);
        std::string svg = FigureSvg(surface.Figure(), kSide, kSide, kPaper);
        result.error = WriteFigureFiles(folder, base, surface.Pixels(), svg, write_png);
        if (!result.error.empty()) return result;
        ++result.exported;
        char caption[160];
        std::snprintf(caption, sizeof caption, "order %d, angle %d, left turns %d", e.order,
                      e.angle, e.left_turns);
        static const char* const hints[] = {"no hints", "1 hint", "2 hints", "3 hints"};
        cards += "<figure><img src=\"" + Escaped(base) + ".svg\" alt=\"" + caption +
                 "\"><figcaption>" + DateText(e.when) + "<br>" + caption + "<br>" + hints[e.hints] +
                 "</figcaption></figure>\n";
    }
    result.error =
        WriteTextFile(folder + "/index.html", IndexPage(cards, result.exported, result.recorded));
    return result;
}

}  // namespace quorrel
