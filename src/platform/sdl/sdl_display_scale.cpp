// The desktop's scale as this X session publishes it (see window/display_scale.h).
// The game's headers come before the X headers, whose macros (None, Bool) would clash with them.
#include "platform/sdl/sdl_platform.h"
// clang-format off
#include <SDL.h>
#include <SDL_syswm.h>
// clang-format on

#include <cstdlib>

namespace quorrel {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The X server's resource database. SDL has already loaded the X library for its window, so it
// is looked up there rather than linked.
std::string XResources(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return "";
    void* library = SDL_LoadObject("libX11.so.6");
    if (!library) return "";
    using ResourceString = char* (*)(Display*);
    auto read =
        reinterpret_cast<ResourceString>(SDL_LoadFunction(library, "XResourceManagerString"));
    std::string text;
    if (read)
        if (const char* resources = read(info.info.x11.display)) text = resources;
    SDL_UnloadObject(library);
    return text;
#else
    (void)window;
    return "";
#endif
}

}  // namespace

DisplayScaleChoice DetectDisplayScale(SDL_Window* window) {
    ScaleSources sources;
    sources.gdk_scale = Env("GDK_SCALE");
    sources.gdk_dpi_scale = Env("GDK_DPI_SCALE");
    sources.qt_scale_factor = Env("QT_SCALE_FACTOR");
    sources.x_resources = XResources(window);
    float ddpi = 0;
    int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
    if (SDL_GetDisplayDPI(display < 0 ? 0 : display, &ddpi, nullptr, nullptr) == 0)
        sources.display_dpi = ddpi;
    return ChooseDisplayScale(sources);
}

}  // namespace quorrel
