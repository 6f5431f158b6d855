#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "autolimits/FileSystem.h"
#include "autolimits/RecordEditor.h"
#include "platform/RuntimeError.h"

namespace pellory::testing {

// A fresh, empty folder for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder() {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "pellory-autolimits-";
        name += info != nullptr ? info->name() : "test";
        name += "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One 24-byte record as it stands on disk, from its five fields (each padded to its width).
inline std::string RecordBytes(const std::string& year, const std::string& first,
                               const std::string& second, const std::string& third,
                               const std::string& fourth) {
    const auto pad = [](std::string text, std::size_t width) {
        text.resize(width, ' ');
        return text;
    };
    return pad(year, 4) + pad(first, 5) + pad(second, 5) + pad(third, 5) + pad(fourth, 5);
}

inline std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The editor's boxes and status line, as plain values.
class FakeEditor : public RecordEditor {
  public:
    RecordTexts BoxTexts() const override { return boxes; }
    void ShowBoxTexts(const RecordTexts& texts) override { boxes = texts; }
    void ShowNotice(const std::string& text) override {
        status = text;
        ++notices;
    }

    RecordTexts boxes;
    std::string status;
    int notices = 0;
};

enum class FileOp {
    Open,
    Size,
    Read,
    Write,
    Sync,
    Close,
    Create,
    Remove,
    Rename,
    SyncFolder,
    List
};

// The real files, with any call made to fail on demand: the nth call of one kind on a file
// whose name starts with a given text raises the given run-time error before it reaches the
// disk.
class FaultyFileSystem : public FileSystem {
  public:
    void FailOn(FileOp op, std::string fileName, int nth = 1, int error = err::kDiskFull) {
        faults_.push_back({op, std::move(fileName), nth, error, 0});
    }

    std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode) override {
        Check(FileOp::Open, path);
        return std::make_unique<File>(*this, path, real_.Open(path, mode));
    }
    ScratchFile CreateScratch(const std::filesystem::path& folder, const std::string& prefix,
                              std::filesystem::perms perms) override {
        Check(FileOp::Create, folder / prefix);
        ScratchFile made = real_.CreateScratch(folder, prefix, perms);
        made.file = std::make_unique<File>(*this, made.path, std::move(made.file));
        return made;
    }
    void Remove(const std::filesystem::path& path) override {
        Check(FileOp::Remove, path);
        real_.Remove(path);
    }
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        Check(FileOp::Rename, from);
        real_.Rename(from, to);
    }
    void SyncFolder(const std::filesystem::path& folder) override {
        Check(FileOp::SyncFolder, folder);
        real_.SyncFolder(folder);
    }
    std::vector<std::string> List(const std::filesystem::path& folder) override {
        Check(FileOp::List, folder);
        return real_.List(folder);
    }

    // How often an operation of a kind ran on a file whose name starts with `fileName`.
    int Calls(FileOp op, const std::string& fileName) const {
        return static_cast<int>(std::count_if(log_.begin(), log_.end(), [&](const auto& entry) {
            return entry.first == op && entry.second.starts_with(fileName);
        }));
    }

  private:
    struct Fault {
        FileOp op;
        std::string fileName;  // the start of the file's name in its folder; empty for any file
        int nth;
        int error;
        int seen;
    };

    class File : public RecordFile {
      public:
        File(FaultyFileSystem& owner, std::filesystem::path path, std::unique_ptr<RecordFile> real)
            : owner_(owner), path_(std::move(path)), real_(std::move(real)) {}
        std::uint64_t Size() override {
            owner_.Check(FileOp::Size, path_);
            return real_->Size();
        }
        std::size_t Read(std::uint64_t offset, std::span<char> out) override {
            owner_.Check(FileOp::Read, path_);
            return real_->Read(offset, out);
        }
        void Write(std::uint64_t offset, std::span<const char> bytes) override {
            owner_.Check(FileOp::Write, path_);
            real_->Write(offset, bytes);
        }
        void Sync() override {
            owner_.Check(FileOp::Sync, path_);
            real_->Sync();
        }
        bool Writable() const override { return real_->Writable(); }
        std::filesystem::perms Permissions() override { return real_->Permissions(); }
        void Close() override {
            owner_.Check(FileOp::Close, path_);
            real_->Close();
        }

      private:
        FaultyFileSystem& owner_;
        std::filesystem::path path_;
        std::unique_ptr<RecordFile> real_;
    };

    void Check(FileOp op, const std::filesystem::path& path) {
        const std::string name = path.filename().string();
        log_.emplace_back(op, name);
        for (Fault& fault : faults_) {
            if (fault.op == op && name.starts_with(fault.fileName) && ++fault.seen == fault.nth) {
                throw RuntimeError(fault.error);
            }
        }
    }

    StdFileSystem real_;
    std::vector<Fault> faults_;
    std::vector<std::pair<FileOp, std::string>> log_;
};

}  // namespace pellory::testing
