// Quoting of game texts for line-based output: UTF-8, C escapes for control characters.
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// "\"a\\rb\"" for the text a<CR>b. Well-formed UTF-8 is printed as it is; any other byte of
// 0x80 and above as "\\xNN", like a control character.
std::string QuoteText(std::string_view text);

}  // namespace quorrel
