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

const std::string kRecord2002 = RecordBytes("2002", "3060", "4900", "2950", "1775");
const std::string kRecord2003 = RecordBytes("2003", "3060", "4900", "2950", "1775");
const std::string kRecord2004 = RecordBytes("2004", "2960", "4800", "2850", "1675");

class DataFileTest : public ::testing::Test {
  protected:
    DataFileTest() { platform.folder = folder.Path(); }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : platform.boxes) {
            EXPECT_EQ(box.title, kAppTitle);
            EXPECT_EQ(box.buttons, MsgButtons::Ok);
            texts.push_back(box.text);
        }
        return texts;
    }

    TempFolder folder;
    testing::FakePlatform platform;
    FaultyFileSystem files;
    DataFile data{platform, files};
    FakeEditor editor;
};

TEST_F(DataFileTest, OpeningAMissingTableCreatesItEmptyWithOneBlankRecord) {
    data.OpenFile("AutoMax.DAT");
    EXPECT_TRUE(std::filesystem::exists(folder / "AutoMax.DAT"));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), "");
    EXPECT_EQ(data.RecordCount, 1);
    EXPECT_EQ(data.CurrentRecord, 1);
    EXPECT_EQ(data.RecordLength, 24);
    editor.boxes = {"x", "x", "x", "x", "x"};
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(editor.boxes, (RecordTexts{"", "", "", "", ""}));
    EXPECT_TRUE(platform.boxes.empty());

    editor.boxes = {"2002", "3060", "4900", "2950", "1775"};
    EXPECT_TRUE(data.SaveCurrentRecord(editor));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kRecord2002);
    EXPECT_EQ(editor.status, "Record Updated.");
}

TEST_F(DataFileTest, CountsRecordsToTheNearestWithHalvesToEven) {
    struct Case {
        std::size_t bytes;
        int records;
    };
    const Case cases[] = {{0, 1},  {12, 1}, {13, 1}, {24, 1}, {35, 1},
                          {36, 2}, {48, 2}, {60, 2}, {72, 3}, {84, 4}};
    for (const auto& c : cases) {
        WriteBytes(folder / "AutoMax.DAT", std::string(c.bytes, '1'));
        data.OpenFile("AutoMax.DAT");
        EXPECT_EQ(data.RecordCount, c.records) << c.bytes << " bytes";
        data.CloseFile();
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataFileTest, FindsTheTableWhateverTheLetterCase) {
    WriteBytes(folder / "AutoMax.DAT", kRecord2002);
    data.OpenFile("automax.dat");
    EXPECT_EQ(data.RecordCount, 1);
    EXPECT_TRUE(data.SearchFile("2002"));
    data.CloseFile();
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"AutoMax.DAT"});
    EXPECT_EQ(data.PathOf("Electric.Dat"), folder / "Electric.Dat");
}

TEST_F(DataFileTest, EachOpenTakesTheNextFreeChannel) {
    data.OpenFile("AutoMax.DAT");
    EXPECT_EQ(data.FileNum, 1);
    data.OpenFile("Electric.DAT");  // the first table stays open
    EXPECT_EQ(data.FileNum, 2);
    data.CloseFile();
    data.OpenFile("Electric.DAT");
    EXPECT_EQ(data.FileNum, 2);
    data.CloseFile();
    data.FileNum = 1;
    data.CloseFile();
    data.OpenFile("AutoMax.DAT");
    EXPECT_EQ(data.FileNum, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataFileTest, SearchStopsAtTheFirstRecordOfTheYear) {
    const std::string second2002 = RecordBytes("2002", "9", "8", "7", "6");
    WriteBytes(folder / "AutoMax.DAT", kRecord2003 + kRecord2002 + second2002 + kRecord2004);
    data.OpenFile("AutoMax.DAT");
    data.CurrentRecord = 3;
    ASSERT_TRUE(data.SearchFile("2002"));
    EXPECT_EQ(data.Buffer.FirstYearMax.Text(), "3060 ");
    EXPECT_EQ(data.Buffer.FourthYearMax.Text(), "1775 ");
    EXPECT_EQ(data.CurrentRecord, 3);
    EXPECT_EQ(files.Calls(FileOp::Read, "AutoMax.DAT"), 2);

    EXPECT_FALSE(data.SearchFile("1999"));
    EXPECT_EQ(data.Buffer.Year.Text(), "2004");  // the last record read
}

TEST_F(DataFileTest, SearchMatchesAllFourCharactersExactly) {
    WriteBytes(folder / "AutoMax.DAT", kRecord2002 + RecordBytes("99", "1", "2", "3", "4") +
                                           RecordBytes("20.5", "1", "2", "3", "4"));
    data.OpenFile("AutoMax.DAT");
    const struct {
        const char* year;
        bool found;
    } cases[] = {
        {"2002", true}, {"200", false}, {"20022", false}, {"", false},     {" 2002", false},
        {"99", false},  {"99  ", true}, {"20.5", true},   {"2003", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(data.SearchFile(c.year), c.found) << '"' << c.year << '"';
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataFileTest, SearchOnAnEmptyTableFindsNothing) {
    data.OpenFile("Electric.DAT");
    EXPECT_FALSE(data.SearchFile("2002"));
    EXPECT_FALSE(data.SearchFile(""));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataFileTest, SavingBeyondTheEndAppendsAndLeavesZeroBytesInAGap) {
    data.OpenFile("AutoMax.DAT");
    editor.boxes = {"2002", "3060", "4900", "2950", "1775"};
    data.CurrentRecord = 2;  // record 1 was never written
    ASSERT_TRUE(data.SaveCurrentRecord(editor));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), std::string(24, '\0') + kRecord2002);

    editor.boxes = {"2003", "3060", "4900", "2950", "1775"};
    data.CurrentRecord = 3;
    ASSERT_TRUE(data.SaveCurrentRecord(editor));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), std::string(24, '\0') + kRecord2002 + kRecord2003);

    data.CurrentRecord = 1;
    editor.boxes = {"x", "x", "x", "x", "x"};
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(editor.boxes, (RecordTexts{"", "", "", "", ""}));
}

