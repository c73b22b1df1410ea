// Quoting of game texts for line-based output: UTF-8, C escapes for control characters.
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// "\"a\\rb\"" for the Windows-1252 text a<CR>b; the division sign comes out as UTF-8.
std::string QuoteText(std::string_view text);

}  // namespace quorrel
