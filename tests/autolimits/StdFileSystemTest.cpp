#include <gtest/gtest.h>
#include <sys/resource.h>

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

TEST(StdFileSystem, EditCreatesAMissingFileEmptyAndKeepsAnExistingOne) {
    TempFolder folder;
    StdFileSystem files;
    EXPECT_EQ(files.Open(folder / "new.dat", OpenMode::Edit)->Size(), 0U);
    EXPECT_TRUE(std::filesystem::exists(folder / "new.dat"));
    WriteBytes(folder / "old.dat", "abc");
    EXPECT_EQ(files.Open(folder / "old.dat", OpenMode::Edit)->Size(), 3U);
    EXPECT_EQ(ReadBytes(folder / "old.dat"), "abc");
}

TEST(StdFileSystem, WritingPastTheEndLeavesZeroBytesBetween) {
    TempFolder folder;
    StdFileSystem files;
    auto file = files.Open(folder / "f", OpenMode::Edit);
    const std::string bytes = "xyz";
    file->Write(5, bytes);
    EXPECT_EQ(ReadBytes(folder / "f"), std::string("\0\0\0\0\0xyz", 8));
    char out[6] = {};
    EXPECT_EQ(file->Read(6, out), 2U);
    EXPECT_EQ(file->Read(40, out), 0U);
    file->Close();
}

// Nothing is ever opened through a link, a folder or a device, nor created by a lookup; each
// refusal names its reason.
TEST(StdFileSystem, FailuresCarryTheRunTimeErrorOfTheirCause) {
    TempFolder folder;
    WriteBytes(folder / "target", "keep");
    std::filesystem::create_symlink(folder / "target", folder / "link");
    std::filesystem::create_symlink(folder / "nowhere", folder / "dangling");
    std::filesystem::create_directory(folder / "dir");
    StdFileSystem files;
    const std::string link = "It is a symbolic link, which is never followed";
    const struct {
        std::filesystem::path path;
        OpenMode mode;
        int number;
        std::string description;
    } cases[] = {
        {folder / "none" / "f", OpenMode::Edit, err::kPathNotFound, "Path not found"},
        {folder / "none", OpenMode::Lookup, err::kFileNotFound, "File not found"},
        {folder / "link", OpenMode::Edit, err::kPathFileAccess, link},
        {folder / "link", OpenMode::Lookup, err::kPathFileAccess, link},
        {folder / "dangling", OpenMode::Edit, err::kPathFileAccess, link},
        {folder / "dir", OpenMode::Edit, err::kPathFileAccess, "It is a folder, not a file"},
        {folder / "dir", OpenMode::Lookup, err::kPathFileAccess, "It is a folder, not a file"},
        {"/dev/null", OpenMode::Lookup, err::kPathFileAccess, "It is not a plain file"},
    };
    for (const auto& c : cases) {
        try {
            files.Open(c.path, c.mode);
            ADD_FAILURE() << c.path << " opened";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.number) << c.path;
            EXPECT_EQ(error.Description(), c.description) << c.path;
        }
    }
    EXPECT_EQ(ReadBytes(folder / "target"), "keep");
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
    EXPECT_FALSE(std::filesystem::exists(folder / "none"));
    EXPECT_EQ(ErrorOf([&] { files.Remove(folder / "none"); }), err::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { files.Rename(folder / "none", folder / "f"); }), err::kFileNotFound);
    auto file = files.Open(folder / "f", OpenMode::Edit);
    file->Close();
    EXPECT_EQ(ErrorOf([&] { file->Size(); }), err::kBadFileName);
}

// One editor at a time: a second one is refused until the first closes; a lookup never waits.
TEST(StdFileSystem, AnEditedFileIsLockedAgainstOtherEditorsOnly) {
    TempFolder folder;
    StdFileSystem files;
    auto first = files.Open(folder / "t", OpenMode::Edit);
    const std::string bytes = "abc";
    first->Write(0, bytes);
    try {
        files.Open(folder / "t", OpenMode::Edit);
        ADD_FAILURE() << "a second editor opened the file";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), err::kFileAlreadyOpen);
        EXPECT_EQ(error.Description(), "It is open elsewhere, in another window or program");
    }
    EXPECT_EQ(files.Open(folder / "t", OpenMode::Lookup)->Size(), 3U);
    first->Close();
    EXPECT_EQ(files.Open(folder / "t", OpenMode::Edit)->Size(), 3U);
}

TEST(StdFileSystem, ScratchFilesAreNewEachTimeWithTheGivenPermissions) {
    TempFolder folder;
    StdFileSystem files;
    const auto perms = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                       std::filesystem::perms::group_read;
    const ScratchFile one = files.CreateScratch(folder.Path(), "Temp.tmp-x-", perms);
    const ScratchFile two = files.CreateScratch(folder.Path(), "Temp.tmp-x-", perms);
    EXPECT_NE(one.path, two.path);
    EXPECT_TRUE(one.path.filename().string().starts_with("Temp.tmp-x-"));
    EXPECT_EQ(one.path.parent_path(), folder.Path());
    EXPECT_EQ(std::filesystem::status(one.path).permissions(), perms);
    EXPECT_EQ(one.file->Size(), 0U);
    EXPECT_THROW(files.Open(one.path, OpenMode::Edit), RuntimeError);  // locked as made
}

// Writes a record across a file-size limit of 36 bytes, so that the system takes only part of
// it; exits 0 when the write failed as a full disk and the file kept its 24 bytes.
[[noreturn]] void WriteAcrossTheSizeLimit(const std::filesystem::path& path,
                                          const std::string& before) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{36, 36};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    StdFileSystem files;
    auto file = files.Open(path, OpenMode::Edit);
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
