// The help panel's state: the language, the texts read for it, the topic on show, its lines at
// the panel's width and the first one shown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/help_text.h"

namespace quorrel {

class Calc;

// The panel's words, HelpWord(0..2).
inline constexpr int16_t kHelpBack = 0, kHelpMore = 1, kHelpClose = 2;

struct HelpPanelState {
    std::string language = "en";
    bool loaded = false;  // texts read for language
    HelpTexts texts;
    int topic = 0;
    std::vector<HelpLine> lines;
    int top = 0;   // the first line shown
    int rows = 1;  // how many lines the panel shows at its size
};

// The help's language by its code ("en", "es", "pt_BR", "ar", ...), read at the next opening; an
// open panel shows its topic again at once in the new language.
void SetHelpLanguage(Calc& calc, std::string_view code);

}  // namespace quorrel
