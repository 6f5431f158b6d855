#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>

#include "AutoLimitsTestSupport.h"
#include "autolimits/FileSystem.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

TEST(StdFileSystem, UpdateCreatesAMissingFileEmptyAndKeepsAnExistingOne) {
    TempFolder folder;
    StdFileSystem files;
    EXPECT_EQ(files.Open(folder / "new.dat", OpenMode::Update)->Size(), 0U);
    EXPECT_TRUE(std::filesystem::exists(folder / "new.dat"));
    WriteBytes(folder / "old.dat", "abc");
    EXPECT_EQ(files.Open(folder / "old.dat", OpenMode::Update)->Size(), 3U);
    EXPECT_EQ(ReadBytes(folder / "old.dat"), "abc");
}

TEST(StdFileSystem, ReplaceStartsEmpty) {
    TempFolder folder;
    WriteBytes(folder / "t.tmp", "junk");
    StdFileSystem files;
    EXPECT_EQ(files.Open(folder / "t.tmp", OpenMode::Replace)->Size(), 0U);
}

TEST(StdFileSystem, WritingPastTheEndLeavesZeroBytesBetween) {
    TempFolder folder;
    StdFileSystem files;
    auto file = files.Open(folder / "f", OpenMode::Update);
    const std::string bytes = "xyz";
    file->Write(5, bytes);
    EXPECT_EQ(ReadBytes(folder / "f"), std::string("\0\0\0\0\0xyz", 8));
    char out[6] = {};
    EXPECT_EQ(file->Read(6, out), 2U);
    EXPECT_EQ(file->Read(40, out), 0U);
    file->Close();
}

TEST(StdFileSystem, FailuresCarryTheRunTimeErrorOfTheirCause) {
    TempFolder folder;
    StdFileSystem files;
    EXPECT_EQ(ErrorOf([&] { files.Open(folder / "none" / "f", OpenMode::Update); }),
              err::kPathNotFound);
    EXPECT_EQ(ErrorOf([&] { files.Remove(folder / "none"); }), err::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { files.Rename(folder / "none", folder / "f"); }), err::kFileNotFound);
    auto file = files.Open(folder / "f", OpenMode::Update);
    file->Close();
    EXPECT_EQ(ErrorOf([&] { file->Size(); }), err::kBadFileName);
}

TEST(StdFileSystem, AFullDiskIsReportedAsDiskFull) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    StdFileSystem files;
    auto file = files.Open("/dev/full", OpenMode::Update);
    const std::string bytes(24, 'x');
    EXPECT_EQ(ErrorOf([&] { file->Write(0, bytes); }), err::kDiskFull);
}

TEST(StdFileSystem, RenameReplacesTheTargetInOneStep) {
    TempFolder folder;
    WriteBytes(folder / "a", "new");
    WriteBytes(folder / "b", "old");
    StdFileSystem files;
    files.Rename(folder / "a", folder / "b");
    EXPECT_EQ(ReadBytes(folder / "b"), "new");
    EXPECT_FALSE(std::filesystem::exists(folder / "a"));
}

TEST(StdFileSystem, AReadOnlyFileStillReadsButRefusesWrites) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    TempFolder folder;
    WriteBytes(folder / "ro", "abcd");
    std::filesystem::permissions(folder / "ro", std::filesystem::perms::owner_read);
    StdFileSystem files;
    auto file = files.Open(folder / "ro", OpenMode::Update);
    EXPECT_EQ(file->Size(), 4U);
    const std::string bytes = "zz";
    EXPECT_EQ(ErrorOf([&] { file->Write(0, bytes); }), err::kPermissionDenied);
    EXPECT_EQ(ReadBytes(folder / "ro"), "abcd");
}

// Writes a record across a file-size limit of 36 bytes, so that the system takes only part of
// it; exits 0 when the write failed as a full disk and the file kept its 24 bytes.
[[noreturn]] void WriteAcrossTheSizeLimit(const std::filesystem::path& path,
                                          const std::string& before) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{36, 36};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    StdFileSystem files;
    auto file = files.Open(path, OpenMode::Update);
    const std::string record(24, 'b');
    const int error = ErrorOf([&] { file->Write(24, record); });
    const bool kept = ReadBytes(path) == before;
    std::_Exit(error == err::kDiskFull && kept ? 0 : 1);
}

// A write cut short is undone: the file keeps its length and bytes. Runs in a child process,
// which alone carries the size limit.
TEST(StdFileSystemDeathTest, AWriteCutShortLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string before(24, 'a');
    WriteBytes(folder / "f", before);
    EXPECT_EXIT(WriteAcrossTheSizeLimit(folder / "f", before), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadBytes(folder / "f"), before);
}

}  // namespace
}  // namespace pellory
