#include "platform/web/web_platform.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "files/program_folder.h"
#include "platform/web/pictures/picture_files.h"
#include "screens/pictures.h"
#include "window/display_scale.h"

// The page's glue (web/page.js) defines Module.quorrelWeb; each call is one of its methods.
EM_JS(void, JsPresent, (const uint32_t* pixels, int width, int height, uint32_t back),
      { Module.quorrelWeb.present(pixels, width, height, back); });
EM_JS(void, JsPlayWave, (const char* path), { Module.quorrelWeb.playWave(UTF8ToString(path)); });
EM_JS(void, JsBeep, (), { Module.quorrelWeb.beep(); });
EM_JS(void, JsSetTitle, (const char* title), { document.title = UTF8ToString(title); });
EM_JS(void, JsDownload, (const char* path), { Module.quorrelWeb.download(UTF8ToString(path)); });
EM_JS(void, JsUnload, (), { Module.quorrelWeb.unload(); });
EM_JS(double, JsLocalMs, (), {
    const d = new Date();
    return ((d.getHours() * 60 + d.getMinutes()) * 60 + d.getSeconds()) * 1000 +
           d.getMilliseconds();
});
EM_JS(int, JsLocalDate, (int part), {
    const d = new Date();
    return [ d.getFullYear(), d.getMonth() + 1, d.getDate() ][part];
});

namespace quorrel {
namespace {
// The game's window at scale 1 (the desktop's stored size), in pixels.
constexpr int kGameWidth = 678, kGameHeight = 578;
}  // namespace

WebPlatform::WebPlatform() : pictures_(kWebAppFolder, LoadPicture, CalcPictureFiles()) {}

void WebPlatform::Queue(const InputEvent& event) {
    // One resize stands for a run of them: the game lays out for the latest size.
    if (event.type == InputEvent::Type::Resize && !pending_.empty() &&
        pending_.back().type == InputEvent::Type::Resize)
        return;
    pending_.push_back(event);
}

void WebPlatform::SetViewport(int width, int height, double pixel_ratio) {
    width_ = std::clamp(width, 1, 16384);
    height_ = std::clamp(height, 1, 16384);
    // The device's pixels per CSS pixel is the display scale, as a desktop's scale is; lowered
    // where the page is smaller than the game's window at that scale (a phone held upright),
    // so that the board and its instructions fit, drawn at the device's full resolution.
    double ratio = std::isfinite(pixel_ratio) && pixel_ratio > 0 ? pixel_ratio : 1;
    double fit = std::min(static_cast<double>(width_) / kGameWidth,
                          static_cast<double>(height_) / kGameHeight);
    scale_ = std::clamp(std::min(ratio, fit), kMinScale, kMaxScale);
    Queue({InputEvent::Type::Resize});
}

uint64_t WebPlatform::NowMs() { return static_cast<uint64_t>(emscripten_get_now()); }

float WebPlatform::SecondsSinceMidnight() { return static_cast<float>(JsLocalMs() / 1000.0); }

CivilTime WebPlatform::LocalTime() {
    int ms = static_cast<int>(JsLocalMs());
    return {JsLocalDate(0), JsLocalDate(1),  JsLocalDate(2),
            ms / 3600000,   ms / 60000 % 60, ms / 1000 % 60};
}

bool WebPlatform::PollInput(InputEvent& event) {
    if (pending_.empty()) return false;
    event = std::move(pending_.front());
    pending_.pop_front();
    return true;
}

int WebPlatform::StartWave(const std::string&, const std::string& path) {
    // The length comes from the file, so a sound that cannot be heard yet (before the first
    // tap) or at all takes its time all the same.
    int ms = SoundLengthMs(path);
    if (ms > 0) JsPlayWave(path.c_str());
    return ms;
}

void WebPlatform::Beep() { JsBeep(); }

void WebPlatform::SetTitle(const std::string& title) {
    title_ = title;
    JsSetTitle(title.c_str());
}

Placement WebPlatform::GetPlacement() { return {0, 0, width_ * Tpp(), height_ * Tpp()}; }

void WebPlatform::Present(const Image& frame, uint32_t back) {
    JsPresent(frame.pixels.data(), frame.width, frame.height, back);
}

void WebPlatform::Unload() { JsUnload(); }

bool WebPlatform::WritePng(const Image& image, const std::string& path) {
    return SavePng(image, path);
}

void WebPlatform::FileSaved(const std::string& path) { JsDownload(path.c_str()); }

}  // namespace quorrel
