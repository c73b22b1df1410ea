// Writing a figure's picture files: names that say what the figure is, and files that appear
// whole or not at all.
#pragma once

#include <functional>
#include <string>

#include "window/image.h"
#include "window/platform.h"

namespace quorrel {

using PngWriter = std::function<bool(const Image& image, const std::string& path)>;

// "spiro-order15-angle36-turns3-2026-12-06-153012".
std::string FigureName(int order, int angle, int left_turns, const CivilTime& when);

// Writes text to path through a temporary file in the same folder renamed over it at the end.
// "" on success, else the reason, and no file of either name is left behind.
std::string WriteTextFile(const std::string& path, const std::string& text);

// base + ".png" and base + ".svg" in folder, each through a temporary name. "" on success;
// otherwise the reason, and neither file is left behind.
std::string WriteFigureFiles(const std::string& folder, const std::string& base, const Image& image,
                             const std::string& svg, const PngWriter& write_png);

}  // namespace quorrel
