#include "shell/voice_words.h"

#include <algorithm>
#include <cstdlib>

namespace quorrel {
namespace {

// How a language says 0..199. Numbers under whole_below, and those in also_whole, have a
// recording of their own; 21..99 otherwise join the ten and the unit ("thirty" "seven");
// 101..199 are the hundred's recording followed by the rest.
struct NumberRule {
    std::string_view code;
    int whole_below;
    std::span<const int> also_whole;
    std::string_view hundred;  // "100" where the language says the hundred alone the same way
};

// Italian drops cento's last vowel before "otto" and "ottanta": "centotto", "centottantuno".
constexpr int kItalianElided[] = {108, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189};

constexpr NumberRule kRules[] = {
    {"en", 21, {}, "100"},
    // "veintiuno", "treinta y uno"; "cien" alone but "ciento" before the rest.
    {"es", 100, {}, "Hundred"},
    // "vingt et un", "soixante et onze", "quatre-vingt-dix-sept"; "cent un".
    {"fr", 100, {}, "100"},
    // Units before tens, "sechsunddreißig"; "einhundert" "eins".
    {"de", 100, {}, "100"},
    // "vinte e um"; "cem" alone but "cento e" before the rest.
    {"pt_BR", 100, {}, "Hundred"},
    // "ventuno", "ventotto"; "cento" "tre".
    {"it", 100, kItalianElided, "100"},
    // Units before tens, "zesenddertig"; "honderd" "een".
    {"nl", 100, {}, "100"},
    // Ten and unit side by side, as in English: "trzydzieści" "siedem", "sto" "dwanaście".
    {"pl", 21, {}, "100"},
    {"ru", 21, {}, "100"},
    // Units before tens joined by "wa"; "mi'a" alone but "mi'a wa" before the rest.
    {"ar", 100, {}, "Hundred"},
};

constexpr std::string_view kWords[] = {"equals", "Plus",  "Minus", "Times", "Divide",
                                       "Good0",  "Good1", "Good2", "Good3", "Good4",
                                       "Bad0",   "Bad1",  "Bad2",  "Bad3",  "Bad4"};
// Move results a move names with a recording of their own.
constexpr int kOwnRecordings[] = {24, 36, 42, 48};
constexpr std::string_view kShared[] = {"Click1", "Click2", "Aah"};
constexpr int kMaxSpoken = 199;

const NumberRule* RuleFor(std::string_view code) {
    for (const NumberRule& rule : kRules)
        if (rule.code == code) return &rule;
    return nullptr;
}

bool Whole(const NumberRule& rule, int n) {
    return n < rule.whole_below || n == 100 ||
           std::find(rule.also_whole.begin(), rule.also_whole.end(), n) != rule.also_whole.end();
}

}  // namespace

std::span<const std::string_view> VoiceLanguages() {
    static constexpr std::string_view kCodes[] = {"en", "es", "fr", "de", "pt_BR",
                                                  "it", "nl", "pl", "ru", "ar"};
    return kCodes;
}

bool HasVoice(std::string_view code) { return RuleFor(code) != nullptr; }

bool SharedRecording(std::string_view name) {
    return std::find(std::begin(kShared), std::end(kShared), name) != std::end(kShared);
}

SpokenNumber SpeakNumber(std::string_view code, int number) {
    SpokenNumber said;
    const NumberRule* rule = RuleFor(code);
    if (!rule || number < -kMaxSpoken || number > kMaxSpoken) return said;
    if (number < 0) said.parts.emplace_back("Minus");
    int left = std::abs(number);
    if (!Whole(*rule, left) && left > 100) {
        said.parts.emplace_back(rule->hundred);
        left -= 100;
    }
    if (!Whole(*rule, left)) {
        said.parts.push_back(std::to_string(left / 10 * 10));
        left %= 10;
        if (left == 0) return said;  // a round ten: rest 0
    }
    said.parts.push_back(std::to_string(left));
    said.rest = static_cast<int16_t>(left);
    return said;
}

std::vector<std::string> VoiceRecordings(std::string_view code) {
    std::vector<std::string> names;
    if (!HasVoice(code)) return names;
    names.assign(std::begin(kWords), std::end(kWords));
    for (int n : kOwnRecordings) names.push_back(std::to_string(n));
    for (int n = 0; n <= kMaxSpoken; ++n)
        for (std::string& part : SpeakNumber(code, n).parts) names.push_back(std::move(part));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace quorrel
