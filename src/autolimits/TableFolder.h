#pragma once

#include <filesystem>
#include <string>

namespace pellory {

// The user's folders the tables may move to, as the environment gives them.
struct UserFolders {
    std::string xdgDataHome;  // $XDG_DATA_HOME; ignored unless an absolute path
    std::string home;         // $HOME

    static UserFolders FromEnvironment();
};

// Where the automobile limit tables are read and written: the program's folder when the user
// may write in it (a build, a per-user install); otherwise the user's data folder
// ($XDG_DATA_HOME/pellory, by default ~/.local/share/pellory), created when missing and given a
// copy of each table of the program's folder it lacks (a table it holds is never replaced).
std::filesystem::path TableFolder(const std::filesystem::path& programFolder,
                                  const UserFolders& user);

}  // namespace pellory
