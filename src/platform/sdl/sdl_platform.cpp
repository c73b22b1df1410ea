#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string_view>

#include "platform/sdl/media/picture_io.h"
#include "screens/pictures.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// The stored window: 678 x 578 pixels inside.
constexpr int kStoredWidth = 678, kStoredHeight = 578;
constexpr const char* kNoDisplay = "no display (is DISPLAY set?)";
// How long the sound device stays open after a sound, for the next one in a row.
constexpr uint64_t kAudioRestMs = 2000;

bool HasEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] != '\0';
}

}  // namespace

SdlPlatform::SdlPlatform() : pictures_(ProgramFolder(), LoadPicture, CalcPictureFiles()) {}

std::unique_ptr<SdlPlatform> SdlPlatform::Create(std::string& error) {
    std::unique_ptr<SdlPlatform> platform(new SdlPlatform());
    if (!platform->Open(error)) return nullptr;
    return platform;
}

bool SdlPlatform::Open(std::string& error) {
    // A click that activates the window is also a click on the game, as on other desktops; a
    // children's game must not keep the screen saver away or turn off the compositor.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint("SDL_APP_NAME", "Quorrel");
    // The frame is finished in software and copied 1:1 into the window's own surface, only
    // when it changed: a plain copy costs less than a GL context, most of all where GL itself
    // runs in software.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // SDL falls back to an invisible off-screen "display" when no real one answers; a window
    // nobody can see is no window, unless that driver was asked for by name.
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    bool asked_by_name = asked && asked[0] != '\0';
    if (!asked_by_name && !HasEnv("DISPLAY") && !HasEnv("WAYLAND_DISPLAY")) {
        error = kNoDisplay;
        return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = kNoDisplay;
        return false;
    }
    video_ = true;
    frame_log_ = std::getenv("QUORREL_FRAME_LOG") != nullptr;
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string name = driver ? driver : "";
    if (!asked_by_name && (name == "offscreen" || name == "dummy")) {
        error = kNoDisplay;
        return false;
    }
    window_ = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kStoredWidth,
                               kStoredHeight, SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!window_) {
        error = SDL_GetError();
        return false;
    }
    // The game reads key presses and the text they type (for symbols, whatever the layout) and
    // the wheel, never key releases, composition or mouse movement; leaving those out of the
    // queue keeps an idle window from waking for them.
    for (Uint32 type : {SDL_MOUSEMOTION, SDL_KEYUP, SDL_TEXTEDITING, SDL_FINGERMOTION})
        SDL_EventState(type, SDL_IGNORE);
    SDL_StartTextInput();
    display_scale_ = DetectDisplayScale(window_);
    audio_ = std::make_unique<SdlAudio>();
    RememberNormalPlacement();
    return true;
}

SdlPlatform::~SdlPlatform() {
    Unload();
    audio_.reset();
    if (video_) SDL_Quit();
}

void SdlPlatform::SetIcon() {
    // Window managers show the icon at many sizes and scale it themselves; the largest art
    // gives them the most to work from.
    const Image* icon = GetPicture(Picture::Icon);
    if (!icon) return;
    icon = GetPictureSized(Picture::Icon, icon->width * PictureCache::kArtScales,
                           icon->height * PictureCache::kArtScales);
    if (!icon || icon->Empty()) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(icon->pixels.data()), icon->width, icon->height, 32, icon->width * 4,
        SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

// --- Input ---------------------------------------------------------------------------------

void SdlPlatform::Queue(InputEvent::Type type, int x, int y) {
    // One resize or close stands for a run of them: the game lays out for the latest size.
    bool repeat = !pending_.empty() && pending_.back().type == type;
    if (repeat && (type == InputEvent::Type::Resize || type == InputEvent::Type::Close)) return;
    InputEvent event;
    event.type = type;
    event.x = x;
    event.y = y;
    pending_.push_back(event);
}

void SdlPlatform::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            Queue(InputEvent::Type::Close);
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button != SDL_BUTTON_LEFT) break;
            Queue(event.button.clicks >= 2 ? InputEvent::Type::DblClick : InputEvent::Type::Click,
                  event.button.x, event.button.y);
            NoteTime("click");
            break;
        case SDL_MOUSEWHEEL: {
            // SDL counts away from the user as positive, and says when the desktop flips it.
            int notches = -event.wheel.y;
            if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
            if (notches == 0) break;
            InputEvent wheel;
            wheel.type = InputEvent::Type::Wheel;
            wheel.wheel = notches;
            pending_.push_back(wheel);
            break;
        }
        case SDL_KEYDOWN: {
            InputEvent key;
            key.type = InputEvent::Type::Key;
            key.key = SDL_GetKeyName(event.key.keysym.sym);
            if (key.key.empty()) break;
            Uint16 mod = event.key.keysym.mod;
            key.modifiers = static_cast<uint8_t>(((mod & KMOD_SHIFT) ? kKeyShift : 0) |
                                                 ((mod & KMOD_CTRL) ? kKeyCtrl : 0) |
                                                 ((mod & KMOD_ALT) ? kKeyAlt : 0));
            key.repeat = event.key.repeat != 0;
            key_repeat_ = key.repeat;
            pending_.push_back(std::move(key));
            break;
        }
        case SDL_TEXTINPUT: {
            // One event per character, repeated with the key press that typed it. Text typed
            // with Ctrl or Alt held is a shortcut's, read from its key press.
            InputEvent text;
            text.type = InputEvent::Type::Key;
            text.repeat = key_repeat_;
            SDL_Keymod mod = SDL_GetModState();
            text.modifiers = static_cast<uint8_t>(((mod & KMOD_CTRL) ? kKeyCtrl : 0) |
                                                  ((mod & KMOD_ALT) ? kKeyAlt : 0));
            std::string_view typed = event.text.text;
            for (size_t at = 0, length; at < typed.size(); at += length) {
                length = std::max<size_t>(Utf8SequenceLength(typed, at), 1);
                text.text = typed.substr(at, length);
                pending_.push_back(text);
            }
            break;
        }
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    Queue(InputEvent::Type::Close);
                    break;
                case SDL_WINDOWEVENT_MOVED:
                    RememberNormalPlacement();
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    NoteTime("resize");
                    Queue(InputEvent::Type::Resize);
                    break;
                case SDL_WINDOWEVENT_RESIZED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                case SDL_WINDOWEVENT_MINIMIZED:
                case SDL_WINDOWEVENT_RESTORED:
                    // The normal placement is taken when the game reads it, not here: X11 may
                    // report a maximised size before the window's state says so.
                    Queue(InputEvent::Type::Resize);
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                    Repaint();
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

bool SdlPlatform::PollInput(InputEvent& event) {
    if (!window_) return false;
    SDL_Event sdl;
    while (window_ && SDL_PollEvent(&sdl)) Translate(sdl);
    if (pending_.empty()) return false;
    event = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlPlatform::WaitForInput(uint64_t deadline_ms) {
    if (!window_ || !pending_.empty()) return;
    uint64_t now = NowMs();
    if (deadline_ms <= now) return;
    if (audio_) audio_->ReleaseIfIdle(kAudioRestMs);
    int timeout = static_cast<int>(std::min<uint64_t>(deadline_ms - now, INT_MAX));
    // Without an event to fill in, SDL only looks: the event stays queued for PollInput.
    SDL_WaitEventTimeout(nullptr, timeout);
}

void SdlPlatform::Unload() {
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    pending_.clear();
}

}  // namespace quorrel
