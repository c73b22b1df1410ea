// The languages the game speaks, each with its catalog's code and its name in itself.
#pragma once

namespace quorrel {

struct LanguageName {
    const char* code;  // the catalog's name: "es", "pt_BR"
    const char* name;  // the language named in itself, as a Language box shows it
};

// English first: the program's own texts, shown when a catalog is missing.
inline constexpr LanguageName kLanguages[] = {
    {"en", "English"},      {"es", "Español"},  {"fr", "Français"},   {"de", "Deutsch"},
    {"pt_BR", "Português"}, {"it", "Italiano"}, {"nl", "Nederlands"}, {"pl", "Polski"},
    {"ru", "Русский"},      {"ar", "العربية"},
};
}  // namespace quorrel
