// The SDL window as the game sees it: title, state, placement in twips, and the frames it is
// handed, put on the screen.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/sdl/sdl_platform.h"

namespace quorrel {
namespace {

// The desktop the window stands on, in pixels; a common screen when SDL cannot tell.
SDL_Rect ScreenSize(SDL_Window* window) {
    int display = window ? std::max(SDL_GetWindowDisplayIndex(window), 0) : 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display, &mode) == 0 && mode.w > 0 && mode.h > 0)
        return {0, 0, mode.w, mode.h};
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) == 0 && bounds.w > 0 && bounds.h > 0) return bounds;
    return {0, 0, 1024, 768};
}

}  // namespace

void SdlPlatform::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SDL_SetWindowTitle(window_, title.c_str());
}

WindowState SdlPlatform::State() {
    if (!window_) return WindowState::Normal;
    Uint32 flags = SDL_GetWindowFlags(window_);
    if (flags & SDL_WINDOW_MINIMIZED) return WindowState::Minimized;
    if (flags & SDL_WINDOW_MAXIMIZED) return WindowState::Maximized;
    return WindowState::Normal;
}

void SdlPlatform::SetState(WindowState state) {
    if (!window_) return;
    RememberNormalPlacement();
    switch (state) {
        case WindowState::Maximized:
            SDL_MaximizeWindow(window_);
            break;
        case WindowState::Minimized:
            SDL_MinimizeWindow(window_);
            break;
        case WindowState::Normal:
            SDL_RestoreWindow(window_);
            break;
    }
}

SdlPlatform::Borders SdlPlatform::FrameBorders() {
    Borders b;
    // Before the window manager has framed the window (or without one) there is no frame.
    if (!window_ || SDL_GetWindowBordersSize(window_, &b.top, &b.left, &b.bottom, &b.right) != 0)
        return {};
    return b;
}

Placement SdlPlatform::GetPlacement() {
    if (!window_) return normal_;
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &w, &h);
    Borders b = FrameBorders();
    const double t = Tpp();
    Placement p{(x - b.left) * t, (y - b.top) * t, (w + b.left + b.right) * t,
                (h + b.top + b.bottom) * t};
    if (State() == WindowState::Normal) normal_ = p;
    return p;
}

void SdlPlatform::RememberNormalPlacement() {
    if (window_ && State() == WindowState::Normal) GetPlacement();
}

Placement SdlPlatform::NormalPlacement() {
    RememberNormalPlacement();
    return normal_;
}

void SdlPlatform::Move(const Placement& placement) {
    if (!window_) return;
    Borders b = FrameBorders();
    const double t = Tpp();
    auto px = [t](double twips) { return static_cast<int>(std::lround(twips / t)); };
    int x = px(placement.left) + b.left, y = px(placement.top) + b.top;
    int w = std::max(px(placement.width) - b.left - b.right, 1);
    int h = std::max(px(placement.height) - b.top - b.bottom, 1);
    // SDL waits a moment for the window manager after each change; skip the ones that change
    // nothing.
    int old_x, old_y, old_w, old_h;
    SDL_GetWindowPosition(window_, &old_x, &old_y);
    SDL_GetWindowSize(window_, &old_w, &old_h);
    if (x != old_x || y != old_y) SDL_SetWindowPosition(window_, x, y);
    if (w != old_w || h != old_h) SDL_SetWindowSize(window_, w, h);
    RememberNormalPlacement();
}

int SdlPlatform::InnerWidth() {
    int w = 0, h = 0;
    if (window_) SDL_GetWindowSize(window_, &w, &h);
    return w;
}

int SdlPlatform::InnerHeight() {
    int w = 0, h = 0;
    if (window_) SDL_GetWindowSize(window_, &w, &h);
    return h;
}

double SdlPlatform::ScreenWidthTwips() { return ScreenSize(window_).w * Tpp(); }

double SdlPlatform::ScreenHeightTwips() { return ScreenSize(window_).h * Tpp(); }

void SdlPlatform::SetZoom(double zoom) {
    if (!(zoom > 0)) return;
    // The window stays as it is in pixels; only its measure in twips changes.
    double ratio = zoom_ / zoom;
    normal_ = {normal_.left * ratio, normal_.top * ratio, normal_.width * ratio,
               normal_.height * ratio};
    zoom_ = zoom;
}

