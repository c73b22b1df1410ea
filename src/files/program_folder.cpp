#include "files/program_folder.h"

#include <sys/stat.h>

#include <filesystem>

namespace quorrel {

std::string ChooseProgramFolder(const std::string& exe_folder,
                                const std::function<bool(const std::string&)>& is_folder) {
    if (exe_folder.empty()) return exe_folder;
    for (const char* data : kDataFolders)
        if (is_folder(exe_folder + "/" + data)) return exe_folder;
    // Cut the last component rather than appending "/..": the folder shown in messages and
    // in the help notice stays readable, and a symlinked bin folder is not followed back.
    size_t slash = exe_folder.rfind('/');
    if (slash == std::string::npos) return exe_folder;
    std::string installed = exe_folder.substr(0, slash) + "/share/quorrel";
    return is_folder(installed) ? installed : exe_folder;
}

std::string MissingDataFolders(const std::string& folder,
                               const std::function<bool(const std::string&)>& is_folder) {
    std::string missing;
    for (const char* data : kDataFolders) {
        if (is_folder(folder + "/" + data)) continue;
        if (!missing.empty()) missing += ' ';
        missing += std::string(data) + "/";
    }
    return missing;
}

std::string ExecutableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec || !exe.has_parent_path() ? "." : exe.parent_path().string();
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace quorrel
