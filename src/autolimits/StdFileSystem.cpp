#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "autolimits/FileSystem.h"
#include "platform/RuntimeError.h"

namespace pellory {

namespace fs = std::filesystem;

int FileErrorNumber(int errorValue) {
    switch (errorValue) {
        case ENOENT:
            return err::kFileNotFound;
        case ENOTDIR:
            return err::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return err::kPermissionDenied;
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return err::kDiskFull;
        case EIO:
            return err::kDeviceIo;
        case EEXIST:
            return err::kFileExists;
        case EBADF:
            return err::kBadFileName;
        default:
            return err::kPathFileAccess;
    }
}

namespace {

const char* const kSymbolicLink = "It is a symbolic link, which is never followed";
const char* const kFolder = "It is a folder, not a file";
const char* const kNotAFile = "It is not a plain file";
const char* const kOpenElsewhere = "It is open elsewhere, in another window or program";

// How often an editor's open is tried again when the file it locked was replaced meanwhile.
constexpr int kOpenAttempts = 8;

[[noreturn]] void RaiseErrno(int saved) {
    Raise(saved == 0 ? err::kPathFileAccess : FileErrorNumber(saved));
}

// The reason a file could not be opened, in words where the number alone would not tell it.
[[noreturn]] void RaiseOpenFailure(int saved) {
    switch (saved) {
        case ELOOP:
            throw RuntimeError(err::kPathFileAccess, kSymbolicLink);
        case EISDIR:
            throw RuntimeError(err::kPathFileAccess, kFolder);
        case EWOULDBLOCK:
            throw RuntimeError(err::kFileAlreadyOpen, kOpenElsewhere);
        default:
            RaiseErrno(saved);
    }
}

// An owned file descriptor.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    Descriptor(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

struct stat StatOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        RaiseErrno(errno);
    }
    return info;
}

void RequirePlainFile(int fd) {
    const auto mode = StatOf(fd).st_mode;
    if (!S_ISREG(mode)) {
        throw RuntimeError(err::kPathFileAccess, S_ISDIR(mode) ? kFolder : kNotAFile);
    }
}

void RequireFolder(const fs::path& folder) {
    std::error_code code;
    if (!fs::is_directory(folder.empty() ? fs::path(".") : folder, code)) {
        Raise(err::kPathNotFound);
    }
}

// A file on disk, read and written with pread and pwrite, so that each write goes to the
// system at once and its failure is seen by the call that made it.
class StdRecordFile : public RecordFile {
  public:
    StdRecordFile(Descriptor fd, bool writable) : fd_(std::move(fd)), writable_(writable) {}

    std::uint64_t Size() override {
        return static_cast<std::uint64_t>(StatOf(RequireOpen()).st_size);
    }

    std::size_t Read(std::uint64_t offset, std::span<char> out) override {
        const int fd = RequireOpen();
        std::size_t got = 0;
        while (got < out.size()) {
            const ssize_t n =
                ::pread(fd, out.data() + got, out.size() - got, static_cast<off_t>(offset + got));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                RaiseErrno(errno);
            }
            if (n == 0) {
                break;  // a short read at the end of the file is no failure
            }
            got += static_cast<std::size_t>(n);
        }
        return got;
    }

    void Write(std::uint64_t offset, std::span<const char> bytes) override {
        const int fd = RequireOpen();
        if (!writable_) {
            Raise(err::kPermissionDenied);
        }
        const std::uint64_t oldSize = Size();
        // What the write covers of the present file, to put back if it fails part-way.
        std::vector<char> before;
        if (offset < oldSize) {
            before.resize(
                static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), oldSize - offset)));
            before.resize(Read(offset, before));
        }
        const int saved = PutAll(fd, offset, bytes);
        if (saved == 0) {
            return;
        }
        // Puts the file back as it was, as far as the system allows.
        [[maybe_unused]] const int ignored = ::ftruncate(fd, static_cast<off_t>(oldSize));
        PutAll(fd, offset, before);
        RaiseErrno(saved);
    }

    void Sync() override {
        if (::fsync(RequireOpen()) != 0) {
            RaiseErrno(errno);
        }
    }

    bool Writable() const override { return writable_; }

    fs::perms Permissions() override {
        return static_cast<fs::perms>(StatOf(RequireOpen()).st_mode & 07777);
    }

    void Close() override {
        RequireOpen();
        if (::close(fd_.Release()) != 0) {
            RaiseErrno(errno);
        }
    }

  private:
    int RequireOpen() const {
        if (fd_.Get() < 0) {
            Raise(err::kBadFileName);
        }
        return fd_.Get();
    }

    // Writes every byte; the system's error code when it could not, else 0.
    static int PutAll(int fd, std::uint64_t offset, std::span<const char> bytes) {
        std::size_t put = 0;
        while (put < bytes.size()) {
            const ssize_t n = ::pwrite(fd, bytes.data() + put, bytes.size() - put,
                                       static_cast<off_t>(offset + put));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return n < 0 && errno != 0 ? errno : EIO;
            }
            put += static_cast<std::size_t>(n);
        }
        return 0;
    }

    Descriptor fd_;
    bool writable_;
};

