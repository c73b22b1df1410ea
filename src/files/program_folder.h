// Where the game's own files (Media/, pictures/, help/) live, whether it runs from its build
// folder or from an installed tree.
#pragma once

#include <functional>
#include <string>

namespace quorrel {

// The data folders a program folder is expected to hold.
inline constexpr const char* kDataFolders[] = {"Media", "pictures", "help"};

// The program folder for an executable in exe_folder (no trailing '/'): exe_folder itself
// when it holds any of the data folders (a build folder), else exe_folder/../share/quorrel
// when that is a folder (an installed tree, wherever it was moved), else exe_folder, where
// the game then plays without its data. is_folder answers for a path.
std::string ChooseProgramFolder(const std::string& exe_folder,
                                const std::function<bool(const std::string&)>& is_folder);

// The data folders missing from folder, as "Media/ help/"; "" when all are there.
std::string MissingDataFolders(const std::string& folder,
                               const std::function<bool(const std::string&)>& is_folder);

// The folder of the running executable; "." when it cannot be told.
std::string ExecutableFolder();

// stat-based is_folder for the two functions above.
bool IsFolder(const std::string& path);

}  // namespace quorrel
