// Quorrel on the desktop: the window Calc on the SDL platform until it is closed.
#include <cstdio>

#include "menus/menus.h"
#include "shell/calc.h"
#include "window/sdl/sdl_platform.h"

int main() {
    std::string error;
    std::unique_ptr<quorrel::SdlPlatform> platform = quorrel::SdlPlatform::Create(error);
    if (!platform) {
        std::fprintf(stderr, "quorrel: cannot open a window: %s\n", error.c_str());
        return 1;
    }
    {
        quorrel::Calc calc(*platform, quorrel::MakeGameHooks);  // seeded from the clock at load
        calc.Start();
        calc.loop.RunUntilClosed();
    }
    platform.reset();
    return 0;
}
