// The languages the game speaks: which one the environment asks for, the small file that
// remembers a child's choice, and where each language's message catalog lies.
#pragma once

#include <string>
#include <string_view>

#include "state/language_names.h"

namespace quorrel {

inline constexpr const char* kEnglish = "en";
inline constexpr const char* kLanguageFileName = "language";
inline constexpr const char* kCatalogName = "quorrel.mo";

// The code of the game's language for a language or locale name ("fr", "fr_CA.UTF-8",
// "pt-PT", "de_DE@euro"); "" when the game has no such language.
std::string GameLanguage(std::string_view name);

// The language the environment asks for, as desktop programs read it: LC_ALL set to C or
// POSIX means untranslated; otherwise the first language of LANGUAGE's list that the game has,
// then the first of LC_ALL, LC_MESSAGES and LANG that is set. English for anything else.
// getenv is the environment's reader (std::getenv, or a table in tests).
std::string EnvironmentLanguage(const char* (*getenv)(const char*));

// The remembered choice: one code and a newline. "" for a missing or unknown one.
std::string ParseLanguageFile(std::string_view text);
std::string FormatLanguageFile(std::string_view code);

// Where a language's catalog lies: the build folder keeps locale/ beside the game; an install
// keeps share/locale beside share/quorrel, the program folder.
std::string CatalogPath(const std::string& program_folder, std::string_view code, bool installed);

// "unknown language 'xx' (one of en es ...)": the message for a --lang the game lacks.
std::string UnknownLanguageMessage(std::string_view code);

}  // namespace quorrel
