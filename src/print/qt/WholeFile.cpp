#include "print/qt/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/RuntimeError.h"

namespace pellory {

namespace {

[[noreturn]] void CannotWrite(const std::string& path, int error) {
    throw RuntimeError(err::kPathFileAccess,
                       "Cannot write the file " + path + ": " + std::strerror(error));
}

// 0 when every byte went out, else the error.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

void WriteInPlace(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        CannotWrite(path, errno);
    }
    int error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        CannotWrite(path, error);
    }
}

}  // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    // A link is followed: the file it names is the one replaced.
    std::filesystem::path target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        if (const auto resolved = std::filesystem::canonical(target, ec); !ec) {
            target = resolved;
        }
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return WriteInPlace(path, bytes);
    }
    std::string scratch = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0) {
        CannotWrite(path, errno);
    }
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(scratch.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(scratch.c_str());
        CannotWrite(path, error);
    }
}

}  // namespace pellory
