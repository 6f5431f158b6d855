#include "platform/ProgramFolder.h"

#include <system_error>

namespace pellory {

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return self.parent_path();
    }
    return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace pellory
