// Breaking a caption into the lines a window-system label shows: words wrap at blanks inside
// the box, a CR, LF or CR LF forces a break, and a word wider than the box is split.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorrel {

// measure gives the width in pixels of a UTF-8 text. Blanks count: a line that is not broken
// keeps its leading and trailing blanks; the blanks at a wrap are dropped.
std::vector<std::string> WrapText(const std::string& utf8, int width,
                                  const std::function<int(const std::string&)>& measure);

}  // namespace quorrel
