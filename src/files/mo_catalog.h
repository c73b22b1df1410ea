// A compiled message catalog (the .mo files msgfmt writes), read whole and within bounds. It
// serves any text domain of the game: the entries can be looked up by context and original
// text, or walked in order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

struct MoEntry {
    std::string context;  // "" when the entry has none
    std::string original;
    std::string translation;  // of a plural, the first form
};

class MoCatalog {
  public:
    // No catalog file the game ships comes near this; a larger one is refused unread.
    static constexpr size_t kMaxBytes = 4u << 20;

    // Reads the catalog at path. False, with a one-line reason in error and the catalog
    // empty, when the file is missing, too large or not a well-formed catalog.
    bool Read(const std::string& path, std::string& error);
    // The same from bytes already in memory.
    bool Parse(std::string_view bytes, std::string& error);

    // The translation of original in context; nullptr when the catalog has none.
    const std::string* Find(std::string_view context, std::string_view original) const;
    // Every entry but the header, in the catalog's order (sorted by context and original).
    const std::vector<MoEntry>& Entries() const { return entries_; }

  private:
    std::vector<MoEntry> entries_;
};

}  // namespace quorrel