TEST_F(DataFileTest, SavePadsAndCutsEachField) {
    data.OpenFile("AutoMax.DAT");
    editor.boxes = {"20021", "12345.5", "7", "", "1.5"};
    ASSERT_TRUE(data.SaveCurrentRecord(editor));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"),
              "200212345"
              "7    "
              "     "
              "1.5  ");
    EXPECT_EQ(data.Buffer.FirstYearMax.Text(), "12345");
}

TEST_F(DataFileTest, ShowTrimsTheFieldsAndShowsEmptyPastTheEnd) {
    WriteBytes(folder / "AutoMax.DAT",
               "  02"
               " 306 "
               "4900 "
               "   2 "
               " 1775");
    data.OpenFile("AutoMax.DAT");
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(editor.boxes, (RecordTexts{"02", "306", "4900", "2", "1775"}));
    EXPECT_EQ(editor.notices, 0);

    data.CurrentRecord = 5;
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(editor.boxes, (RecordTexts{"", "", "", "", ""}));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataFileTest, ClosingAClosedChannelReportsBadFileName) {
    data.OpenFile("AutoMax.DAT");
    data.CloseFile();
    data.CloseFile();
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"52 Error in CloseFile Bad file name or number"});
}

TEST_F(DataFileTest, OperationsOnATableThatIsNotOpenReportAndGoOn) {
    data.FileNum = 3;
    data.CurrentRecord = 1;
    data.RecordCount = 2;
    EXPECT_FALSE(data.SearchFile("2002"));
    editor.boxes = {"2002", "1", "2", "3", "4"};
    EXPECT_FALSE(data.SaveCurrentRecord(editor));
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "52 Error in SearchFile Bad file name or number",
                              "52 Error in SaveCurrentRecord. Bad file name or number",
                              "52 Error in ShowCurrentRecord. Bad file name or number",
                          }));
    EXPECT_EQ(editor.status, "");
}

