#include "board/hints.h"

#include "board/problem_file.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// Each step is eight characters after the five of the numbers; its first one is never shown.
constexpr size_t kFirstStepAt = 5;
constexpr size_t kStepLength = 8;

}  // namespace

std::string HintStepText(const std::string& problem_text, int step) {
    if (step < 1 || step > 3) return "";
    // The steps stand at fixed character places: counted with the division sign as the one
    // character '/' it was stored as.
    std::string stored = problem_text;
    for (size_t at; (at = stored.find(kDivisionSign)) != std::string::npos;)
        stored.replace(at, sizeof kDivisionSign - 1, "/");
    size_t from = kFirstStepAt + (static_cast<size_t>(step) - 1) * kStepLength + 1;
    if (from >= stored.size()) return "";
    std::string text;
    for (char c : stored.substr(from, kStepLength - 1))
        if (c != ' ') text += c;
    return WithDivisionSigns(text);
}

std::string HintCaption(const std::string& problem_text, int16_t hints_used) {
    if (hints_used == 1) return HintStepText(problem_text, 3);
    std::string caption = HintStepText(problem_text, 1);
    if (hints_used > 2) caption += " then " + HintStepText(problem_text, 2);
    return caption;
}

}  // namespace quorrel
