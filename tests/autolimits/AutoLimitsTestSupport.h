#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "autolimits/DataFile.h"
#include "autolimits/FileSystem.h"
#include "autolimits/RecordEditor.h"
#include "platform/RuntimeError.h"

namespace pellory::testing {

namespace fs = std::filesystem;

// A fresh folder for one test, removed with everything in it afterwards, whatever its
// permissions.
class TempFolder {
  public:
    TempFolder() {
        std::string name = (fs::temp_directory_path() / "pellory-autolimits-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
            if (!entry.is_symlink()) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
            }
        }
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& Path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// One 24-byte record as it stands on disk.
inline std::string RecordBytes(std::string year, std::string first, std::string second,
                               std::string third, std::string fourth) {
    year.resize(4, ' ');
    for (std::string* amount : {&first, &second, &third, &fourth}) {
        amount->resize(5, ' ');
    }
    return year + first + second + third + fourth;
}

inline const std::string kR1 = RecordBytes("2001", "3060", "4900", "2950", "1775");
inline const std::string kR2 = RecordBytes("2002", "3060", "4900", "2950", "1775");
inline const std::string kR3 = RecordBytes("2003", "3080", "4900", "2950", "1775");

// The names in a folder, sorted.
inline std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return {names.begin(), names.end()};
}

// The texts of the message boxes shown, each checked to stand under the application title.
inline std::vector<std::string> MessageTexts(const FakePlatform& platform) {
    std::vector<std::string> texts;
    for (const auto& box : platform.boxes) {
        EXPECT_EQ(box.title, kAppTitle);
        texts.push_back(box.text);
    }
    return texts;
}

class FakeEditor : public RecordEditor {
  public:
    RecordTexts BoxTexts() const override { return boxes; }
    void ShowBoxTexts(const RecordTexts& texts) override { boxes = texts; }
    void ShowNotice(const std::string& text) override { status = text; }

    RecordTexts boxes;
    std::string status;
};

enum class FileOp { Sync, Rename, SyncFolder };

// The real files, where the next call of one kind raises a run-time error before it reaches the
// disk.
class FaultyFileSystem : public StdFileSystem {
  public:
    void FailOn(FileOp op, int error = err::kDiskFull) { fault_ = {op, error}; }
    std::unique_ptr<RecordFile> Open(const fs::path& path, OpenMode mode) override {
        return std::make_unique<File>(*this, StdFileSystem::Open(path, mode));
    }
    void Rename(const fs::path& from, const fs::path& to) override {
        Check(FileOp::Rename);
        StdFileSystem::Rename(from, to);
    }
    void SyncFolder(const fs::path& folder) override {
        Check(FileOp::SyncFolder);
        StdFileSystem::SyncFolder(folder);
    }

  private:
    class File : public RecordFile {
      public:
        File(FaultyFileSystem& owner, std::unique_ptr<RecordFile> real)
            : owner_(owner), real_(std::move(real)) {}
        std::uint64_t Size() override { return real_->Size(); }
        std::size_t Read(std::uint64_t offset, std::span<char> out) override {
            return real_->Read(offset, out);
        }
        void Write(std::uint64_t offset, std::span<const char> bytes) override {
            real_->Write(offset, bytes);
        }
        void Sync() override {
            owner_.Check(FileOp::Sync);
            real_->Sync();
        }
        bool Writable() const override { return real_->Writable(); }
        fs::perms Permissions() override { return real_->Permissions(); }
        void Close() override { real_->Close(); }

      private:
        FaultyFileSystem& owner_;
        std::unique_ptr<RecordFile> real_;
    };

    void Check(FileOp op) {
        if (fault_ && fault_->first == op) {
            const int error = std::exchange(fault_, std::nullopt)->second;
            throw RuntimeError(error);
        }
    }

    std::optional<std::pair<FileOp, int>> fault_;
};

// A table open in an editor, in a folder of its own, showing one of its records.
struct OpenTable {
    explicit OpenTable(const std::string& bytes, int current = 1, int added = 0,
                       const std::string& table = "AutoMax.DAT") {
        platform.folder = folder.Path();
        WriteBytes(folder / table, bytes);
        data.OpenFile(table);
        data.RecordCount += added;  // records added but not saved
        data.CurrentRecord = current;
        data.ShowCurrentRecord(editor);
    }
    std::string Table() const { return ReadBytes(folder / "AutoMax.DAT"); }
    std::vector<std::string> Boxes() const { return MessageTexts(platform); }

    TempFolder folder;
    FakePlatform platform;
    FaultyFileSystem files;
    DataFile data{platform, files};
    FakeEditor editor;
};

}  // namespace pellory::testing
