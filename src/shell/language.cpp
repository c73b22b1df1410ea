#include "shell/language.h"

#include <cctype>

namespace quorrel {

std::string GameLanguage(std::string_view name) {
    // "fr_CA.UTF-8@euro" -> "fr" and "CA": the language, then the region.
    size_t end = name.find_first_of(".@");
    if (end != std::string_view::npos) name = name.substr(0, end);
    size_t cut = name.find_first_of("_-");
    std::string language(name.substr(0, cut));
    for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // Portuguese of any region reads the Brazilian texts: closer than English for a child.
    if (language == "pt") return "pt_BR";
    if (language == kEnglish) return kEnglish;
    for (const LanguageName& known : kLanguages)
        if (language == known.code) return language;
    return "";
}

std::string EnvironmentLanguage(const char* (*getenv)(const char*)) {
    auto value = [getenv](const char* variable) {
        const char* v = getenv(variable);
        return std::string_view(v ? v : "");
    };
    std::string_view all = value("LC_ALL");
    if (all == "C" || all == "POSIX") return kEnglish;
    std::string_view list = value("LANGUAGE");
    while (!list.empty()) {
        size_t colon = list.find(':');
        std::string found = GameLanguage(list.substr(0, colon));
        if (!found.empty()) return found;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::string_view locale = value(variable);
        if (locale.empty()) continue;
        std::string found = GameLanguage(locale);
        return found.empty() ? kEnglish : found;
    }
    return kEnglish;
}

std::string ParseLanguageFile(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    for (const LanguageName& known : kLanguages)
        if (text == known.code) return known.code;
    return "";
}

std::string FormatLanguageFile(std::string_view code) { return std::string(code) + "\n"; }

std::string CatalogPath(const std::string& program_folder, std::string_view code, bool installed) {
    return program_folder + (installed ? "/../locale/" : "/locale/") + std::string(code) +
           "/LC_MESSAGES/" + kCatalogName;
}

std::string UnknownLanguageMessage(std::string_view code) {
    std::string message = "unknown language '" + std::string(code) + "' (one of";
    for (const LanguageName& known : kLanguages) message += std::string(" ") + known.code;
    return message + ")";
}

}  // namespace quorrel
