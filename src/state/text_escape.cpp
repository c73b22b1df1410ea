#include "state/text_escape.h"

#include <cstdio>

#include "state/convert.h"

namespace quorrel {

std::string QuoteText(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
                    out += buffer;
                } else {
                    out += Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&c), 1));
                }
        }
    }
    return out + "\"";
}

}  // namespace quorrel