// A table that cannot be opened is one message naming the file and the reason, for the editor
// and for a lookup alike; nothing is created or written, and no channel stays open.
TEST_F(DataFileTest, ATableThatCannotBeOpenedIsOneMessageNamingIt) {
    WriteBytes(folder / "target", "keep");
    std::filesystem::create_directory(folder / "dir");
    std::filesystem::create_directory(folder / "dir" / "AutoMax.DAT");
    std::filesystem::create_directory(folder / "link");
    std::filesystem::create_symlink(folder / "target", folder / "link" / "AutoMax.DAT");
    std::filesystem::create_directory(folder / "dangling");
    std::filesystem::create_symlink(folder / "gone", folder / "dangling" / "AutoMax.DAT");
    std::filesystem::create_directory(folder / "held");
    DataFile holder(platform);
    holder.UseFolder(folder / "held");
    ASSERT_EQ(holder.OpenFile("AutoMax.DAT"), OpenResult::Opened);
    const struct {
        const char* place;
        TableAccess access;
        std::string reason;
    } cases[] = {
        {"gone", TableAccess::Edit, "Path not found"},
        {"gone", TableAccess::Lookup, "Path not found"},
        {"dir", TableAccess::Edit, "It is a folder, not a file"},
        {"dir", TableAccess::Lookup, "It is a folder, not a file"},
        {"link", TableAccess::Edit, "It is a symbolic link, which is never followed"},
        {"link", TableAccess::Lookup, "It is a symbolic link, which is never followed"},
        {"dangling", TableAccess::Edit, "It is a symbolic link, which is never followed"},
        {"held", TableAccess::Edit, "It is open elsewhere, in another window or program"},
    };
    for (const auto& c : cases) {
        platform.boxes.clear();
        data.UseFolder(folder / c.place);
        EXPECT_EQ(data.OpenFile("AutoMax.DAT", c.access), OpenResult::Failed);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Can't open file. " +
                                                       (folder / c.place / "AutoMax.DAT").string() +
                                                       ": " + c.reason})
            << c.place;
        EXPECT_EQ(data.RecordCount, 1);
        EXPECT_EQ(data.CurrentRecord, 1);
        EXPECT_FALSE(data.IsOpen());
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
    EXPECT_FALSE(std::filesystem::exists(folder / "dangling" / "gone"));
    EXPECT_EQ(ReadBytes(folder / "target"), "keep");

    // A lookup reads the held table without waiting; one that does not exist yet is empty.
    platform.boxes.clear();
    data.UseFolder(folder / "held");
    EXPECT_EQ(data.OpenFile("AutoMax.DAT", TableAccess::Lookup), OpenResult::Opened);
    EXPECT_EQ(data.OpenFile("Electric.DAT", TableAccess::Lookup), OpenResult::Missing);
    EXPECT_FALSE(std::filesystem::exists(folder / "held" / "Electric.DAT"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataFileTest, AFailedWriteWritesNothingAndClaimsNothing) {
    WriteBytes(folder / "AutoMax.DAT", kRecord2002);
    data.OpenFile("AutoMax.DAT");
    files.FailOn(FileOp::Write, "AutoMax.DAT", 1, err::kDiskFull);
    editor.boxes = {"2003", "3060", "4900", "2950", "1775"};
    data.CurrentRecord = 2;
    EXPECT_FALSE(data.SaveCurrentRecord(editor));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"61 Error in SaveCurrentRecord. Disk full"});
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kRecord2002);
    EXPECT_EQ(editor.notices, 0);
    // The next try goes through.
    EXPECT_TRUE(data.SaveCurrentRecord(editor));
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), kRecord2002 + kRecord2003);
}

TEST_F(DataFileTest, FileErrorsAreReportedWithTheirNumberAndDescription) {
    WriteBytes(folder / "AutoMax.DAT", kRecord2002);
    struct Case {
        FileOp op;
        int error;
        std::string expected;
    };
    const std::vector<Case> cases{
        {FileOp::Read, err::kDeviceIo, "57 Error in ShowCurrentRecord. Device I/O error"},
        {FileOp::Write, err::kPermissionDenied, "70 Error in SaveCurrentRecord. Permission denied"},
        {FileOp::Sync, err::kDeviceIo, "57 Error in SaveCurrentRecord. Device I/O error"},
        {FileOp::Close, err::kDiskFull, "61 Error in CloseFile Disk full"},
    };
    for (const auto& c : cases) {
        testing::FakePlatform fresh;
        fresh.folder = folder.Path();
        FaultyFileSystem faulty;
        DataFile table(fresh, faulty);
        table.OpenFile("AutoMax.DAT");
        faulty.FailOn(c.op, "AutoMax.DAT", 1, c.error);
        table.ShowCurrentRecord(editor);
        editor.boxes = {"2002", "1", "2", "3", "4"};
        editor.status.clear();
        const bool saved = table.SaveCurrentRecord(editor);
        // Said only once the record is on the disk.
        EXPECT_EQ(saved, c.op != FileOp::Write && c.op != FileOp::Sync);
        EXPECT_EQ(editor.status, saved ? "Record Updated." : "");
        table.CloseFile();
        ASSERT_EQ(fresh.boxes.size(), 1U);
        EXPECT_EQ(fresh.boxes[0].text, c.expected);
        EXPECT_EQ(fresh.boxes[0].title, kAppTitle);
    }
}

TEST_F(DataFileTest, AFailedReadLeavesTheBufferInTheBoxes) {
    WriteBytes(folder / "AutoMax.DAT", kRecord2002 + kRecord2003);
    data.OpenFile("AutoMax.DAT");
    data.ShowCurrentRecord(editor);
    files.FailOn(FileOp::Read, "AutoMax.DAT", 1, err::kDeviceIo);
    data.CurrentRecord = 2;
    data.ShowCurrentRecord(editor);
    EXPECT_EQ(editor.boxes[0], "2002");
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"57 Error in ShowCurrentRecord. Device I/O error"});
}

}  // namespace
}  // namespace pellory
