#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AutoLimitsTestSupport.h"
#include "FakePlatform.h"
#include "autolimits/DataFile.h"

namespace pellory {
namespace {

using testing::FakeEditor;
using testing::FaultyFileSystem;
using testing::FileOp;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::RecordBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kR1 = RecordBytes("2001", "3060", "4900", "2950", "1775");
const std::string kR2 = RecordBytes("2002", "3060", "4900", "2950", "1775");
const std::string kR3 = RecordBytes("2003", "3080", "4900", "2950", "1775");

class DataFileDelete : public ::testing::Test {
  protected:
    DataFileDelete() { platform.folder = folder.Path(); }

    void OpenWith(const std::string& bytes, int current) {
        WriteBytes(folder / "AutoMax.DAT", bytes);
        data.OpenFile("AutoMax.DAT");
        data.CurrentRecord = current;
        data.ShowCurrentRecord(editor);
    }

    TempFolder folder;
    testing::FakePlatform platform;
    FaultyFileSystem files;
    DataFile data{platform, files};
    FakeEditor editor;
};

TEST_F(DataFileDelete, RemovesTheCurrentRecordAndShowsTheOneNowInItsPlace) {
    struct Case {
        int current;
        std::string left;
        int count;
        int shown;
        const char* year;
    };
    const Case cases[] = {
        {1, kR2 + kR3, 2, 1, "2002"},
        {2, kR1 + kR3, 2, 2, "2003"},
        {3, kR1 + kR2, 2, 2, "2002"},
    };
    for (const auto& c : cases) {
        platform.boxes.clear();
        OpenWith(kR1 + kR2 + kR3, c.current);
        data.Delete("Automax.dat", editor);
        EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), c.left) << c.current;
        EXPECT_EQ(data.RecordCount, c.count);
        EXPECT_EQ(data.CurrentRecord, c.shown);
        EXPECT_EQ(editor.boxes[0], c.year);
        EXPECT_EQ(editor.status, "Record Deleted");
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"AutoMax.DAT"});
        ASSERT_EQ(platform.boxes.size(), 1U);
        EXPECT_EQ(platform.boxes[0].text, "Delete current record?");
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(platform.boxes[0].title, kAppTitle);
        data.CloseFile();
    }
}

TEST_F(DataFileDelete, DeletingTheOnlyRecordLeavesAnEmptyFile) {
    OpenWith(kR1, 1);
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), "");
    EXPECT_EQ(data.RecordCount, 1);
    EXPECT_EQ(data.CurrentRecord, 1);
    EXPECT_EQ(editor.boxes, (RecordTexts{"", "", "", "", ""}));
    EXPECT_EQ(editor.status, "Record Deleted");
    EXPECT_TRUE(data.IsOpen());
}

TEST_F(DataFileDelete, ANewUnsavedRecordLeavesTheFileAsItIs) {
    OpenWith(kR1 + kR2, 1);
    data.RecordCount = 3;  // a record added but not saved
    data.CurrentRecord = 3;
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR1 + kR2);
    EXPECT_EQ(data.RecordCount, 2);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(editor.boxes[0], "2002");
}

TEST_F(DataFileDelete, AZeroByteGapRecordCanBeDeleted) {
    OpenWith(std::string(24, '\0') + kR2, 1);
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR2);
    EXPECT_EQ(editor.boxes[0], "2002");
}

TEST_F(DataFileDelete, AnythingButYesChangesNothing) {
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        OpenWith(kR1 + kR2 + kR3, 2);
        editor.status = "before";
        platform.answers = {answer};
        data.Delete("Automax.dat", editor);
        EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR1 + kR2 + kR3);
        EXPECT_EQ(data.CurrentRecord, 2);
        EXPECT_EQ(data.RecordCount, 3);
        EXPECT_EQ(editor.status, "before");
        EXPECT_EQ(files.Calls(FileOp::Create, "Temp.tmp"), 0);
        data.CloseFile();
    }
}