// Whether the entry at `path` (not following a link) is the file open on `fd`.
bool StillInPlace(int fd, const fs::path& path) {
    struct stat entry {};
    if (::fstatat(AT_FDCWD, path.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        return false;
    }
    const struct stat open = StatOf(fd);
    return entry.st_dev == open.st_dev && entry.st_ino == open.st_ino;
}

void LockForEditing(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            RaiseOpenFailure(errno);
        }
    }
}

constexpr int kNoFollow = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

std::unique_ptr<RecordFile> OpenForEditing(const fs::path& path) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        bool writable = true;
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | kNoFollow, 0666);
        if (fd < 0 && FileErrorNumber(errno) == err::kPermissionDenied) {
            // A table that may be read but not written is still shown.
            const int denied = errno;
            fd = ::open(path.c_str(), O_RDONLY | kNoFollow);
            if (fd < 0) {
                RaiseOpenFailure(errno == ENOENT ? denied : errno);
            }
            writable = false;
        }
        if (fd < 0) {
            RaiseOpenFailure(errno);
        }
        Descriptor owned(fd);
        RequirePlainFile(fd);
        LockForEditing(fd);
        // Another editor may have replaced the table between the open and the lock.
        if (StillInPlace(fd, path)) {
            return std::make_unique<StdRecordFile>(std::move(owned), writable);
        }
    }
    RaiseOpenFailure(EWOULDBLOCK);
}

}  // namespace

std::unique_ptr<RecordFile> StdFileSystem::Open(const fs::path& path, OpenMode mode) {
    RequireFolder(path.parent_path());
    if (mode == OpenMode::Edit) {
        return OpenForEditing(path);
    }
    const int fd = ::open(path.c_str(), O_RDONLY | kNoFollow);
    if (fd < 0) {
        RaiseOpenFailure(errno);
    }
    Descriptor owned(fd);
    RequirePlainFile(fd);
    return std::make_unique<StdRecordFile>(std::move(owned), false);
}

ScratchFile StdFileSystem::CreateScratch(const fs::path& folder, const std::string& prefix,
                                         fs::perms perms) {
    RequireFolder(folder);
    std::string name = (folder / (prefix + "XXXXXX")).string();
    // Created exclusively: an existing entry of the name, a link included, is never used.
    const int fd = ::mkostemp(name.data(), O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        RaiseErrno(errno);
    }
    Descriptor owned(fd);
    if (::fchmod(fd, static_cast<mode_t>(perms & fs::perms::mask)) != 0) {
        const int saved = errno;
        ::unlink(name.c_str());
        RaiseErrno(saved);
    }
    LockForEditing(fd);
    return {std::make_unique<StdRecordFile>(std::move(owned), true), fs::path(name)};
}

void StdFileSystem::Remove(const fs::path& path) {
    if (::unlink(path.c_str()) != 0) {
        RaiseErrno(errno);
    }
}

void StdFileSystem::Rename(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        RaiseErrno(errno);
    }
}

void StdFileSystem::SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        RaiseErrno(errno);
    }
    const Descriptor owned(fd);
    if (::fsync(fd) != 0) {
        RaiseErrno(errno);
    }
}

std::vector<std::string> StdFileSystem::List(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code code;
    for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

}  // namespace pellory
