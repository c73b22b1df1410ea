#include "window/display_scale.h"

#include <cmath>

#include "state/convert.h"

namespace quorrel {
namespace {

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    double value = 0;
    if (!ParseDecimal(text, value)) return std::nullopt;
    return value;
}

std::optional<double> InRange(std::optional<double> scale) {
    if (scale && *scale >= kMinScale && *scale <= kMaxScale) return scale;
    return std::nullopt;
}

// The value of "Xft.dpi:" in the resource database text, one "name:\tvalue" a line.
std::optional<double> XftDpi(std::string_view resources) {
    constexpr std::string_view kName = "Xft.dpi:";
    while (!resources.empty()) {
        size_t end = resources.find('\n');
        std::string_view line = resources.substr(0, end);
        if (line.substr(0, kName.size()) == kName) return ParseNumber(line.substr(kName.size()));
        if (end == std::string_view::npos) break;
        resources.remove_prefix(end + 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> ParseScale(std::string_view text) { return InRange(ParseNumber(text)); }

DisplayScaleChoice ChooseDisplayScale(const ScaleSources& sources) {
    if (!sources.gdk_scale.empty() || !sources.gdk_dpi_scale.empty()) {
        std::optional<double> whole =
            sources.gdk_scale.empty() ? 1.0 : ParseNumber(sources.gdk_scale);
        std::optional<double> text =
            sources.gdk_dpi_scale.empty() ? 1.0 : ParseNumber(sources.gdk_dpi_scale);
        if (whole && text)
            if (std::optional<double> s = InRange(*whole * *text)) return {*s, "GDK_SCALE"};
    }
    if (std::optional<double> s = ParseScale(sources.qt_scale_factor))
        return {*s, "QT_SCALE_FACTOR"};
    if (std::optional<double> dpi = XftDpi(sources.x_resources))
        if (std::optional<double> s = InRange(*dpi / 96)) return {*s, "Xft.dpi"};
    if (sources.display_dpi > 0) {
        double steps = std::floor(sources.display_dpi / 96 + 0.25);
        if (std::optional<double> s = InRange(steps)) return {*s, "display dpi"};
    }
    return {};
}

}  // namespace quorrel
