#pragma once

#include <filesystem>

namespace pellory {

// The folder of the running executable, its links resolved (the folder of `argv0` made absolute
// when the system cannot say): where the program's help file, tables and helpers are.
std::filesystem::path ExecutableFolder(const char* argv0);

}  // namespace pellory
