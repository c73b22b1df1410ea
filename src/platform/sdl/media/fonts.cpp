#include "platform/sdl/media/fonts.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorrel {
namespace {

struct StandIn {
    const char* family;
    const char* regular[2];  // known file places, newest package first
    const char* bold[2];
};

const StandIn kLiberation = {
    "Liberation Sans",
    {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
     "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"},
    {"/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
     "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"},
};
const StandIn kDejaVu = {
    "DejaVu Sans",
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/fonts/TTF/DejaVuSans.ttf"},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
     "/usr/share/fonts/TTF/DejaVuSans-Bold.ttf"},
};

// The metric-compatible faces the game's fonts are drawn with.
const StandIn& StandInFor(const std::string& family) {
    if (strcasecmp(family.c_str(), "Verdana") == 0 ||
        strcasecmp(family.c_str(), kDejaVu.family) == 0)
        return kDejaVu;
    return kLiberation;
}

// A configuration of our own rather than fontconfig's global one: it is released at exit, so
// that leak checkers see nothing left behind, and nothing else in the process shares it.
class FontconfigSession {
  public:
    FontconfigSession() : config_(FcInitLoadConfigAndFonts()) {}
    ~FontconfigSession() {
        if (config_) FcConfigDestroy(config_);
    }
    FontconfigSession(const FontconfigSession&) = delete;
    FontconfigSession& operator=(const FontconfigSession&) = delete;
    FcConfig* config() const { return config_; }

  private:
    FcConfig* config_;
};

std::string Fontconfig(const char* family, bool bold) {
    static FontconfigSession session;
    if (!session.config()) return "";
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return "";
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(session.config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(session.config(), pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return "";
    std::string file;
    bool same_family = false;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        same_family = same_family || strcasecmp(reinterpret_cast<const char*>(value), family) == 0;
    if (same_family && FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch)
        file = reinterpret_cast<const char*>(value);
    FcPatternDestroy(match);
    return file;
}

std::string KnownFile(const StandIn& stand_in, bool bold) {
    for (const char* path : bold ? stand_in.bold : stand_in.regular)
        if (access(path, R_OK) == 0) return path;
    return "";
}

}  // namespace

std::string FindFontFile(const std::string& family, bool bold) {
    static std::map<std::pair<std::string, bool>, std::string> found;
    auto key = std::make_pair(family, bold);
    auto it = found.find(key);
    if (it != found.end()) return it->second;
    const StandIn& first = StandInFor(family);
    const StandIn& second = &first == &kLiberation ? kDejaVu : kLiberation;
    // A known place first: where the packages put the files, fontconfig is never started (its
    // configuration, caches and heap cost start-up time and memory). It is asked only for a
    // family whose files lie elsewhere, before the other family is tried.
    std::string file = KnownFile(first, bold);
    if (file.empty()) file = Fontconfig(first.family, bold);
    if (file.empty()) file = KnownFile(second, bold);
    if (file.empty()) file = Fontconfig(second.family, bold);
    found.emplace(key, file);
    return file;
}

int FontPixels(float points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

FontLibrary::FontLibrary() { ttf_ready_ = TTF_Init() == 0; }

FontLibrary::~FontLibrary() {
    for (auto& [key, font] : open_)
        if (font) TTF_CloseFont(font);
    if (ttf_ready_) TTF_Quit();
}

std::string FontLibrary::Key(const Font& font) {
    return font.family + (font.bold ? "/bold/" : "/regular/") +
           std::to_string(FontPixels(font.points));
}

TTF_Font* FontLibrary::Get(const Font& font) {
    if (!ttf_ready_) return nullptr;
    std::string key = Key(font);
    auto it = open_.find(key);
    if (it != open_.end()) return it->second;
    TTF_Font* opened = nullptr;
    std::string file = FindFontFile(font.family, font.bold);
    // SDL_ttf sizes are points at 72 dots per inch, so the pixel size goes in as it is.
    if (!file.empty()) opened = TTF_OpenFont(file.c_str(), FontPixels(font.points));
    if (opened && font.bold) {
        // No bold face installed: embolden the regular one.
        const char* style = TTF_FontFaceStyleName(opened);
        if (!style || !std::strstr(style, "Bold")) TTF_SetFontStyle(opened, TTF_STYLE_BOLD);
    }
    open_.emplace(key, opened);
    return opened;
}

}  // namespace quorrel
