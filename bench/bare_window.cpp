// The floor the game's start-up is measured against: a plain SDL2 program with the software
// renderer that opens a window of the game's first-run size, draws one line of text with
// SDL2_ttf and then waits for events, presenting again only when the window is uncovered.
//   bare_window FONT_FILE
// With QUORREL_FRAME_LOG set it prints "frame SECONDS" (CLOCK_MONOTONIC) to stderr after every
// present, as the game does.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void LogFrame() {
    static const bool wanted = std::getenv("QUORREL_FRAME_LOG") != nullptr;
    if (!wanted) return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "frame %lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
}

void Draw(SDL_Renderer* renderer, SDL_Texture* text, int w, int h) {
    SDL_SetRenderDrawColor(renderer, 128, 0, 128, 255);
    SDL_RenderClear(renderer);
    if (text) {
        SDL_Rect to{20, 20, w, h};
        SDL_RenderCopy(renderer, text, nullptr, &to);
    }
    SDL_RenderPresent(renderer);
    LogFrame();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bare_window FONT_FILE\n");
        return 2;
    }
    // Software all the way: no GL context behind the window's framebuffer either.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          800, 600, SDL_WINDOW_RESIZABLE);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    TTF_Font* font = TTF_OpenFont(argv[1], 16);
    if (!renderer || !font) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* line = TTF_RenderUTF8_Blended(font, "The quick brown fox jumps over the lazy dog",
                                               {255, 255, 0, 255});
    SDL_Texture* text = line ? SDL_CreateTextureFromSurface(renderer, line) : nullptr;
    int w = line ? line->w : 0, h = line ? line->h : 0;
    if (line) SDL_FreeSurface(line);
    Draw(renderer, text, w, h);
    SDL_Event event;
    bool running = true;
    while (running && SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT) running = false;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
            Draw(renderer, text, w, h);
    }
    if (text) SDL_DestroyTexture(text);
    TTF_CloseFont(font);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    TTF_Quit();
    SDL_Quit();
    return 0;
}
