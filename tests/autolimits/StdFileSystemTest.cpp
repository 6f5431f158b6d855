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

using namespace testing;

// "number: description" of the run-time error an action raises; "" when it raises none.
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return std::to_string(error.Number()) + ": " + error.Description();
    }
    return "";
}

// Nothing is opened through a link or a device, nor created by a lookup.
TEST(StdFileSystem, FailuresCarryTheRunTimeErrorOfTheirCause) {
    TempFolder folder;
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    StdFileSystem files;
    const struct {
        fs::path path;
        OpenMode mode;
        std::string error;
    } cases[] = {
        {folder / "none" / "f", OpenMode::Edit, "76: Path not found"},
        {folder / "none", OpenMode::Lookup, "53: File not found"},
        {folder / "dangling", OpenMode::Edit, "75: It is a symbolic link, which is never followed"},
        {"/dev/null", OpenMode::Lookup, "75: It is not a plain file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf([&] { files.Open(c.path, c.mode); }), c.error) << c.path;
    }
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
    EXPECT_FALSE(fs::exists(folder / "none"));
    auto file = files.Open(folder / "f", OpenMode::Edit);
    file->Close();
    EXPECT_EQ(ErrorOf([&] { file->Size(); }), "52: Bad file name or number");
}

// Exits 0 when a write across a 36-byte size limit fails as a full disk and keeps the 24 bytes.
[[noreturn]] void WriteAcrossTheSizeLimit(const fs::path& path, const std::string& before) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{36, 36};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    StdFileSystem files;
    auto file = files.Open(path, OpenMode::Edit);
    const std::string error = ErrorOf([&] { file->Write(24, std::string(24, 'b')); });
    std::_Exit(error == "61: Disk full" && ReadBytes(path) == before ? 0 : 1);
}

// A write cut short is undone (in a child process, which alone carries the size limit).
TEST(StdFileSystemDeathTest, AWriteCutShortLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string before(24, 'a');
    WriteBytes(folder / "f", before);
    EXPECT_EXIT(WriteAcrossTheSizeLimit(folder / "f", before), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadBytes(folder / "f"), before);
}

}  // namespace
}  // namespace pellory
