#include "files/mo_catalog.h"

#include <cstdint>

#include "files/bounded_file.h"

namespace quorrel {
namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr uint32_t kSwappedMagic = 0xde120495;
constexpr char kContextEnd = '\x04';  // between an entry's context and its original text

struct Reader {
    std::string_view bytes;
    bool swapped = false;

    bool Word(size_t at, uint32_t& out) const {
        if (at > bytes.size() || bytes.size() - at < 4) return false;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const uint32_t b = static_cast<unsigned char>(bytes[at + i]);
            v |= b << (swapped ? 8 * (3 - i) : 8 * i);
        }
        out = v;
        return true;
    }
    // The string of table row i (a length and an offset), which must lie inside the file.
    bool String(uint32_t table, uint32_t i, std::string_view& out) const {
        uint32_t length, offset;
        const size_t row = static_cast<size_t>(table) + static_cast<size_t>(i) * 8;
        if (!Word(row, length) || !Word(row + 4, offset)) return false;
        if (offset > bytes.size() || bytes.size() - offset < length) return false;
        out = bytes.substr(offset, length);
        return true;
    }
};

}  // namespace

bool MoCatalog::Read(const std::string& path, std::string& error) {
    entries_.clear();
    std::string bytes;
    if (!ReadFileBounded(path, kMaxBytes + 1, bytes)) {
        error = path + ": cannot be read";
        return false;
    }
    if (bytes.size() > kMaxBytes) {
        error = path + ": too large for a catalog";
        return false;
    }
    if (!Parse(bytes, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool MoCatalog::Parse(std::string_view bytes, std::string& error) {
    entries_.clear();
    Reader r{bytes};
    uint32_t magic = 0, count = 0, originals = 0, translations = 0;
    if (!r.Word(0, magic) || (magic != kMagic && magic != kSwappedMagic)) {
        error = "not a message catalog";
        return false;
    }
    r.swapped = magic == kSwappedMagic;
    if (!r.Word(8, count) || !r.Word(12, originals) || !r.Word(16, translations) ||
        count > bytes.size() / 16) {
        error = "damaged catalog header";
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        std::string_view original, translation;
        if (!r.String(originals, i, original) || !r.String(translations, i, translation)) {
            entries_.clear();
            error = "damaged catalog entry " + std::to_string(i);
            return false;
        }
        if (original.empty()) continue;  // the header
        MoEntry entry;
        const size_t end = original.find(kContextEnd);
        if (end != std::string_view::npos) {
            entry.context = original.substr(0, end);
            original.remove_prefix(end + 1);
        }
        // A plural keeps its forms apart with NULs; the first of each is the one shown.
        entry.original = original.substr(0, original.find('\0'));
        entry.translation = translation.substr(0, translation.find('\0'));
        entries_.push_back(std::move(entry));
    }
    return true;
}

const std::string* MoCatalog::Find(std::string_view context, std::string_view original) const {
    for (const MoEntry& e : entries_)
        if (e.context == context && e.original == original) return &e.translation;
    return nullptr;
}

}  // namespace quorrel
