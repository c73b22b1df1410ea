// The game in a web browser: the canvas the frames are put on, pointer and keyboard input from
// the page, Web Audio, the browser's clock, and the folders of emscripten's file system (the
// game's files preloaded at /app, the player's files in browser storage at /data). Every call
// returns at once: the page's glue (web/page.js) owns the canvas, the sounds and the storage.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/web/web_text.h"
#include "window/picture_cache.h"
#include "window/platform.h"

namespace quorrel {

// The folders of the web edition's file system.
inline constexpr char kWebAppFolder[] = "/app";          // Media, pictures and help, preloaded
inline constexpr char kWebDataFolder[] = "/data";        // kept in the browser's storage
inline constexpr char kWebSavedFolder[] = "/Downloads";  // figures, handed to the browser

class WebPlatform : public Platform {
  public:
    WebPlatform();

    // The page's side: input as the glue reads it, already in canvas pixels.
    void Queue(const InputEvent& event);
    bool HasInput() const { return !pending_.empty(); }
    // The canvas's size in device pixels and the device's pixel ratio; queues a resize.
    void SetViewport(int width, int height, double pixel_ratio);

    uint64_t NowMs() override;
    float SecondsSinceMidnight() override;
    void Sleep(int) override {}  // the page never blocks: steps wait in the loop instead
    CivilTime LocalTime() override;
    bool PollInput(InputEvent& event) override;
    void WaitForInput(uint64_t) override {}
    int StartWave(const std::string& sound_name, const std::string& path) override;
    void Beep() override;
    void SetTitle(const std::string& title) override;
    std::string Title() override { return title_; }
    // The page is the window: it is neither minimised nor maximised, and it cannot be moved.
    WindowState State() override { return WindowState::Normal; }
    void SetState(WindowState) override {}
    Placement GetPlacement() override;
    Placement NormalPlacement() override { return GetPlacement(); }
    void Move(const Placement&) override {}
    int InnerWidth() override { return width_; }
    int InnerHeight() override { return height_; }
    double ScreenWidthTwips() override { return width_ * Tpp(); }
    double ScreenHeightTwips() override { return height_ * Tpp(); }
    double TwipsPerPixelX() override { return Tpp(); }
    double TwipsPerPixelY() override { return Tpp(); }
    double DisplayScale() override { return scale_; }
    void SetZoom(double zoom) override { zoom_ = zoom; }
    void Show() override {}
    void Present(const Image& frame, uint32_t back) override;
    void Unload() override;
    std::string DataFolderBase() override { return kWebDataFolder; }
    std::string ConfigFolder() override { return std::string(kWebDataFolder) + "/config"; }
    std::string ProgramFolder() override { return kWebAppFolder; }
    std::string PicturesFolder() override { return kWebSavedFolder; }
    bool WritePng(const Image& image, const std::string& path) override;
    void FileSaved(const std::string& path) override;
    const Image* GetPicture(Picture picture) override { return pictures_.Get(picture); }
    const Image* GetPictureSized(Picture picture, int width, int height) override {
        return pictures_.GetSized(picture, width, height);
    }
    TextRasteriser* Text() override { return &text_; }

  private:
    double Tpp() const { return TwipsPerPixelAt(scale_ * zoom_); }

    int width_ = 678, height_ = 578;
    double scale_ = 1, zoom_ = 1;
    std::deque<InputEvent> pending_;
    std::string title_;
    PictureCache pictures_;
    CanvasTextRasteriser text_;
};

}  // namespace quorrel
