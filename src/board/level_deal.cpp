#include "board/level_deal.h"

#include <cctype>
#include <cstdlib>

namespace quorrel {

std::optional<int16_t> ParseLevelName(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string word;
    for (char c : text) word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "all") return kLevelAll;
    if (word == "grow") return kLevelGrow;
    if (word.size() == 1 && word[0] >= '1' && word[0] <= '5')
        return static_cast<int16_t>(word[0] - '0');
    return std::nullopt;
}

std::string LevelName(int16_t choice) {
    if (choice >= 1 && choice <= 5) return std::string(1, static_cast<char>('0' + choice));
    return choice == kLevelGrow ? "grow" : "all";
}

std::vector<size_t> PuzzlesAtLevel(const std::vector<PuzzleRating>& ratings, int16_t level) {
    std::vector<size_t> chosen;
    // Distance 0 first, then below and above the level one step further each time.
    for (int distance = 0; distance <= 4 && chosen.empty(); ++distance) {
        for (int16_t wanted :
             {static_cast<int16_t>(level - distance), static_cast<int16_t>(level + distance)}) {
            for (size_t k = 0; k < ratings.size(); ++k)
                if (ratings[k].level == wanted && wanted >= 1) chosen.push_back(k);
            if (!chosen.empty() || distance == 0) break;
        }
    }
    if (chosen.empty())  // nothing solvable: the list as it is
        for (size_t k = 0; k < ratings.size(); ++k) chosen.push_back(k);
    return chosen;
}

}  // namespace quorrel
