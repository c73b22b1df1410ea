#include "platform/headless/headless_platform.h"

#include <cmath>
#include <ctime>

#include "files/program_folder.h"
#include "screens/pictures.h"
#include "state/text_escape.h"

namespace quorrel {
namespace {

// A build folder holds its data beside the executable; an installed tree under share/quorrel.
HeadlessOptions WithProgramFolder(HeadlessOptions options) {
    options.program_folder = ChooseProgramFolder(options.program_folder, IsFolder);
    return options;
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(HeadlessOptions options)
    : options_(WithProgramFolder(std::move(options))),
      pictures_(options_.program_folder, options_.load_picture, CalcPictureFiles()) {
    // The stored window: 10170 x 8670 twips inside, at 1455, 1485 twips.
    double t = Tpp();
    normal_ = {1455, 1485, 10170 + kFrameWidth * t, 8670 + kFrameHeight * t};
}

std::vector<std::string> HeadlessPlatform::TakeEvents() {
    std::vector<std::string> taken;
    taken.swap(events_);
    return taken;
}

float HeadlessPlatform::SecondsSinceMidnight() {
    double seconds = std::fmod(options_.clock_start + now_ms_ / 1000.0, 86400.0);
    return static_cast<float>(seconds);
}

CivilTime HeadlessPlatform::LocalTime() {
    // Whole days the virtual clock has run past midnight move the date on.
    const CivilTime& d = options_.date;
    std::tm day{};
    day.tm_year = d.year - 1900;
    day.tm_mon = d.month - 1;
    day.tm_mday = d.day;
    time_t t = timegm(&day) + static_cast<time_t>(options_.clock_start + now_ms_ / 1000);
    std::tm at{};
    gmtime_r(&t, &at);
    return {at.tm_year + 1900, at.tm_mon + 1, at.tm_mday, at.tm_hour, at.tm_min, at.tm_sec};
}

void HeadlessPlatform::Sleep(int ms) {
    if (ms > 0) now_ms_ += static_cast<uint64_t>(ms);
}

bool HeadlessPlatform::PollInput(InputEvent& event) {
    if (input_.empty() || unloaded_) return false;
    event = input_.front();
    input_.pop_front();
    return true;
}

void HeadlessPlatform::WaitForInput(uint64_t deadline_ms) {
    // Queued input ends a wait at once; otherwise the virtual clock jumps to the deadline.
    if (input_.empty() && deadline_ms > now_ms_) now_ms_ = deadline_ms;
}

int HeadlessPlatform::StartWave(const std::string& sound_name, const std::string& path) {
    events_.push_back("sound " + sound_name);
    auto cached = wave_lengths_.find(path);
    if (cached == wave_lengths_.end())
        cached = wave_lengths_.emplace(path, path.empty() ? 0 : SoundLengthMs(path)).first;
    return cached->second;
}

void HeadlessPlatform::HelpShown(int topic) { events_.push_back("help " + std::to_string(topic)); }

void HeadlessPlatform::SetTitle(const std::string& title) {
    title_ = title;
    events_.push_back("title " + QuoteText(title));
}

Placement HeadlessPlatform::GetPlacement() {
    double t = Tpp();
    switch (state_) {
        case WindowState::Maximized:
            return {0, 0, options_.screen_width * t, options_.screen_height * t};
        case WindowState::Minimized:
            // A minimised window reports the small caption bar it has become.
            return {normal_.left, normal_.top, 160 * t, kFrameHeight * t};
        case WindowState::Normal:
            break;
    }
    return normal_;
}

void HeadlessPlatform::SetZoom(double zoom) {
    if (!(zoom > 0)) return;
    // The window stays where it is on the screen, in pixels.
    double ratio = options_.display_scale * zoom_ / (options_.display_scale * zoom);
    normal_ = {normal_.left * ratio, normal_.top * ratio, normal_.width * ratio,
               normal_.height * ratio};
    zoom_ = zoom;
}

std::string HeadlessPlatform::ConfigFolder() {
    if (!options_.config_folder.empty()) return options_.config_folder;
    return options_.data_folder.empty() ? "" : options_.data_folder + "/config";
}

void HeadlessPlatform::Move(const Placement& placement) { normal_ = placement; }

void HeadlessPlatform::ResizeOuter(int width_px, int height_px) {
    state_ = WindowState::Normal;
    normal_.width = width_px * Tpp();
    normal_.height = height_px * Tpp();
}

int HeadlessPlatform::InnerWidth() {
    if (state_ == WindowState::Minimized) return 0;
    int outer = static_cast<int>(std::lround(GetPlacement().width / Tpp()));
    return std::max(outer - kFrameWidth, 0);
}

int HeadlessPlatform::InnerHeight() {
    if (state_ == WindowState::Minimized) return 0;
    int outer = static_cast<int>(std::lround(GetPlacement().height / Tpp()));
    return std::max(outer - kFrameHeight, 0);
}

void HeadlessPlatform::Unload() {
    unloaded_ = true;
    input_.clear();
    events_.push_back("unload");
}

void HeadlessPlatform::Present(const Image& frame, uint32_t) {
    frame_ = &frame;
    ++presents_;
}

}  // namespace quorrel
