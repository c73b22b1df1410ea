#include "files/message_catalog.h"

#include "files/bounded_file.h"
#include "files/mo_catalog.h"

namespace quorrel {
bool MessageCatalog::Parse(std::string_view bytes, std::string& error) {
    texts_.clear();
    MoCatalog mo;
    if (!mo.Parse(bytes, error)) return false;
    // Looked up by the key the program builds: the context, EOT, then the text. Empty
    // translations stay out, so those texts show as written.
    for (const MoEntry& e : mo.Entries())
        if (!e.translation.empty())
            texts_.emplace(e.context.empty() ? e.original : e.context + '\x04' + e.original,
                           e.translation);
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
