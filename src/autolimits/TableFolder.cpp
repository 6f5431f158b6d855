#include "autolimits/TableFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "autolimits/FileSystem.h"
#include "platform/RuntimeError.h"

namespace pellory {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTables[] = {"AutoMax.DAT", "Electric.DAT"};

bool MayWriteIn(const fs::path& folder) {
    std::error_code code;
    return fs::is_directory(folder, code) &&
           ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

fs::path UserDataFolder(const UserFolders& user) {
    if (!user.xdgDataHome.empty() && fs::path(user.xdgDataHome).is_absolute()) {
        return fs::path(user.xdgDataHome) / "pellory";
    }
    if (!user.home.empty()) {
        return fs::path(user.home) / ".local" / "share" / "pellory";
    }
    return {};
}

// Copies `from` to `to` unless `to` exists: the copy is written and synced under a scratch
// name, then linked in place, so that no half-written table ever stands under its name.
void CopyIfMissing(const fs::path& from, const fs::path& to) {
    std::error_code code;
    if (fs::symlink_status(to, code).type() != fs::file_type::not_found) {
        return;
    }
    StdFileSystem files;
    const auto source = files.Open(from, OpenMode::Lookup);
    std::vector<char> bytes(static_cast<std::size_t>(source->Size()));
    bytes.resize(source->Read(0, bytes));
    ScratchFile copy =
        files.CreateScratch(to.parent_path(), "Temp.tmp-" + to.filename().string() + "-",
                            fs::perms::owner_read | fs::perms::owner_write);
    try {
        copy.file->Write(0, bytes);
        copy.file->Sync();
        copy.file->Close();
        // Fails, harmlessly, when another copy of the program put the table there first.
        [[maybe_unused]] const int linked = ::link(copy.path.c_str(), to.c_str());
    } catch (const RuntimeError&) {
        ::unlink(copy.path.c_str());
        throw;
    }
    ::unlink(copy.path.c_str());
}

}  // namespace

UserFolders UserFolders::FromEnvironment() {
    const auto read = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    return {read("XDG_DATA_HOME"), read("HOME")};
}

fs::path TableFolder(const fs::path& programFolder, const UserFolders& user) {
    const fs::path data = UserDataFolder(user);
    if (MayWriteIn(programFolder) || data.empty()) {
        return programFolder;
    }
    std::error_code code;
    fs::create_directories(data.parent_path(), code);
    ::mkdir(data.c_str(), 0700);
    for (const char* table : kTables) {
        try {
            CopyIfMissing(programFolder / table, data / table);
        } catch (const RuntimeError&) {
            // Nothing to copy, or no room for it: the table starts empty when it is opened.
        }
    }
    return data;
}

}  // namespace pellory
