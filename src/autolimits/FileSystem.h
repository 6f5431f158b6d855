#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pellory {

// One open file, addressed by byte offset. Every failure raises a RuntimeError whose number
// names the cause (52 bad file, 53 not found, 61 disk full, 70 permission denied, 75 access).
class RecordFile {
  public:
    virtual ~RecordFile() = default;

    virtual std::uint64_t Size() = 0;
    // Reads up to out.size() bytes from `offset`; fewer (or none) at the end of the file.
    virtual std::size_t Read(std::uint64_t offset, std::span<char> out) = 0;
    // Writes all the bytes at `offset` and flushes them, or leaves the file as it was. Writing
    // past the end extends the file; the gap reads as zero bytes.
    virtual void Write(std::uint64_t offset, std::span<const char> bytes) = 0;
    // Flushes and closes, reporting a failure. Destroying an open file closes it quietly.
    virtual void Close() = 0;
};

enum class OpenMode {
    Update,   // read and write, created empty when missing (read only when it may not be written)
    Replace,  // a new, empty file for writing and reading
};

// The file operations of the record files, injectable so that tests can make any of them fail.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode) = 0;
    virtual bool Exists(const std::filesystem::path& path) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
    // Puts `from` in the place of `to` in one step; an existing `to` is replaced.
    virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // The names of the entries of a folder; none when it cannot be read.
    virtual std::vector<std::string> List(const std::filesystem::path& folder) = 0;
};

// The operating system's files, through std::fstream and std::filesystem.
class StdFileSystem : public FileSystem {
  public:
    std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode) override;
    bool Exists(const std::filesystem::path& path) override;
    void Remove(const std::filesystem::path& path) override;
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::vector<std::string> List(const std::filesystem::path& folder) override;
};

// The run-time error number of a system error code.
int FileErrorNumber(int errorValue);

}  // namespace pellory
