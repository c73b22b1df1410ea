#include "files/message_catalog.h"

#include <cstdint>
#include <vector>

#include "files/bounded_file.h"

namespace quorrel {
namespace {

constexpr uint32_t kMagic = 0x950412de;

// A 32-bit word of the file in its writer's byte order.
bool Word(std::string_view bytes, size_t at, bool swapped, uint32_t& out) {
    if (at > bytes.size() || bytes.size() - at < 4) return false;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i]))
             << (swapped ? 8 * (3 - i) : 8 * i);
    out = v;
    return true;
}

// The n-th string of a table of (length, offset) pairs; its terminating NUL must be inside.
bool TableString(std::string_view bytes, uint32_t table, uint32_t n, bool swapped,
                 std::string_view& out) {
    uint32_t length = 0, offset = 0;
    size_t at = static_cast<size_t>(table) + static_cast<size_t>(n) * 8;
    if (!Word(bytes, at, swapped, length) || !Word(bytes, at + 4, swapped, offset)) return false;
    if (offset > bytes.size() || bytes.size() - offset <= length) return false;
    if (bytes[static_cast<size_t>(offset) + length] != '\0') return false;
    out = bytes.substr(offset, length);
    return true;
}

}  // namespace

bool MessageCatalog::Parse(std::string_view bytes, std::string& error) {
    texts_.clear();
    uint32_t magic = 0, revision = 0, count = 0, originals = 0, translations = 0;
    if (!Word(bytes, 0, false, magic)) return error = "too short for a message catalog", false;
    bool swapped = magic != kMagic;
    if (swapped && !Word(bytes, 0, true, magic)) return false;
    if (magic != kMagic) return error = "not a message catalog", false;
    Word(bytes, 4, swapped, revision);
    if (revision >> 16 != 0) return error = "unknown catalog revision", false;
    if (!Word(bytes, 8, swapped, count) || !Word(bytes, 12, swapped, originals) ||
        !Word(bytes, 16, swapped, translations))
        return error = "truncated catalog header", false;
    // Each entry takes at least two table pairs, so the count is bounded by the file's size.
    if (count > bytes.size() / 16) return error = "catalog count past the end of the file", false;
    for (uint32_t i = 0; i < count; ++i) {
        std::string_view id, text;
        if (!TableString(bytes, originals, i, swapped, id) ||
            !TableString(bytes, translations, i, swapped, text)) {
            texts_.clear();
            return error = "catalog entry " + std::to_string(i) + " out of bounds", false;
        }
        // Plural entries keep their singular forms; the header and empty texts stay out.
        id = id.substr(0, id.find('\0'));
        text = text.substr(0, text.find('\0'));
        if (!id.empty() && !text.empty()) texts_.emplace(id, text);
    }
    return true;
}

bool MessageCatalog::Load(const std::string& path, std::string& error) {
    std::string bytes;
    texts_.clear();
    if (!ReadFileBounded(path, kMaxBytes + 1, bytes)) return error = "cannot read " + path, false;
    if (bytes.size() > kMaxBytes) return error = path + " is too large", false;
    if (!Parse(bytes, error)) return error = path + ": " + error, false;
    return true;
}

std::string_view MessageCatalog::Find(std::string_view english) const {
    if (texts_.empty()) return english;
    auto it = texts_.find(english);
    return it == texts_.end() ? english : std::string_view(it->second);
}

}  // namespace quorrel
