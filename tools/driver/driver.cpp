#include "driver.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include "files/program_folder.h"
#include "menus/menus.h"
// The web toolchain's driver reads pictures through its own decoders and has no font engine:
// its screenshots are drawn without text.
#ifdef QUORREL_WEB_PICTURES
#include "platform/web/pictures/picture_files.h"
#else
#include "platform/sdl/media/picture_io.h"
#include "platform/sdl/media/sdl_text.h"
#endif
#include "shell/language.h"
#include "state/convert.h"
#include "state/text_escape.h"
#include "window/display_scale.h"

namespace quorrel {
namespace {

std::string Hex(uint32_t bgr) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&H%X", bgr);
    return buffer;
}

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

const char* KindText(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "Label";
        case Kind::PictureBox:
            return "PictureBox";
        case Kind::CommandButton:
            return "CommandButton";
        case Kind::Line:
            return "Line";
        case Kind::MediaPlayer:
            return "MediaPlayer";
    }
    return "?";
}

std::vector<std::string> Split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool ParseInt(const std::string& text, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return end && *end == '\0';
}

// A key by its keyboard name with optional modifiers ("Tab", "shift+Tab", "ctrl+q"); false
// for a name the keyboard does not have.
bool ParseKey(std::string text, InputEvent& event) {
    static const char* const named[] = {
        "Tab", "Return",    "Space",  "Escape",       "Left", "Right", "Up",  "Down",   "Home",
        "End", "Backspace", "Delete", "Keypad Enter", "F1",   "F2",    "F3",  "F4",     "F5",
        "F6",  "F7",        "F8",     "F9",           "F10",  "F11",   "F12", "PageUp", "PageDown"};
    event = InputEvent{};
    event.type = InputEvent::Type::Key;
    for (bool more = true; more;) {
        more = false;
        for (auto [prefix, bit] : {std::pair<const char*, uint8_t>{"shift+", kKeyShift},
                                   {"ctrl+", kKeyCtrl},
                                   {"alt+", kKeyAlt}}) {
            std::string p = prefix;
            if (text.size() > p.size() && text.compare(0, p.size(), p) == 0) {
                text.erase(0, p.size());
                event.modifiers |= bit;
                more = true;
            }
        }
    }
    if (text.size() == 1 && std::isgraph(static_cast<unsigned char>(text[0]))) {
        // Letter keys are named in capitals, whatever the shift.
        event.key = std::string(1, static_cast<char>(std::toupper(text[0])));
        return true;
    }
    for (const char* name : named) {
        if (text == name) {
            event.key = text;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ParseDriverOptions(int argc, char** argv, DriverOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = "missing value for " + arg;
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--app-folder") {
            if (!value(options.app_folder)) return false;
        } else if (arg == "--data-folder") {
            if (!value(options.data_folder)) return false;
        } else if (arg == "--seed") {
            long long seed;
            if (!value(text) || !ParseInt(text, seed)) return error = "bad --seed", false;
            options.seed = static_cast<uint64_t>(seed);
        } else if (arg == "--screen") {
            int w = 0, h = 0;
            if (!value(text) || std::sscanf(text.c_str(), "%dx%d", &w, &h) != 2 || w <= 0 || h <= 0)
                return error = "bad --screen, expected WxH", false;
            options.screen_width = w;
            options.screen_height = h;
        } else if (arg == "--scale") {
            std::optional<double> scale = value(text) ? ParseScale(text) : std::nullopt;
            if (!scale) return error = "bad --scale, expected a number from 0.5 to 4", false;
            options.display_scale = *scale;
        } else if (arg == "--clock") {
            int hh = 0, mm = 0, ss = 0;
            if (!value(text) || std::sscanf(text.c_str(), "%d:%d:%d", &hh, &mm, &ss) != 3 ||
                hh < 0 || hh > 23 || mm < 0 || mm > 59 || ss < 0 || ss > 59)
                return error = "bad --clock, expected HH:MM:SS", false;
            options.clock_start = hh * 3600.0 + mm * 60.0 + ss;
        } else if (arg == "--level") {
            std::optional<int16_t> level = value(text) ? ParseLevelName(text) : std::nullopt;
            if (!level) return error = "bad --level, expected all, 1 to 5 or grow", false;
            options.level = level;
        } else if (arg == "--lang") {
            if (!value(options.language)) return false;
            if (options.language.empty() || GameLanguage(options.language) != options.language)
                return error = UnknownLanguageMessage(options.language), false;
        } else if (arg == "--pictures-folder") {
            if (!value(options.pictures_folder)) return false;
        } else if (arg == "--date") {
            CivilTime& d = options.date;
            if (!value(text) ||
                std::sscanf(text.c_str(), "%d-%d-%d", &d.year, &d.month, &d.day) != 3 ||
                d.year < 1970 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 ||
                d.day > 31)
                return error = "bad --date, expected YYYY-MM-DD", false;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

Driver::Driver(DriverOptions options) : options_(std::move(options)) {
    if (options_.app_folder.empty()) options_.app_folder = ExecutableFolder();
    if (options_.data_folder.empty()) {
        char pattern[] = "/tmp/quorrel-driver-XXXXXX";
        if (mkdtemp(pattern)) {
            options_.data_folder = pattern;
            own_data_folder_ = true;
        }
    }
    HeadlessOptions headless;
    headless.program_folder = options_.app_folder;
    headless.data_folder = options_.data_folder;
    headless.screen_width = options_.screen_width;
    headless.screen_height = options_.screen_height;
    headless.clock_start = options_.clock_start;
    headless.display_scale = options_.display_scale;
    headless.load_picture = LoadPicture;
    headless.write_png = SavePng;
    headless.date = options_.date;
    headless.pictures_folder = options_.pictures_folder.empty() ? options_.data_folder + "/Pictures"
                                                                : options_.pictures_folder;
    platform_ = std::make_unique<HeadlessPlatform>(std::move(headless));
}

Driver::~Driver() {
    calc_.reset();
    if (own_data_folder_) {
        std::error_code ec;
        std::filesystem::remove_all(options_.data_folder, ec);
    }
}

void Driver::Run(std::istream& in, std::ostream& out) {
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> output;
        std::string error = Execute(line, output);
        for (const std::string& text : output) out << text << '\n';
        out << (error.empty() ? "ok" : "error: " + error) << '\n';
        out.flush();
    }
}

// The largest window side a test may ask for: far past any screen, so that the surface's own
// bound is what a huge window meets.
constexpr long long kMaxWindowSide = 100000;

std::string Driver::Execute(const std::string& line, std::vector<std::string>& output) {
    std::vector<std::string> args = Split(line);
    if (args.empty()) return "empty command";
    const std::string& command = args[0];

    if (command == "start") {
        if (calc_) return "already started";
        calc_ = std::make_unique<Calc>(*platform_, MakeGameHooks, options_.seed);
        calc_->surface.SetLog(&lines_);
        if (options_.level) calc_->levels.GiveChoice(*options_.level);
        calc_->start_language = options_.language;
        calc_->Start();
        return "";
    }
    if (command == "clock") {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.3f",
                      static_cast<double>(platform_->SecondsSinceMidnight()));
        output.push_back(buffer);
        return "";
    }
    if (command == "events") {
        for (std::string& e : platform_->TakeEvents()) output.push_back(std::move(e));
        return "";
    }
    if (command == "lines") {
        for (std::string& l : lines_.lines) output.push_back(std::move(l));
        if (lines_.left_out > 0)
            output.push_back(std::to_string(lines_.left_out) + " more lines left out");
        lines_ = DrawLog{};
        return "";
    }
    static const char* const known[] = {"click",  "dblclick", "clickat",  "queue",   "wait",
                                        "resize", "maximize", "minimize", "restore", "close",
                                        "get",    "state",    "shot",     "key",     "zoom",
                                        "type",   "wheel"};
    bool is_known = false;
    for (const char* k : known) is_known = is_known || command == k;
    if (!is_known) return "unknown command";
    if (!calc_) return "not started";

    if (command == "get") {
        if (args.size() != 2) return "usage: get NAME";
        return Get(args[1], output);
    }
    if (command == "state") {
        if (args.size() != 2) return "usage: state FIELD";
        std::string value;
        if (!DescribeLevelField(calc_->levels, args[1], value) &&
            !DescribeField(calc_->gs, args[1], value))
            return "unknown field";
        output.push_back(args[1] + " " + value);
        return "";
    }
    if (command == "shot") {
        if (args.size() != 2) return "usage: shot FILE";
#ifndef QUORREL_WEB_PICTURES
        // The fonts are opened for the first screenshot: frames that nobody looks at are
        // drawn without text.
        if (!platform_->Text()) platform_->SetText(std::make_shared<SdlTextRasteriser>());
#endif
        calc_->loop.Redraw();
        return SavePng(platform_->LastFrame(), args[1]) ? "" : "cannot write " + args[1];
    }
    if (calc_->loop.Unloaded()) {
        if (command == "close") {
            output.push_back("closed");
            return "";
        }
        return "closed";
    }
    if (command == "click" || command == "dblclick" || command == "clickat")
        return Click(args, false, command == "dblclick");
    if (command == "key") return Key(args, false);
    if (command == "type") return Type(args, false);
    if (command == "wheel") return Wheel(args, false);
    if (command == "zoom") {
        // The keys a player zooms with.
        static const std::pair<const char*, const char*> keys[] = {
            {"in", "ctrl+="}, {"out", "ctrl+-"}, {"reset", "ctrl+0"}, {"fit", "ctrl+F"}};
        for (auto [word, key] : keys)
            if (args.size() == 2 && args[1] == word) return Key({"key", key}, false);
        return "usage: zoom in|out|reset|fit";
    }
    if (command == "queue") {
        if (args.size() < 2) return "usage: queue click|dblclick|clickat ...";
        std::vector<std::string> rest(args.begin() + 1, args.end());
        // A close or a resize that arrives while a handler runs: the window system changes the
        // size at once and reports it later.
        if (rest[0] == "close" && rest.size() == 1) {
            platform_->Queue({InputEvent::Type::Close});
            return "";
        }
        if (rest[0] == "resize") {
            long long w, h;
            if (rest.size() != 3 || !ParseInt(rest[1], w) || !ParseInt(rest[2], h) || w <= 0 ||
                h <= 0 || w > kMaxWindowSide || h > kMaxWindowSide)
                return "usage: queue resize W H";
            platform_->ResizeOuter(static_cast<int>(w), static_cast<int>(h));
            platform_->Queue({InputEvent::Type::Resize});
            return "";
        }
        if (rest[0] == "key") return Key(rest, true);
        if (rest[0] == "type") return Type(rest, true);
        if (rest[0] == "wheel") return Wheel(rest, true);
        if (rest[0] != "click" && rest[0] != "dblclick" && rest[0] != "clickat")
            return "unknown command";
        return Click(rest, true, rest[0] == "dblclick");
    }
    if (command == "wait") {
        long long ms;
        if (args.size() != 2 || !ParseInt(args[1], ms) || ms < 0) return "usage: wait MS";
        Wait(static_cast<uint64_t>(ms));
        return "";
    }
    if (command == "resize") {
        long long w, h;
        if (args.size() != 3 || !ParseInt(args[1], w) || !ParseInt(args[2], h) || w <= 0 ||
            h <= 0 || w > kMaxWindowSide || h > kMaxWindowSide)
            return "usage: resize W H";
        platform_->ResizeOuter(static_cast<int>(w), static_cast<int>(h));
    } else if (command == "maximize") {
        platform_->SetState(WindowState::Maximized);
    } else if (command == "minimize") {
        platform_->SetState(WindowState::Minimized);
    } else if (command == "restore") {
        platform_->SetState(WindowState::Normal);
    } else if (command == "close") {
        calc_->loop.Deliver({InputEvent::Type::Close});
        Settle();
        if (calc_->loop.Unloaded()) output.push_back("closed");
        return "";
    }
    // A change of the window: the resize event comes through the queue.
    platform_->Queue({InputEvent::Type::Resize});
    Settle();
    return "";
}

std::string Driver::Click(const std::vector<std::string>& args, bool queue, bool dbl) {
    InputEvent event;
    event.type = InputEvent::Type::Click;
    if (args[0] == "clickat") {
        long long x, y;
        if (args.size() != 3 || !ParseInt(args[1], x) || !ParseInt(args[2], y))
            return "usage: clickat X Y";
        event.x = static_cast<int>(x);
        event.y = static_cast<int>(y);
    } else {
        if (args.size() != 2) return "usage: click NAME";
        if (args[1] == "Form") {
            event.element = kWindowBackground;
        } else {
            Element* element = calc_->el.FindByText(args[1]);
            if (!element) return "unknown element";
            if (!calc_->el.Shown(*element)) return "not shown";
            event.element = calc_->el.Id(*element);
        }
    }
    platform_->Queue(event);
    if (dbl) {
        event.type = InputEvent::Type::DblClick;
        platform_->Queue(event);
    }
    if (!queue) Settle();
    return "";
}

std::string Driver::Key(const std::vector<std::string>& args, bool queue) {
    // "key NAME repeat": the keyboard's own repeat of a key held down.
    const bool repeat = args.size() == 3 && args[2] == "repeat";
    if (args.size() != 2 && !repeat) return "usage: key NAME";
    InputEvent event;
    if (!ParseKey(args[1], event)) return "unknown key";
    event.repeat = repeat;
    platform_->Queue(event);
    if (!queue) Settle();
    return "";
}

// "type TEXT [repeat]": the text a keyboard layout typed, one character at a time as the window
// system reports it, without the key presses that typed it; "repeat" for a key held down.
std::string Driver::Type(const std::vector<std::string>& args, bool queue) {
    const bool repeat = args.size() == 3 && args[2] == "repeat";
    if (args.size() != 2 && !repeat) return "usage: type TEXT [repeat]";
    InputEvent event;
    event.type = InputEvent::Type::Key;
    event.repeat = repeat;
    const std::string& text = args[1];
    for (size_t at = 0, length; at < text.size(); at += length) {
        length = std::max<size_t>(Utf8SequenceLength(text, at), 1);
        event.text = text.substr(at, length);
        platform_->Queue(event);
    }
    if (!queue) Settle();
    return "";
}

// "wheel N": the mouse wheel turned N notches, towards the user when positive.
std::string Driver::Wheel(const std::vector<std::string>& args, bool queue) {
    long long notches;
    if (args.size() != 2 || !ParseInt(args[1], notches) || notches == 0 || notches < -1000 ||
        notches > 1000)
        return "usage: wheel N";
    InputEvent event;
    event.type = InputEvent::Type::Wheel;
    event.wheel = static_cast<int>(notches);
    platform_->Queue(event);
    if (!queue) Settle();
    return "";
}

void Driver::Settle() {
    // Runs what is queued now, as the window's own loop would before it waits again.
    do {
        calc_->loop.Pump();
    } while (platform_->HasInput() && !calc_->loop.Unloaded());
}

void Driver::Wait(uint64_t ms) {
    uint64_t target = platform_->NowMs() + ms;
    for (;;) {
        calc_->loop.Pump();
        if (calc_->loop.Unloaded()) return;
        if (platform_->HasInput()) continue;
        uint64_t now = platform_->NowMs();
        if (now >= target) return;
        uint64_t next = std::min(calc_->timers.EarliestDue(), target);
        platform_->Advance(next > now ? next - now : 1);
    }
}

std::string Driver::Get(const std::string& name, std::vector<std::string>& output) {
    if (name == "Calc") {
        Placement p = platform_->GetPlacement();
        output.push_back("Calc caption=" + QuoteText(platform_->Title()) +
                         " state=" + std::to_string(static_cast<int>(platform_->State())) +
                         " left=" + Number(p.left) + " top=" + Number(p.top) +
                         " width=" + Number(p.width) + " height=" + Number(p.height) + " back=" +
                         Hex(calc_->el.window_back) + " scale=" + Number(calc_->el.scale));
        return "";
    }
    if (name == "Loop") {
        output.push_back("Loop depth=" + std::to_string(calc_->loop.Depth()) +
                         " depth_max=" + std::to_string(calc_->loop.DepthMax()));
        return "";
    }
    if (name == "Focus") {
        const Elements::KeyFocus& focus = calc_->el.focus;
        output.push_back(
            "Focus name=" +
            (focus.element >= 0 ? calc_->el.FullName(calc_->el.At(focus.element)) : "") +
            " shown=" + (focus.shown ? "true" : "false"));
        return "";
    }
    for (size_t t = 0; t < calc_->timers.Count(); ++t) {
        TimerId id = static_cast<TimerId>(t);
        if (name != calc_->timers.Name(id)) continue;
        const Timer& timer = calc_->timers.Get(id);
        output.push_back(name + " kind=Timer enabled=" + (timer.enabled ? "true" : "false") +
                         " interval=" + std::to_string(timer.interval));
        return "";
    }
    Element* element = calc_->el.FindByText(name);
    if (!element) return "unknown element";
    const Element& e = *element;
    output.push_back(calc_->el.FullName(e) + " kind=" + KindText(e.kind) +
                     " visible=" + (e.visible ? "true" : "false") +
                     " shown=" + (calc_->el.Shown(e) ? "true" : "false") +
                     " caption=" + QuoteText(calc_->el.ShownCaption(e)) + " fore=" + Hex(e.fore) +
                     " back=" + Hex(e.back) + " style=" + (e.opaque ? "opaque" : "transparent") +
                     " left=" + std::to_string(e.left) + " top=" + std::to_string(e.top) +
                     " width=" + std::to_string(e.width) + " height=" + std::to_string(e.height));
    return "";
}

}  // namespace quorrel