// Records another program wrote since the table was opened are kept, a short last one filled
// with zero bytes; the rewritten table keeps its permission bits and stays locked for this editor.
TEST_F(DataFileDelete, CopiesEveryRecordTheFileHoldsNowAndKeepsTheTableItsOwn) {
    OpenWith(kR1 + kR2, 1);
    WriteBytes(folder / "AutoMax.DAT", kR1 + kR2 + kR3 + "2004");
    const auto perms = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                       std::filesystem::perms::group_read;
    std::filesystem::permissions(folder / "AutoMax.DAT", perms);
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR2 + kR3 + "2004" + std::string(20, '\0'));
    EXPECT_EQ(data.RecordCount, 3);
    EXPECT_EQ(std::filesystem::status(folder / "AutoMax.DAT").permissions(), perms);
    DataFile other(platform);
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Failed);
    data.CloseFile();
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Opened);
}

// Scratch files this table's deletions left behind are removed; another table's, which its own
// editor may be writing, are not, and one that cannot be removed is in nobody's way.
TEST_F(DataFileDelete, LeftoversOfThisTableAreRemovedFirst) {
    WriteBytes(folder / "Temp.tmp-AutoMax.DAT-abc123", std::string(100, 'z'));
    WriteBytes(folder / "Temp.tmp-Electric.DAT-abc123", "busy");
    std::filesystem::create_directory(folder / "Temp.tmp-AutoMax.DAT-folder");
    OpenWith(kR1 + kR2, 1);
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR2);
    EXPECT_EQ(editor.status, "Record Deleted");
    EXPECT_EQ(FolderEntries(folder.Path()),
              (std::vector<std::string>{"AutoMax.DAT", "Temp.tmp-AutoMax.DAT-folder",
                                        "Temp.tmp-Electric.DAT-abc123"}));
    EXPECT_EQ(platform.boxes.size(), 1U);
}

TEST_F(DataFileDelete, TheCleanFuelTableIsRewrittenUnderItsOwnName) {
    WriteBytes(folder / "Electric.DAT", kR1 + kR2);
    data.OpenFile("Electric.DAT");
    data.Delete("Electric.Dat", editor);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Electric.DAT"});
    EXPECT_EQ(ReadBytes(folder / "Electric.DAT"), kR2);
}

// A failure at any step before the table is replaced leaves the table exactly as it was, open
// and in view, and removes the scratch copy.
TEST_F(DataFileDelete, AFailureAtAnyStepKeepsTheTable) {
    struct Case {
        const char* step;
        FileOp op;
        const char* file;
        int nth;
        int error;
        std::string message;
    };
    const std::vector<Case> cases{
        {"look for leftovers", FileOp::List, "", 1, err::kPathFileAccess,
         "75 Error in Delete. Path/File access error"},
        {"unwritable folder", FileOp::Create, "Temp.tmp", 1, err::kPermissionDenied,
         "70 Error in Delete. Permission denied"},
        {"size of the table", FileOp::Size, "AutoMax.DAT", 1, err::kDeviceIo,
         "57 Error in Delete. Device I/O error"},
        {"read the first record", FileOp::Read, "AutoMax.DAT", 1, err::kDeviceIo,
         "57 Error in Delete. Device I/O error"},
        {"read the last record", FileOp::Read, "AutoMax.DAT", 2, err::kDeviceIo,
         "57 Error in Delete. Device I/O error"},
        {"write the first copy", FileOp::Write, "Temp.tmp", 1, err::kDiskFull,
         "61 Error in Delete. Disk full"},
        {"write the last copy", FileOp::Write, "Temp.tmp", 2, err::kDiskFull,
         "61 Error in Delete. Disk full"},
        {"put the copy on the disk", FileOp::Sync, "Temp.tmp", 1, err::kDiskFull,
         "61 Error in Delete. Disk full"},
        {"replace the table", FileOp::Rename, "Temp.tmp", 1, err::kPermissionDenied,
         "70 Error in Delete. Permission denied"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        TempFolder own;
        testing::FakePlatform fresh;
        fresh.folder = own.Path();
        FaultyFileSystem faulty;
        DataFile table(fresh, faulty);
        FakeEditor view;
        WriteBytes(own / "AutoMax.DAT", kR1 + kR2 + kR3);
        table.OpenFile("AutoMax.DAT");
        table.RecordCount = 4;  // with a new record added, not yet saved
        table.CurrentRecord = 2;
        table.ShowCurrentRecord(view);
        faulty.FailOn(c.op, c.file, c.nth, c.error);

        table.Delete("Automax.dat", view);

        EXPECT_EQ(ReadBytes(own / "AutoMax.DAT"), kR1 + kR2 + kR3);
        EXPECT_EQ(FolderEntries(own.Path()), std::vector<std::string>{"AutoMax.DAT"});
        ASSERT_EQ(fresh.boxes.size(), 2U);
        EXPECT_EQ(fresh.boxes[1].text, c.message);
        EXPECT_EQ(fresh.boxes[1].buttons, MsgButtons::Ok);
        EXPECT_EQ(fresh.boxes[1].title, kAppTitle);
        EXPECT_EQ(view.status, "");
        EXPECT_EQ(view.boxes[0], "2002");
        EXPECT_EQ(table.CurrentRecord, 2);
        EXPECT_EQ(table.RecordCount, 4);
        EXPECT_TRUE(table.IsOpen());
        EXPECT_TRUE(table.SearchFile("2003"));
    }
}

// The table is replaced but the folder could not be put on the disk: the view follows the file,
// and the failure is said instead of "Record Deleted".
TEST_F(DataFileDelete, AnUnsyncedReplaceIsNotClaimed) {
    OpenWith(kR1 + kR2, 1);
    files.FailOn(FileOp::SyncFolder, "", 1, err::kDeviceIo);
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR2);
    EXPECT_EQ(editor.boxes[0], "2002");
    EXPECT_EQ(data.RecordCount, 1);
    EXPECT_EQ(editor.status, "");
    ASSERT_EQ(platform.boxes.size(), 2U);
    EXPECT_EQ(platform.boxes[1].text, "57 Error in Delete. Device I/O error");
}

