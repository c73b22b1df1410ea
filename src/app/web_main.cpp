// Quorrel in a web browser: the window Calc on the web platform. The page's glue
// (web/page.js) calls these functions on input and when the moment it was asked to wake at
// has come; each runs what is due without blocking and asks for the next wake-up, or for none
// while the game is idle.
#include <emscripten.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "menus/menus.h"
#include "platform/web/web_platform.h"
#include "shell/calc.h"
#include "shell/voice_words.h"

EM_JS(void, JsWakeIn, (double ms), { Module.quorrelWeb.wakeIn(ms); });
EM_JS(void, JsFetchVoice, (const char* code, const char* names),
      { Module.quorrelWeb.fetchVoice(UTF8ToString(code), UTF8ToString(names).split("\n")); });

namespace {

using quorrel::EventLoop;
using quorrel::InputEvent;

struct WebGame {
    quorrel::WebPlatform platform;
    std::unique_ptr<quorrel::Calc> calc;
    std::optional<EventLoop::Pending> pending;  // what the step in progress waits for
    std::set<std::string> voices_asked;         // languages whose recordings were fetched
};

WebGame* game = nullptr;

// The site holds one language's recordings in its first load; another's are fetched the first
// time it is shown, and the voice follows once they are in (quorrel_voice_arrived).
void FetchVoice(WebGame& web) {
    const std::string& language = web.calc->Language();
    if (language == web.calc->voice_language || !quorrel::HasVoice(language) ||
        !web.voices_asked.insert(language).second)
        return;
    std::string names;
    for (const std::string& name : quorrel::VoiceRecordings(language))
        names += (names.empty() ? "" : "\n") + name + quorrel::kVoiceExtension;
    JsFetchVoice(language.c_str(), names.c_str());
}

// Goes on with the step in progress while what it waits for is over, starts the next round of
// events when there is work, then asks to be woken for what comes next.
void Run() {
    if (!game || !game->calc) return;
    EventLoop& loop = game->calc->loop;
    quorrel::WebPlatform& platform = game->platform;
    // Bounded, so that a step that never settles cannot hold the page.
    for (int round = 0; round < 10000; ++round) {
        if (game->pending) {
            const EventLoop::Pending& wait = *game->pending;
            if (!(wait.input && platform.HasInput()) && platform.NowMs() < wait.deadline) break;
            game->pending = loop.Advance();
            continue;
        }
        if (loop.Unloaded()) break;
        if (!platform.HasInput() && loop.NextWake() > platform.NowMs()) break;
        game->pending = loop.Begin(loop.LetEventsRun());
    }
    FetchVoice(*game);
    uint64_t wake = game->pending ? game->pending->deadline : loop.NextWake();
    if (loop.Unloaded() && !game->pending) wake = UINT64_MAX;
    uint64_t now = platform.NowMs();
    JsWakeIn(wake == UINT64_MAX ? -1.0 : static_cast<double>(wake > now ? wake - now : 0));
}

void Queue(const InputEvent& event) {
    if (!game) return;
    game->platform.Queue(event);
    Run();
}

}  // namespace

extern "C" {

// Starts the game in a canvas of width x height device pixels, once the stored files are in;
// seed 0 seeds the random numbers from the clock, any other fixes them (the page's ?seed=N,
// for tests).
EMSCRIPTEN_KEEPALIVE void quorrel_start(int width, int height, double pixel_ratio, double seed) {
    if (game) return;
    game = new WebGame();  // lives as long as the page
    game->platform.SetViewport(width, height, pixel_ratio);
    quorrel::InputEvent ignored;
    game->platform.PollInput(ignored);  // the first size needs no resize event
    game->calc = std::make_unique<quorrel::Calc>(game->platform, quorrel::MakeGameHooks,
                                                 static_cast<uint64_t>(std::max(seed, 0.0)));
    game->pending = game->calc->loop.Begin(game->calc->OnLoad());
    Run();
}

EMSCRIPTEN_KEEPALIVE void quorrel_wake() { Run(); }

EMSCRIPTEN_KEEPALIVE void quorrel_voice_arrived(const char* code) {
    if (game && game->calc && code && game->calc->Language() == code)
        quorrel::SetVoiceLanguage(*game->calc, code);
}

EMSCRIPTEN_KEEPALIVE void quorrel_click(int x, int y, int dbl) {
    InputEvent click;
    click.type = dbl ? InputEvent::Type::DblClick : InputEvent::Type::Click;
    click.x = x;
    click.y = y;
    Queue(click);
}

// A key press by its name as the keyboard layer names keys ("Tab", "Q", "Keypad 3"), or with
// key "" one character of typed text.
EMSCRIPTEN_KEEPALIVE void quorrel_key(const char* key, const char* text, int modifiers,
                                      int repeat) {
    InputEvent press;
    press.type = InputEvent::Type::Key;
    press.key = key ? key : "";
    press.text = press.key.empty() && text ? text : "";
    press.modifiers = static_cast<uint8_t>(modifiers & 7);
    press.repeat = repeat != 0;
    if (press.key.empty() && press.text.empty()) return;
    Queue(press);
}

EMSCRIPTEN_KEEPALIVE void quorrel_resize(int width, int height, double pixel_ratio) {
    if (!game) return;
    const double scale = game->platform.DisplayScale();
    game->platform.SetViewport(width, height, pixel_ratio);
    // The page's scale follows its size (a phone turned upright): the elements are measured
    // again at the zoom chosen, as the zoom itself does, before the resize lays them out.
    if (game->calc && game->platform.DisplayScale() != scale)
        game->calc->el.Rescale(game->platform.DisplayScale() * game->calc->zoom.percent / 100.0);
    Run();
}

// A field of the game's state as the driver's "state FIELD" prints it ("" when unknown): what
// the browser tests read.
EMSCRIPTEN_KEEPALIVE const char* quorrel_describe(const char* field) {
    static std::string value;
    value.clear();
    if (game && game->calc && field) quorrel::DescribeField(game->calc->gs, field, value);
    return value.c_str();
}

}  // extern "C"

int main() { return 0; }  // the page starts the game once its storage is read
