// The reward book exported for printing: every recorded figure drawn again, without a window,
// as an SVG and a PNG, and an index page showing them as a grid with their dates.
#pragma once

#include <cstddef>
#include <string>

#include "spiro/figure_files.h"

namespace quorrel {

// Only the newest figures are exported, so that a book of any length exports in bounded time
// and space.
inline constexpr size_t kMaxExportedRewards = 1000;

struct ExportResult {
    size_t exported = 0;  // figures written
    size_t recorded = 0;  // valid entries in the book
    std::string error;    // "" when every file was written
};

ExportResult ExportRewards(const std::string& book_path, const std::string& folder,
                           const PngWriter& write_png);

}  // namespace quorrel
