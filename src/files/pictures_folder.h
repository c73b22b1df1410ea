// The user's pictures folder as the desktop names it in user-dirs.dirs, read without running
// any helper program.
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// XDG_PICTURES_DIR from the text of a user-dirs.dirs file: a quoted value that is "$HOME/..."
// or an absolute path, with backslash escapes; the last valid line wins. Without one, or with
// a value of another form, home + "/Pictures". "" when home is not an absolute path.
std::string PicturesFolderFrom(std::string_view user_dirs, const std::string& home);

// The same from this process's environment: $XDG_CONFIG_HOME/user-dirs.dirs (an absolute
// XDG_CONFIG_HOME, else ~/.config) and $HOME.
std::string UserPicturesFolder();

}  // namespace quorrel
