// The game on a real desktop: one SDL window, its mouse and window events, the sound device,
// the clock, and the user's folders.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/media/sdl_text.h"
#include "platform/sdl/sdl_audio.h"
#include "window/display_scale.h"
#include "window/picture_cache.h"
#include "window/platform.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace quorrel {

DisplayScaleChoice DetectDisplayScale(SDL_Window* window);

class SdlPlatform : public Platform {
  public:
    // Opens SDL and a hidden window of the stored inner size; nullptr with a reason when there
    // is no display to open it on.
    static std::unique_ptr<SdlPlatform> Create(std::string& error);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // The per-user data folder's base, chosen by the caller (the settings' own rule).
    void SetDataFolderBase(const std::string& base) { data_folder_base_ = base; }
    void SetConfigFolder(const std::string& folder) { config_folder_ = folder; }
    // The desktop's scale given by the user, in place of the one found at start.
    void SetDisplayScale(double scale) { display_scale_ = {scale, "--scale"}; }
    const DisplayScaleChoice& DisplayScaleSource() const { return display_scale_; }

    uint64_t NowMs() override;
    float SecondsSinceMidnight() override;
    void Sleep(int ms) override;
    CivilTime LocalTime() override;
    bool PollInput(InputEvent& event) override;
    void WaitForInput(uint64_t deadline_ms) override;
    int StartWave(const std::string& sound_name, const std::string& path) override;
    void Beep() override;
    void SetTitle(const std::string& title) override;
    std::string Title() override { return title_; }
    WindowState State() override;
    void SetState(WindowState state) override;
    Placement GetPlacement() override;
    Placement NormalPlacement() override;
    void Move(const Placement& placement) override;
    int InnerWidth() override;
    int InnerHeight() override;
    double ScreenWidthTwips() override;
    double ScreenHeightTwips() override;
    double TwipsPerPixelX() override { return Tpp(); }
    double TwipsPerPixelY() override { return Tpp(); }
    double DisplayScale() override { return display_scale_.scale; }
    void SetZoom(double zoom) override;
    void Show() override;
    void Present(const Image& frame, uint32_t back) override;
    PixelView LendFrame(int width, int height) override;
    void PresentLent(uint32_t back) override;
    void Unload() override;
    std::string DataFolderBase() override;
    std::string ConfigFolder() override { return config_folder_; }
    std::string ProgramFolder() override;
    std::string PicturesFolder() override;
    bool WritePng(const Image& image, const std::string& path) override;
    const Image* GetPicture(Picture picture) override { return pictures_.Get(picture); }
    const Image* GetPictureSized(Picture picture, int width, int height) override {
        return pictures_.GetSized(picture, width, height);
    }
    TextRasteriser* Text() override { return &text_; }

  private:
    double Tpp() const { return TwipsPerPixelAt(display_scale_.scale * zoom_); }

    SdlPlatform();
    bool Open(std::string& error);
    void Translate(const SDL_Event& event);
    void Queue(InputEvent::Type type, int x = 0, int y = 0);
    void RememberNormalPlacement();
    void Repaint();  // the last frame again, after the window was uncovered
    void ShowFrame(SDL_Surface* target, int covered_w, int covered_h, uint32_t back);
    void SetIcon();
    // With QUORREL_FRAME_LOG set, each frame put on the screen, mouse click and change of the
    // window's size taken from the window system is noted on stderr as "frame SECONDS",
    // "click SECONDS" or "resize SECONDS" (the monotonic clock), for the benchmark in bench/.
    void NoteTime(const char* what);
    struct Borders {
        int top = 0, left = 0, bottom = 0, right = 0;
    };
    Borders FrameBorders();

    SDL_Window* window_ = nullptr;
    bool presented_ = false;  // a frame is in the window's surface
    bool video_ = false;
    bool frame_log_ = false;

    PixelView lent_;       // the window's pixels the frame is being composed in
    PixelView mapped_in_;  // the window's pixels last mapped in
    SdlTextRasteriser text_;
    std::string data_folder_base_;
    std::string config_folder_;
    DisplayScaleChoice display_scale_;
    double zoom_ = 1;
    std::string program_folder_;  // chosen on first use, before the pictures are looked for
    PictureCache pictures_;

    std::deque<InputEvent> pending_;
    bool key_repeat_ = false;  // the last key press was the keyboard's repeat
    std::string title_;
    Placement normal_;
    std::unique_ptr<SdlAudio> audio_;
};

}  // namespace quorrel
