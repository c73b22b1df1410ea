// Where the game keeps its settings, and the file operations the settings need. Failures
// are values ("" or false), never reports: the game then runs on its defaults and saves
// nothing.
#pragma once

#include <string>

namespace quorrel {

inline constexpr const char* kMakerFolderName = "Brindlecove Software";
inline constexpr const char* kSettingsFileName = "Quorrel.dat";

// The per-user local data folder from this process's environment and password entry, without
// a trailing '/'; "" when there is none (see ChooseDataFolderBase).
std::string LocalDataFolderBase();

// The game's own preferences folder: $XDG_CONFIG_HOME/quorrel, else ~/.config/quorrel; "" when
// there is no home.
std::string LocalConfigFolder();

// Makes an absolute folder and every missing parent with mode. "" when it stands, else the
// reason (a relative path, a file in the way, the system's error).
std::string MakeFolders(const std::string& path, unsigned mode);

// base + "/Brindlecove Software", made with mode 0700 (and base with it) when missing. "" when
// base is empty, relative or the file-system root, or when the folder cannot be made or is
// not a folder.
std::string MakeDataFolder(const std::string& base);

// The whole text of a regular file of at most 64 KiB; false when it is missing, is not a
// regular file, cannot be read or is larger.
bool ReadSmallTextFile(const std::string& path, std::string& text);

// Replaces path's contents all at once: the text goes into path + ".new", written under an
// exclusive lock, synced and renamed over path. On any failure that file is removed, the old
// file stays as it was, and false is returned; a writer killed midway leaves only that one
// name behind, which the next write reuses.
bool WriteFileAtomically(const std::string& path, const std::string& text);

// Writes all of text to fd, through interrupted and short writes, and syncs it: 0, or the
// error number of what failed.
int WriteAllAndSync(int fd, const std::string& text);

}  // namespace quorrel
