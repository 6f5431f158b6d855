// Cases that need file permissions to bind: run as an ordinary user (run-unprivileged.sh).

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "AutoLimitsTestSupport.h"
#include "FakePlatform.h"
#include "autolimits/DataFile.h"
#include "autolimits/TableFolder.h"

namespace pellory {
namespace {

using namespace testing;

constexpr auto kReadOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec;

class Permissions : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(::geteuid(), 0U) << "permissions do not bind the superuser: run this program "
                                      "through tests/support/run-unprivileged.sh";
        platform.folder = folder.Path();
    }

    TempFolder folder;
    FakePlatform platform;
    DataFile data{platform};
    FakeEditor editor;
};

TEST_F(Permissions, AReadOnlyTableIsShownButNeitherSavedNorReplaced) {
    WriteBytes(folder / "AutoMax.DAT", kR1 + kR2);
    fs::permissions(folder / "AutoMax.DAT", fs::perms::owner_read | fs::perms::group_read);
    ASSERT_EQ(data.OpenFile("AutoMax.DAT"), OpenResult::Opened);
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(editor.boxes[0], "2001");
    editor.boxes = {"2003", "1", "2", "3", "4"};
    EXPECT_FALSE(data.SaveCurrentRecord(editor));
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(MessageTexts(platform), (std::vector<std::string>{
                                          "70 Error in SaveCurrentRecord. Permission denied",
                                          "Delete current record?",
                                          "70 Error in Delete. Permission denied",
                                      }));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR1 + kR2);
}

TEST_F(Permissions, ATableThatMayNotBeReadOrCreatedIsOneMessage) {
    WriteBytes(folder / "AutoMax.DAT", kR1);
    fs::permissions(folder / "AutoMax.DAT", fs::perms::none);
    fs::permissions(folder.Path(), kReadOnlyFolder);
    data.UseFolder(folder.Path());
    const std::string denied = ": Permission denied";
    EXPECT_EQ(data.OpenFile("AutoMax.DAT", TableAccess::Lookup), OpenResult::Failed);
    EXPECT_EQ(data.OpenFile("Electric.DAT"), OpenResult::Failed);
    EXPECT_EQ(MessageTexts(platform),
              (std::vector<std::string>{
                  "Can't open file. " + (folder / "AutoMax.DAT").string() + denied,
                  "Can't open file. " + (folder / "Electric.DAT").string() + denied,
              }));
}

// A read-only program folder's tables move to the user's, which keeps its own.
TEST_F(Permissions, TheTablesMoveToTheUsersDataFolderWhenTheProgramsIsReadOnly) {
    const fs::path program = folder / "program";
    fs::create_directory(program);
    EXPECT_EQ(TableFolder(program, {(folder / "xdg").string(), folder.Path().string()}), program);
    EXPECT_FALSE(fs::exists(folder / "xdg"));

    WriteBytes(program / "AutoMax.DAT", kR1 + kR2);
    WriteBytes(program / "Electric.DAT", kR2);
    fs::permissions(program, kReadOnlyFolder);
    fs::create_directories(folder / "xdg" / "pellory");
    WriteBytes(folder / "xdg" / "pellory" / "Electric.DAT", kR1);
    const struct {
        UserFolders user;
        fs::path expected;
    } cases[] = {
        {{(folder / "xdg").string(), "/nowhere"}, folder / "xdg" / "pellory"},
        {{"relative", folder.Path().string()}, folder / ".local" / "share" / "pellory"},
        {{"", ""}, program},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TableFolder(program, c.user), c.expected);
    }
    for (const fs::path& seeded : {folder / "xdg/pellory", folder / ".local/share/pellory"}) {
        EXPECT_EQ(FolderEntries(seeded), (std::vector<std::string>{"AutoMax.DAT", "Electric.DAT"}));
        EXPECT_EQ(ReadBytes(seeded / "AutoMax.DAT"), kR1 + kR2);
    }
    EXPECT_EQ(ReadBytes(folder / "xdg" / "pellory" / "Electric.DAT"), kR1);
    EXPECT_EQ(fs::status(folder / ".local/share/pellory").permissions(), fs::perms::owner_all);
}

}  // namespace
}  // namespace pellory
