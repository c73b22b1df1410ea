// A compiled message catalog (the .mo files msgfmt writes), read whole within a size bound and
// looked up without the C library's locale machinery: a system with no locales installed still
// shows every language. A text the catalog lacks is shown as it is written in the program.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace quorrel {

// Marks a text for the catalogs' extraction where it is stored untranslated and translated
// when shown.
constexpr const char* N_(const char* english) { return english; }

class MessageCatalog {
  public:
    // A game's catalog is a few kilobytes; anything past this is not one of ours.
    static constexpr size_t kMaxBytes = 1 << 20;

    // Reads a .mo file's bytes; on any fault returns false with a one-line reason and leaves
    // the catalog empty.
    bool Parse(std::string_view bytes, std::string& error);
    bool Load(const std::string& path, std::string& error);
    void Clear() { texts_.clear(); }

    // The translation of english, or english itself when the catalog has none (or an empty one).
    std::string_view Find(std::string_view english) const;
    size_t Size() const { return texts_.size(); }
    // Every entry, the header (empty msgid) left out.
    const std::map<std::string, std::string, std::less<>>& Entries() const { return texts_; }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace quorrel
