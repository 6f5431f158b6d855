#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "autolimits/FileSystem.h"
#include "platform/RuntimeError.h"

namespace pellory::fuzz {

// The real files, where chosen calls fail: counting every call of the file system and of its
// open files from 1, the call with a chosen number raises its run-time error before it reaches
// the disk, as a full disk or a lost permission would.
class FaultyFiles : public FileSystem {
  public:
    void FailAt(int call, int error) { faults_[call] = error; }

    std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode) override {
        Tick();
        return std::make_unique<File>(*this, real_.Open(path, mode));
    }
    ScratchFile CreateScratch(const std::filesystem::path& folder, const std::string& prefix,
                              std::filesystem::perms perms) override {
        Tick();
        ScratchFile made = real_.CreateScratch(folder, prefix, perms);
        made.file = std::make_unique<File>(*this, std::move(made.file));
        return made;
    }
    void Remove(const std::filesystem::path& path) override {
        Tick();
        real_.Remove(path);
    }
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        Tick();
        real_.Rename(from, to);
    }
    void SyncFolder(const std::filesystem::path& folder) override {
        Tick();
        real_.SyncFolder(folder);
    }
    std::vector<std::string> List(const std::filesystem::path& folder) override {
        Tick();
        return real_.List(folder);
    }

  private:
    class File : public RecordFile {
      public:
        File(FaultyFiles& files, std::unique_ptr<RecordFile> real)
            : files_(files), real_(std::move(real)) {}
        std::uint64_t Size() override {
            files_.Tick();
            return real_->Size();
        }
        std::size_t Read(std::uint64_t offset, std::span<char> out) override {
            files_.Tick();
            return real_->Read(offset, out);
        }
        void Write(std::uint64_t offset, std::span<const char> bytes) override {
            files_.Tick();
            real_->Write(offset, bytes);
        }
        void Sync() override {
            files_.Tick();
            real_->Sync();
        }
        bool Writable() const override { return real_->Writable(); }
        std::filesystem::perms Permissions() override { return real_->Permissions(); }
        void Close() override {
            files_.Tick();
            real_->Close();
        }

      private:
        FaultyFiles& files_;
        std::unique_ptr<RecordFile> real_;
    };

    void Tick() {
        const auto fault = faults_.find(++calls_);
        if (fault != faults_.end()) {
            Raise(fault->second);
        }
    }

    StdFileSystem real_;
    std::map<int, int> faults_;
    int calls_ = 0;
};

}  // namespace pellory::fuzz
