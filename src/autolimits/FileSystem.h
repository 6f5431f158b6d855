#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pellory {

// One open file, addressed by byte offset. Every failure raises a RuntimeError whose number
// names the cause (52 bad file, 53 not found, 55 open elsewhere, 61 disk full, 70 permission
// denied, 75 access, 76 path not found).
class RecordFile {
  public:
    virtual ~RecordFile() = default;

    virtual std::uint64_t Size() = 0;
    // Reads up to out.size() bytes from `offset`; fewer (or none) at the end of the file.
    virtual std::size_t Read(std::uint64_t offset, std::span<char> out) = 0;
    // Writes all the bytes at `offset`, or leaves the file as it was. Writing past the end
    // extends the file; the gap reads as zero bytes.
    virtual void Write(std::uint64_t offset, std::span<const char> bytes) = 0;
    // Puts everything written so far on the disk.
    virtual void Sync() = 0;
    // False for a file that could be opened for reading only.
    virtual bool Writable() const = 0;
    virtual std::filesystem::perms Permissions() = 0;
    // Closes, reporting a failure. Destroying an open file closes it quietly.
    virtual void Close() = 0;
};

enum class OpenMode {
    // Read and write, created empty when missing (read only when it may not be written), and
    // held under an exclusive lock until it is closed: a file locked by another editor
    // raises 55.
    Edit,
    // Read only, never created, never locked: a missing file raises 53.
    Lookup,
};

struct ScratchFile {
    std::unique_ptr<RecordFile> file;
    std::filesystem::path path;
};

// The file operations of the record files, injectable so that tests can make any of them fail.
// A file is never opened or created through a symbolic link: a link raises 75.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode) = 0;
    // A new, empty file in `folder` whose name is `prefix` and a few characters no other entry
    // has, made exclusively, with the permission bits `perms`, opened and locked as Edit opens.
    virtual ScratchFile CreateScratch(const std::filesystem::path& folder,
                                      const std::string& prefix, std::filesystem::perms perms) = 0;
    // Removes a file (a link itself, never its target; never a folder).
    virtual void Remove(const std::filesystem::path& path) = 0;
    // Puts `from` in the place of `to` in one step; an existing `to` is replaced.
    virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Puts the folder's entries (a rename in it) on the disk.
    virtual void SyncFolder(const std::filesystem::path& folder) = 0;
    // The names of the entries of a folder; none when it cannot be read.
    virtual std::vector<std::string> List(const std::filesystem::path& folder) = 0;
};

// The operating system's files.
class StdFileSystem : public FileSystem {
  public:
    std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode) override;
    ScratchFile CreateScratch(const std::filesystem::path& folder, const std::string& prefix,
                              std::filesystem::perms perms) override;
    void Remove(const std::filesystem::path& path) override;
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void SyncFolder(const std::filesystem::path& folder) override;
    std::vector<std::string> List(const std::filesystem::path& folder) override;
};

// The run-time error number of a system error code.
int FileErrorNumber(int errorValue);

}  // namespace pellory
