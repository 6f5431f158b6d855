#include <cerrno>
#include <fstream>
#include <system_error>
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

[[noreturn]] void RaiseErrno(int saved) {
    Raise(saved == 0 ? err::kPathFileAccess : FileErrorNumber(saved));
}

[[noreturn]] void RaiseCode(const std::error_code& code) {
    Raise(code.category() == std::generic_category() || code.category() == std::system_category()
              ? FileErrorNumber(code.value())
              : err::kPathFileAccess);
}

// A file on disk through an unbuffered std::fstream, so that each write goes to the system at
// once and its failure is seen by the call that made it.
class StdRecordFile : public RecordFile {
  public:
    StdRecordFile(fs::path path, OpenMode mode) : path_(std::move(path)) {
        std::error_code code;
        if (!fs::is_directory(path_.parent_path(), code)) {
            Raise(err::kPathNotFound);
        }
        if (mode == OpenMode::Update) {
            OpenForUpdate();
        } else {
            Open(std::ios::in | std::ios::out | std::ios::trunc);
            if (!stream_.is_open()) {
                RaiseErrno(errno);
            }
        }
    }

    ~StdRecordFile() override {
        if (stream_.is_open()) {
            stream_.close();
        }
    }

    StdRecordFile(const StdRecordFile&) = delete;
    StdRecordFile& operator=(const StdRecordFile&) = delete;

    std::uint64_t Size() override {
        RequireOpen();
        stream_.clear();
        errno = 0;
        stream_.seekg(0, std::ios::end);
        const auto end = stream_.tellg();
        if (end < 0) {
            const int saved = errno;
            stream_.clear();
            RaiseErrno(saved);
        }
        return static_cast<std::uint64_t>(end);
    }

    std::size_t Read(std::uint64_t offset, std::span<char> out) override {
        RequireOpen();
        stream_.clear();
        errno = 0;
        stream_.seekg(static_cast<std::streamoff>(offset));
        if (!stream_) {
            const int saved = errno;
            stream_.clear();
            RaiseErrno(saved);
        }
        stream_.read(out.data(), static_cast<std::streamsize>(out.size()));
        const auto got = static_cast<std::size_t>(stream_.gcount());
        if (stream_.bad()) {
            const int saved = errno;
            stream_.clear();
            RaiseErrno(saved);
        }
        stream_.clear();  // a short read at the end of the file is no failure
        return got;
    }

    void Write(std::uint64_t offset, std::span<const char> bytes) override {
        RequireOpen();
        if (readOnly_) {
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
        stream_.clear();
        errno = 0;
        stream_.seekp(static_cast<std::streamoff>(offset));
        if (stream_) {
            stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        if (stream_) {
            stream_.flush();
        }
        if (stream_) {
            return;
        }
        const int saved = errno;
        Restore(offset, oldSize, before);
        RaiseErrno(saved);
    }

    void Close() override {
        RequireOpen();
        errno = 0;
        stream_.close();
        if (stream_.fail()) {
            RaiseErrno(errno);
        }
    }

  private:
    void Open(std::ios::openmode mode) {
        // Unbuffered: set before opening.
        stream_.rdbuf()->pubsetbuf(nullptr, 0);
        errno = 0;
        stream_.open(path_, mode | std::ios::binary);
    }

    void OpenForUpdate() {
        std::error_code code;
        const bool existed = fs::exists(path_, code);
        if (!existed) {
            errno = 0;
            std::ofstream create(path_, std::ios::binary | std::ios::app);
            if (!create.is_open()) {
                RaiseErrno(errno);
            }
        }
        Open(std::ios::in | std::ios::out);
        if (stream_.is_open()) {
            return;
        }
        const int saved = errno;
        if (FileErrorNumber(saved) != err::kPermissionDenied) {
            RaiseErrno(saved);
        }
        // A file that may be read but not written still serves lookups.
        stream_.clear();
        Open(std::ios::in);
        if (!stream_.is_open()) {
            RaiseErrno(errno);
        }
        readOnly_ = true;
    }

    void RequireOpen() const {
        if (!stream_.is_open()) {
            Raise(err::kBadFileName);
        }
    }

    // Puts the file back as it was before a failed write, as far as the system allows.
    void Restore(std::uint64_t offset, std::uint64_t oldSize, const std::vector<char>& before) {
        stream_.clear();
        std::error_code code;
        fs::resize_file(path_, oldSize, code);
        if (!before.empty()) {
            stream_.seekp(static_cast<std::streamoff>(offset));
            stream_.write(before.data(), static_cast<std::streamsize>(before.size()));
            stream_.flush();
        }
        stream_.clear();
    }

    fs::path path_;
    std::fstream stream_;
    bool readOnly_ = false;
};

}  // namespace

std::unique_ptr<RecordFile> StdFileSystem::Open(const fs::path& path, OpenMode mode) {
    return std::make_unique<StdRecordFile>(path, mode);
}

bool StdFileSystem::Exists(const fs::path& path) {
    std::error_code code;
    const bool found = fs::exists(path, code);
    if (code) {
        RaiseCode(code);
    }
    return found;
}

void StdFileSystem::Remove(const fs::path& path) {
    std::error_code code;
    const bool removed = fs::remove(path, code);
    if (code) {
        RaiseCode(code);
    }
    if (!removed) {
        Raise(err::kFileNotFound);
    }
}

void StdFileSystem::Rename(const fs::path& from, const fs::path& to) {
    std::error_code code;
    fs::rename(from, to, code);
    if (code) {
        RaiseCode(code);
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
