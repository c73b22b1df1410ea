// What the game needs from the machine it runs on, and nothing more. Implemented by the SDL
// front end and by the headless platform of the tests and the driver.
#pragma once

#include <cstdint>
#include <string>

#include "window/element.h"
#include "window/image.h"

namespace quorrel {

class TextRasteriser;

enum class WindowState : int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

// The window's outer placement, in twips.
struct Placement {
    double left = 0, top = 0, width = 0, height = 0;
};

// InputEvent::element for a click on the bare window background.
constexpr int kWindowBackground = -2;

struct InputEvent {
    enum class Type : uint8_t { Click, DblClick, Resize, Close, Key, Wheel };
    Type type = Type::Click;
    // A click aimed at a window pixel (hit-tested when it is handled), or, when element >= 0,
    // at that element directly (the driver's `click NAME`), or at kWindowBackground.
    int x = 0, y = 0;
    int element = -1;
    // A key press: the key's name as the keyboard layer names it ("Tab", "Return", "Q", "3"),
    // the modifiers held (kKeyShift | kKeyCtrl | kKeyAlt), and whether the press is the
    // keyboard's own repeat of a key held down.
    std::string key{};
    uint8_t modifiers = 0;
    bool repeat = false;
    // Or, with key empty, one character of text as the keyboard layout typed it ("+", "/"),
    // repeated when the key that typed it is held down.
    std::string text{};
    // A turn of the mouse wheel, in notches: positive towards the user (further down a text).
    int wheel = 0;
};

// A moment on the local calendar and clock.
struct CivilTime {
    int year = 0, month = 0, day = 0;  // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;
};

constexpr uint8_t kKeyShift = 1;
constexpr uint8_t kKeyCtrl = 2;
constexpr uint8_t kKeyAlt = 4;

class Platform {
  public:
    virtual ~Platform() = default;

    // Time: a monotonic millisecond count for timers, the clock for the game.
    virtual uint64_t NowMs() = 0;
    virtual float SecondsSinceMidnight() = 0;
    virtual void Sleep(int ms) = 0;
    // The date and time of day, for names and records a person reads.
    virtual CivilTime LocalTime() = 0;

    // Input: take one pending event; wait, sleeping, until input arrives or the deadline passes.
    virtual bool PollInput(InputEvent& event) = 0;
    virtual void WaitForInput(uint64_t deadline_ms) = 0;

    // Sound: starts one wave file and returns at once, with the milliseconds until it will have
    // been heard to its end (0 when it cannot be played). The caller waits that long before
    // the next sound.
    virtual int StartWave(const std::string& sound_name, const std::string& path) = 0;
    virtual void Beep() = 0;
    // A help topic came up in the window (the desktop has nothing to do; the tests note it).
    virtual void HelpShown(int /*topic*/) {}

    // The window.
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string Title() = 0;
    virtual WindowState State() = 0;
    virtual void SetState(WindowState state) = 0;
    virtual Placement GetPlacement() = 0;
    // Where the window stands when it is in its normal state (the last one while it is
    // minimised or maximised).
    virtual Placement NormalPlacement() = 0;
    virtual void Move(const Placement& placement) = 0;
    virtual int InnerWidth() = 0;  // pixels
    virtual int InnerHeight() = 0;
    virtual double ScreenWidthTwips() = 0;
    virtual double ScreenHeightTwips() = 0;
    // Twips per pixel follow the scale: 1440 / (96 x DisplayScale() x zoom), the same both
    // ways.
    virtual double TwipsPerPixelX() = 0;
    virtual double TwipsPerPixelY() = 0;
    // The desktop's own scale (1 at 96 dots per inch), as found at start or given by the user.
    virtual double DisplayScale() = 0;
    // A zoom on top of the desktop's scale; the window keeps its size in pixels, so its place
    // and size in twips change with it.
    virtual void SetZoom(double zoom) = 0;
    virtual void Show() = 0;  // shows the window, or brings it to the front
    // Puts a finished frame of the window on the screen (called when the picture changed);
    // back is the window's colour, for whatever the frame does not cover (the window grew
    // before the game laid it out).
    virtual void Present(const Image& frame, uint32_t back) = 0;
    // The window's own pixels to compose the next frame in, at most width x height, when the
    // front end can lend them: no copy of the window is then kept or copied. An empty view
    // when it cannot, and the frame goes to Present.
    virtual PixelView LendFrame(int /*width*/, int /*height*/) { return {}; }
    // Puts the frame composed in the lent pixels on the screen, as Present does.
    virtual void PresentLent(uint32_t /*back*/) {}
    // False where nobody looks at the frames as they come (the headless platform draws one only
    // when a screenshot asks for it), so that they are not composited for nothing.
    virtual bool ShowsFrames() const { return true; }
    // The window is gone; nothing is shown or delivered after this.
    virtual void Unload() = 0;

    // Files: the per-user local application-data folder ("" when there is none) and the
    // program's own folder (see files/program_folder.h), both without a trailing '/'.
    virtual std::string DataFolderBase() = 0;
    // The per-user folder of the game's own preferences ("" when there is none).
    virtual std::string ConfigFolder() = 0;
    virtual std::string ProgramFolder() = 0;
    // The user's pictures folder, without a trailing '/' ("" when there is none).
    virtual std::string PicturesFolder() = 0;
    // Writes the image as a PNG file; false when it could not be written completely.
    virtual bool WritePng(const Image& image, const std::string& path) = 0;
    // A file the game wrote for the user (a saved drawing) is complete at path.
    virtual void FileSaved(const std::string& /*path*/) {}
    // A stored picture at the window's own size, or nullptr when it could not be loaded.
    virtual const Image* GetPicture(Picture picture) = 0;
    // The picture at exactly width x height, made from the art stored nearest that size (see
    // PictureCache::GetSized); nullptr when it is missing or the size is out of bounds.
    virtual const Image* GetPictureSized(Picture picture, int width, int height) = 0;
    // The font engine the frames' text is drawn with; nullptr draws frames without text.
    virtual TextRasteriser* Text() = 0;
    // The fonts that lay text out where the game wraps it itself (the help panel); none gives
    // a generous estimate of the widths.
    virtual TextRasteriser* LayoutText() { return Text(); }
};

// Twips per pixel at a scale: 15 at scale 1 (96 dots per inch).
inline double TwipsPerPixelAt(double scale) { return 1440.0 / (96.0 * scale); }

// Reads the play length of a PCM wave file in milliseconds; 0 when it is missing or malformed.
int WaveLengthMs(const std::string& path);
// The same for a wave or an Ogg Vorbis file.
int SoundLengthMs(const std::string& path);

// Finds a file as written, else by a case-insensitive match of each path component below
// base; returns "" when nothing matches. relative uses '/' between components.
std::string FindFileIgnoringCase(const std::string& base, const std::string& relative);

}  // namespace quorrel
