// A platform without a screen or a sound device: a virtual clock that moves only when the game
// sleeps, plays a sound or is told to wait, an input queue fed by the caller, and a record of
// every side effect (sounds, beeps, help pages, titles, the unload), and the last frame
// presented.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window/picture_cache.h"
#include "window/platform.h"
#include "window/render/text_rasteriser.h"

namespace quorrel {

struct HeadlessOptions {
    std::string program_folder;
    std::string data_folder;  // stands for the per-user local application-data folder
    int screen_width = 1024, screen_height = 768;  // pixels
    double display_scale = 1;
    double clock_start = 12 * 3600;  // seconds since midnight
    // Loads a picture file; without one, pictures are absent.
    PictureLoader load_picture;
    // Draws the frames' text; without one, frames have no text.
    std::shared_ptr<TextRasteriser> text = nullptr;
    CivilTime date{2026, 12, 6};    // the day the clock starts on (its time is ignored)
    std::string pictures_folder{};  // "" stands for a desktop without one
    // Writes a picture file; without one, nothing can be saved.
    std::function<bool(const Image&, const std::string&)> write_png{};
    std::string config_folder{};  // "" stands for data_folder + "/config"
};

class HeadlessPlatform : public Platform {
  public:
    // The window frame: the outer size is the inner size plus these.
    static constexpr int kFrameWidth = 8, kFrameHeight = 31;

    explicit HeadlessPlatform(HeadlessOptions options);

    // The caller's side: queue input, move the clock, read the record.
    void Queue(const InputEvent& event) { input_.push_back(event); }
    bool HasInput() const { return !input_.empty(); }
    void Advance(uint64_t ms) { now_ms_ += ms; }
    std::vector<std::string> TakeEvents();
    void ResizeOuter(int width_px, int height_px);
    bool unloaded() const { return unloaded_; }
    int presents() const { return presents_; }
    // The frame presented last; it belongs to the window's loop and stays valid until the next.
    const Image& LastFrame() const { return frame_ ? *frame_ : kNoFrame; }
    void SetText(std::shared_ptr<TextRasteriser> text) { options_.text = std::move(text); }

    uint64_t NowMs() override { return now_ms_; }
    float SecondsSinceMidnight() override;
    void Sleep(int ms) override;
    CivilTime LocalTime() override;
    bool PollInput(InputEvent& event) override;
    void WaitForInput(uint64_t deadline_ms) override;
    int StartWave(const std::string& sound_name, const std::string& path) override;
    void Beep() override { events_.push_back("beep"); }
    void HelpShown(int topic) override;
    void SetTitle(const std::string& title) override;
    std::string Title() override { return title_; }
    WindowState State() override { return state_; }
    void SetState(WindowState state) override { state_ = state; }
    Placement GetPlacement() override;
    Placement NormalPlacement() override { return normal_; }
    void Move(const Placement& placement) override;
    int InnerWidth() override;
    int InnerHeight() override;
    double ScreenWidthTwips() override { return options_.screen_width * Tpp(); }
    double ScreenHeightTwips() override { return options_.screen_height * Tpp(); }
    double TwipsPerPixelX() override { return Tpp(); }
    double TwipsPerPixelY() override { return Tpp(); }
    double DisplayScale() override { return options_.display_scale; }
    void SetZoom(double zoom) override;
    void Show() override {}
    void Present(const Image& frame, uint32_t) override;
    bool ShowsFrames() const override { return false; }
    void Unload() override;
    std::string DataFolderBase() override { return options_.data_folder; }
    std::string ConfigFolder() override;
    std::string ProgramFolder() override { return options_.program_folder; }
    std::string PicturesFolder() override { return options_.pictures_folder; }
    bool WritePng(const Image& image, const std::string& path) override {
        return options_.write_png && options_.write_png(image, path);
    }
    void FileSaved(const std::string& path) override { events_.push_back("saved " + path); }
    const Image* GetPicture(Picture picture) override { return pictures_.Get(picture); }
    const Image* GetPictureSized(Picture picture, int width, int height) override {
        return pictures_.GetSized(picture, width, height);
    }
    TextRasteriser* Text() override { return options_.text.get(); }
    // Laid out by the estimate, whatever fonts the screenshots are drawn with: the driver of
    // every toolchain wraps the same words onto the same lines.
    TextRasteriser* LayoutText() override { return nullptr; }

  private:
    double Tpp() const { return TwipsPerPixelAt(options_.display_scale * zoom_); }

    HeadlessOptions options_;
    double zoom_ = 1;
    uint64_t now_ms_ = 0;
    std::deque<InputEvent> input_;
    std::vector<std::string> events_;
    std::string title_;
    WindowState state_ = WindowState::Normal;
    Placement normal_;
    bool unloaded_ = false;
    int presents_ = 0;
    static inline const Image kNoFrame{};
    const Image* frame_ = nullptr;
    std::map<std::string, int> wave_lengths_;
    PictureCache pictures_;
};

}  // namespace quorrel
