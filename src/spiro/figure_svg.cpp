#include "spiro/figure_svg.h"

#include <cstdio>

namespace quorrel {

std::string HtmlColour(uint32_t bgr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", bgr & 0xFF, bgr >> 8 & 0xFF,
                  bgr >> 16 & 0xFF);
    return text;
}

std::string FigureSvg(const std::vector<DrawnLine>& lines, int width, int height,
                      uint32_t back_bgr) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer,
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\">\n"
                  "<rect width=\"%d\" height=\"%d\" fill=\"%s\"/>\n",
                  width, height, width, height, width, height, HtmlColour(back_bgr).c_str());
    std::string svg = buffer;
    svg += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    svg.reserve(svg.size() + lines.size() * 96);
    for (const DrawnLine& l : lines) {
        // A pen of width 0 still draws one pixel, as the surface does.
        std::snprintf(buffer, sizeof buffer,
                      "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" "
                      "stroke-width=\"%d\"/>\n",
                      l.x1, l.y1, l.x2, l.y2, HtmlColour(l.bgr).c_str(), l.width > 0 ? l.width : 1);
        svg += buffer;
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace quorrel
