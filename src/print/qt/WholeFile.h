#pragma once

#include <string>
#include <string_view>

namespace pellory {

// Writes `bytes` to the file at `path` whole or not at all: into a scratch file beside it,
// synced, then renamed over it, so an existing file is only ever replaced by a complete one. A
// path that names a device or a pipe is written in place. Raises "Path/File access error" (75)
// naming the file and the reason when it cannot be written.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace pellory