// Without the table open (and so without its lock) nothing in the folder is touched.
TEST_F(DataFileDelete, ATableThatIsNotOpenIsNeverTouched) {
    WriteBytes(folder / "AutoMax.DAT", kR1 + kR2);
    WriteBytes(folder / "Temp.tmp-AutoMax.DAT-abc123", "another editor's");
    data.RecordCount = 2;
    data.CurrentRecord = 1;
    data.Delete("Automax.dat", editor);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kR1 + kR2);
    EXPECT_EQ(FolderEntries(folder.Path()),
              (std::vector<std::string>{"AutoMax.DAT", "Temp.tmp-AutoMax.DAT-abc123"}));
    ASSERT_EQ(platform.boxes.size(), 2U);
    EXPECT_EQ(platform.boxes[1].text, "52 Error in Delete. Bad file name or number");
}

// Where the file system tells letter cases apart, a file whose name differs from the table's
// only in case is another file: Delete rewrites the table that is open and leaves it alone.
TEST_F(DataFileDelete, AFileDifferingOnlyInLetterCaseIsLeftAlone) {
    struct Case {
        const char* table;
        const char* twin;
        const char* deleteName;
    };
    const Case cases[] = {
        {"AutoMax.DAT", "AUTOMAX.DAT", "Automax.dat"},
        {"AutoMax.DAT", "automax.dat", "Automax.dat"},
        {"Electric.DAT", "ELECTRIC.DAT", "Electric.Dat"},
    };
    for (const auto& c : cases) {
        const TempFolder own;
        platform.folder = own.Path();
        platform.boxes.clear();
        WriteBytes(own / c.table, kR1 + kR2);
        WriteBytes(own / c.twin, kR3);
        data.OpenFile(c.table);
        data.CurrentRecord = 1;
        data.Delete(c.deleteName, editor);
        EXPECT_EQ(ReadBytes(own / c.table), kR2) << c.twin;
        EXPECT_EQ(ReadBytes(own / c.twin), kR3) << c.twin;
        EXPECT_EQ(editor.boxes[0], "2002") << c.twin;
        EXPECT_EQ(data.RecordCount, 1);
        EXPECT_EQ(editor.status, "Record Deleted");
        ASSERT_EQ(platform.boxes.size(), 1U) << platform.boxes.back().text;
        data.CloseFile();
    }
}

}  // namespace
}  // namespace pellory
