#include "files/pictures_folder.h"

#include <cstdlib>

#include "files/bounded_file.h"

namespace quorrel {
namespace {

std::string Trimmed(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The quoted value after KEY=, unescaped; false when the line is not of that form.
bool QuotedValue(std::string_view line, std::string_view key, std::string& value) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return false;
    line.remove_prefix(start);
    if (line.substr(0, key.size()) != key) return false;
    line.remove_prefix(key.size());
    if (line.substr(0, 2) != "=\"") return false;
    value.clear();
    for (size_t i = 2; i < line.size(); ++i) {
        if (line[i] == '"') return true;
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        value += line[i];
    }
    return false;  // no closing quote
}

}  // namespace

std::string PicturesFolderFrom(std::string_view user_dirs, const std::string& home) {
    if (home.empty() || home[0] != '/') return "";
    std::string found;
    while (!user_dirs.empty()) {
        size_t end = user_dirs.find('\n');
        std::string_view line = user_dirs.substr(0, end);
        user_dirs.remove_prefix(end == std::string_view::npos ? user_dirs.size() : end + 1);
        std::string value;
        if (!QuotedValue(line, "XDG_PICTURES_DIR", value)) continue;
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
            found = Trimmed(home) + value.substr(5);
        else if (!value.empty() && value[0] == '/')
            found = value;
    }
    return Trimmed(found.empty() ? Trimmed(home) + "/Pictures" : found);
}

std::string UserPicturesFolder() {
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string home_text = home ? home : "";
    std::string folder = config && config[0] == '/' ? config : home_text + "/.config";
    // A file of a few hundred bytes; what lies past 64 KiB is not read.
    std::string text;
    ReadFileBounded(folder + "/user-dirs.dirs", 64 * 1024, text);  // none: the default
    return PicturesFolderFrom(text, home_text);
}

}  // namespace quorrel
