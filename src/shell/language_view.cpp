// The language as the window applies it: the catalog the captions are shown through, chosen at
// load and remembered in the game's preferences folder.
#include <cstdio>
#include <cstdlib>

#include "shell/app_folders.h"
#include "shell/calc.h"
#include "shell/language.h"

namespace quorrel {

void Calc::SetLanguage(const std::string& code) {
    // The voice follows on its own: a language may have its recordings without its texts.
    SetVoiceLanguage(*this, code.empty() ? kEnglish : code);
    SetHelpLanguage(*this, code.empty() ? kEnglish : code);
    el.catalog = &catalog_;
    catalog_.Clear();
    language_ = kEnglish;
    loop.Invalidate();  // no element changed, yet every caption may read differently
    if (code == kEnglish || code.empty()) return;
    std::string folder = platform.ProgramFolder(), error;
    // The build folder's catalogs first, then an install's share/locale.
    if (!catalog_.Load(CatalogPath(folder, code, false), error)) {
        std::string installed_error;
        if (!catalog_.Load(CatalogPath(folder, code, true), installed_error)) {
            if (installed_error.rfind("cannot read", 0) != 0) error = installed_error;
            std::fprintf(stderr, "quorrel: %s; showing English\n", error.c_str());
            return;
        }
    }
    language_ = code;
}

void Calc::LoadLanguage() {
    std::string code = start_language;
    std::string folder = platform.ConfigFolder(), text;
    if (code.empty() && !folder.empty() &&
        ReadSmallTextFile(folder + "/" + kLanguageFileName, text))
        code = ParseLanguageFile(text);
    if (code.empty())
        code =
            EnvironmentLanguage([](const char* name) -> const char* { return std::getenv(name); });
    SetLanguage(code);
}

void Calc::RememberLanguage(const std::string& code) {
    std::string folder = platform.ConfigFolder();
    if (!folder.empty() && MakeFolders(folder, 0700).empty())
        WriteFileAtomically(folder + "/" + kLanguageFileName, FormatLanguageFile(code));
}

}  // namespace quorrel