void SdlPlatform::Show() {
    if (!window_) return;
    Uint32 flags = SDL_GetWindowFlags(window_);
    if (!(flags & SDL_WINDOW_SHOWN)) {
        SDL_ShowWindow(window_);
    } else if (!(flags & SDL_WINDOW_INPUT_FOCUS)) {
        SDL_RaiseWindow(window_);
    }
}

namespace {

// The window surface's pixels as rows of 0xAARRGGBB (the usual 24-bit X visual), or an empty
// view when they are laid out otherwise.
PixelView SurfacePixels(SDL_Surface* surface) {
    if (!surface || !surface->pixels || SDL_MUSTLOCK(surface) || surface->pitch % 4 != 0) return {};
    const SDL_PixelFormat* f = surface->format;
    if (f->BytesPerPixel != 4 || f->Rmask != 0xFF0000 || f->Gmask != 0xFF00 || f->Bmask != 0xFF)
        return {};
    return {static_cast<uint32_t*>(surface->pixels), surface->w, surface->h,
            static_cast<size_t>(surface->pitch / 4)};
}

}  // namespace

PixelView SdlPlatform::LendFrame(int width, int height) {
    lent_ = {};
    if (!window_) return {};
    PixelView whole = SurfacePixels(SDL_GetWindowSurface(window_));
    if (whole.Empty()) return {};
    // A new window surface (the first, and one after each resize) is memory nobody wrote yet.
    // It may well sit where the last one did, so its size tells it apart too.
    if (!(whole == mapped_in_)) {
        MapInPixels(whole.data, whole.stride * static_cast<size_t>(whole.height));
        mapped_in_ = whole;
    }
    lent_ = {whole.data, std::min(width, whole.width), std::min(height, whole.height),
             whole.stride};
    return lent_.Empty() ? PixelView{} : lent_;
}

void SdlPlatform::PresentLent(uint32_t back) {
    SDL_Surface* target = window_ ? SDL_GetWindowSurface(window_) : nullptr;
    // A frame is only shown in the pixels it was composed in.
    if (!target || target->pixels != lent_.data) return;
    ShowFrame(target, lent_.width, lent_.height, back);
}

void SdlPlatform::Present(const Image& frame, uint32_t back) {
    if (!window_) return;
    // Used when the window's pixels are laid out otherwise than the frame's: the frame is
    // converted as it is copied into them.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target) return;
    int covered_w = std::min(frame.width, target->w), covered_h = std::min(frame.height, target->h);
    if (frame.Empty()) covered_w = covered_h = 0;
    if (covered_w > 0 && covered_h > 0) {
        SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(frame.pixels.data()), frame.width, frame.height, 32,
            frame.width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (source) {
            SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
            SDL_BlitSurface(source, nullptr, target, nullptr);
            SDL_FreeSurface(source);
        }
    }
    ShowFrame(target, covered_w, covered_h, back);
}

void SdlPlatform::ShowFrame(SDL_Surface* target, int covered_w, int covered_h, uint32_t back) {
    // Whatever the frame does not cover (the window grew before the game laid it out) shows
    // the window's colour.
    Uint32 fill = SDL_MapRGB(target->format, (back >> 16) & 0xFF, (back >> 8) & 0xFF, back & 0xFF);
    SDL_Rect right{covered_w, 0, target->w - covered_w, target->h};
    SDL_Rect below{0, covered_h, covered_w, target->h - covered_h};
    if (right.w > 0) SDL_FillRect(target, &right, fill);
    if (below.h > 0) SDL_FillRect(target, &below, fill);
    if (SDL_UpdateWindowSurface(window_) != 0) return;
    NoteTime("frame");
    // The icon is not part of the first frame: it is read once that frame is on the screen.
    if (!presented_) SetIcon();
    presented_ = true;
}

void SdlPlatform::NoteTime(const char* what) {
    if (!frame_log_) return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "%s %lld.%09ld\n", what, static_cast<long long>(now.tv_sec), now.tv_nsec);
}

void SdlPlatform::Repaint() {
    // The window's surface still holds the last frame, unless a resize replaced it; the frame
    // the resize brings repaints it then.
    if (window_ && presented_ && SDL_UpdateWindowSurface(window_) == 0) NoteTime("frame");
}

}  // namespace quorrel
