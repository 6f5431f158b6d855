#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AutoLimitsTestSupport.h"
#include "FakePlatform.h"
#include "autolimits/AutoLimitRecord.h"
#include "autolimits/DataFile.h"

namespace pellory {
namespace {

using namespace testing;

const std::string kR1 = RecordBytes("2001", "3060", "4900", "2950", "1775");
const std::string kR2 = RecordBytes("2002", "3060", "4900", "2950", "1775");
const std::string kR3 = RecordBytes("2003", "3080", "4900", "2950", "1775");
const RecordTexts kNone{"", "", "", "", ""};

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
    // The texts of the message boxes, each checked to stand under the application title.
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const auto& box : platform.boxes) {
            EXPECT_EQ(box.title, kAppTitle);
            texts.push_back(box.text);
        }
        return texts;
    }

    TempFolder folder;
    FakePlatform platform;
    FaultyFileSystem files;
    DataFile data{platform, files};
    FakeEditor editor;
};

// A new table is empty and shows one blank record; saving past the end appends, leaving zero
// bytes in a gap, and a record of zero bytes or past the end shows empty.
TEST(DataFile, ATableGrowsRecordByRecord) {
    OpenTable t("");
    EXPECT_EQ(t.data.RecordCount, 1);
    EXPECT_EQ(t.editor.boxes, kNone);
    t.editor.boxes = {"2001", "3060", "4900", "2950", "1775"};
    t.data.CurrentRecord = 2;
    EXPECT_TRUE(t.data.SaveCurrentRecord(t.editor));
    EXPECT_EQ(t.editor.status, "Record Updated.");
    t.editor.boxes[0] = "2002";
    t.data.CurrentRecord = 3;
    EXPECT_TRUE(t.data.SaveCurrentRecord(t.editor));
    EXPECT_EQ(t.Table(), std::string(24, '\0') + kR1 + kR2);
    for (const int current : {1, 5}) {
        t.data.CurrentRecord = current;
        t.data.ShowCurrentRecord(t.editor);
        EXPECT_EQ(t.editor.boxes, kNone) << current;
    }
    EXPECT_TRUE(t.platform.boxes.empty());
}

// Records are counted to the nearest, a half to the even neighbour; an open takes the next free
// channel and finds the table whatever the letter case of its name.
TEST(DataFile, CountsRecordsAndTakesTheNextFreeChannel) {
    OpenTable t("");
    const std::pair<std::size_t, int> cases[] = {{0, 1},  {12, 1}, {13, 1}, {35, 1}, {36, 2},
                                                 {48, 2}, {60, 2}, {72, 3}, {84, 4}};
    for (const auto& [bytes, records] : cases) {
        WriteBytes(t.folder / "AutoMax.DAT", std::string(bytes, '1'));
        t.data.OpenFile("automax.dat", TableAccess::Lookup);
        EXPECT_EQ(t.data.FileNum, 2);
        EXPECT_EQ(t.data.RecordCount, records) << bytes << " bytes";
        t.data.CloseFile();
    }
    EXPECT_EQ(FolderEntries(t.folder.Path()), std::vector<std::string>{"AutoMax.DAT"});
    EXPECT_TRUE(t.platform.boxes.empty());
}

// A search reads from the first record and stops at the first whose year matches all four
// characters; without a match the last record read stays in the buffer.
TEST(DataFile, SearchStopsAtTheFirstRecordOfTheYear) {
    OpenTable t(kR3 + kR2 + RecordBytes("2002", "9", "8", "7", "6") +
                RecordBytes("99", "1", "2", "3", "4") + RecordBytes("20.5", "1", "2", "3", "4"));
    t.data.CurrentRecord = 3;
    ASSERT_TRUE(t.data.SearchFile("2002"));
    EXPECT_EQ(t.data.Buffer.FourthYearMax.Text(), "1775 ");
    EXPECT_EQ(t.data.CurrentRecord, 3);
    const std::pair<const char*, bool> cases[] = {
        {"200", false}, {"20022", false}, {"", false},    {" 2002", false},
        {"99", false},  {"99  ", true},   {"20.5", true}, {"2004", false}};
    for (const auto& [year, found] : cases) {
        EXPECT_EQ(t.data.SearchFile(year), found) << '"' << year << '"';
    }
    EXPECT_EQ(t.data.Buffer.Year.Text(), "20.5");
    EXPECT_TRUE(t.platform.boxes.empty());
}

// Without the table open every operation reports and goes on, and Delete touches nothing.
TEST(DataFile, OperationsOnATableThatIsNotOpenReportAndGoOn) {
    OpenTable t(kR1 + kR2);
    WriteBytes(t.folder / "Temp.tmp-AutoMax.DAT-abc123", "another editor's");
    t.data.CloseFile();
    t.data.CloseFile();
    EXPECT_FALSE(t.data.SearchFile("2002"));
    EXPECT_FALSE(t.data.SaveCurrentRecord(t.editor));
    t.data.ShowCurrentRecord(t.editor);
    t.data.Delete("Automax.dat", t.editor);
    EXPECT_EQ(t.Boxes(), (std::vector<std::string>{
                             "52 Error in CloseFile Bad file name or number",
                             "52 Error in SearchFile Bad file name or number",
                             "52 Error in SaveCurrentRecord. Bad file name or number",
                             "52 Error in ShowCurrentRecord. Bad file name or number",
                             "Delete current record?",
                             "52 Error in Delete. Bad file name or number",
                         }));
    EXPECT_EQ(t.editor.status, "");
    EXPECT_EQ(t.Table(), kR1 + kR2);
    EXPECT_EQ(FolderEntries(t.folder.Path()).size(), 2U);
}

// A table that cannot be opened is one message naming the file and the reason, and no channel
// stays open. A lookup reads a held table without waiting, and finds one that does not exist yet
// empty without creating it.
TEST(DataFile, ATableThatCannotBeOpenedIsOneMessageNamingIt) {
    OpenTable held("");
    fs::create_directories(held.folder / "dir" / "AutoMax.DAT");
    DataFile other(held.platform);
    const struct {
        const char* place;
        TableAccess access;
        std::string reason;
    } cases[] = {
        {"gone", TableAccess::Edit, "Path not found"},
        {"", TableAccess::Edit, "It is open elsewhere, in another window or program"},
        {"dir", TableAccess::Lookup, "It is a folder, not a file"},
    };
    for (const auto& c : cases) {
        held.platform.boxes.clear();
        other.UseFolder(held.folder / c.place);
        EXPECT_EQ(other.OpenFile("AutoMax.DAT", c.access), OpenResult::Failed) << c.place;
        EXPECT_EQ(other.RecordCount, 1);
        EXPECT_FALSE(other.IsOpen());
        const std::string path = (held.folder / c.place / "AutoMax.DAT").string();
        EXPECT_EQ(held.Boxes(),
                  std::vector<std::string>{"Can't open file. " + path + ": " + c.reason});
    }
    EXPECT_FALSE(fs::exists(held.folder / "gone"));
    held.platform.boxes.clear();
    other.UseFolder(held.folder.Path());
    EXPECT_EQ(other.OpenFile("AutoMax.DAT", TableAccess::Lookup), OpenResult::Opened);
    EXPECT_EQ(other.OpenFile("Electric.DAT", TableAccess::Lookup), OpenResult::Missing);
    EXPECT_FALSE(fs::exists(held.folder / "Electric.DAT"));
    // A table spelled otherwise than its own name is still found.
    fs::create_directory(held.folder / "upper");
    WriteBytes(held.folder / "upper" / "AUTOMAX.Dat", kR1);
    other.UseFolder(held.folder / "upper");
    EXPECT_EQ(other.OpenFile("Automax.dat", TableAccess::Lookup), OpenResult::Opened);
    EXPECT_TRUE(other.SearchFile("2001"));
    EXPECT_TRUE(held.platform.boxes.empty());
}

// A failed step is reported with its number and description; a record is said to be updated
// only once it is on the disk, and a failed read leaves the last record in the boxes.
TEST(DataFile, FileErrorsAreReportedAndNothingIsClaimed) {
    const struct {
        FileOp op;
        int error;
        std::string message;
    } cases[] = {
        {FileOp::Read, err::kDeviceIo, "57 Error in ShowCurrentRecord. Device I/O error"},
        {FileOp::Write, err::kPermissionDenied, "70 Error in SaveCurrentRecord. Permission denied"},
        {FileOp::Sync, err::kDeviceIo, "57 Error in SaveCurrentRecord. Device I/O error"},
        {FileOp::Close, err::kDiskFull, "61 Error in CloseFile Disk full"},
    };
    for (const auto& c : cases) {
        OpenTable t(kR1);
        t.files.FailOn(c.op, "AutoMax.DAT", 1, c.error);
        t.data.CurrentRecord = 2;
        t.data.ShowCurrentRecord(t.editor);
        EXPECT_EQ(t.editor.boxes[0], c.op == FileOp::Read ? "2001" : "");
        t.editor.boxes = {"2002", "3060", "4900", "2950", "1775"};
        const bool saved = t.data.SaveCurrentRecord(t.editor);
        EXPECT_EQ(saved, c.op != FileOp::Write && c.op != FileOp::Sync);
        EXPECT_EQ(t.editor.status, saved ? "Record Updated." : "");
        if (c.op == FileOp::Write) {
            EXPECT_EQ(t.Table(), kR1);
            EXPECT_TRUE(t.data.SaveCurrentRecord(t.editor));  // the next try goes through
        }
        EXPECT_EQ(t.Table(), kR1 + kR2);
        t.data.CloseFile();
        EXPECT_EQ(t.Boxes(), std::vector<std::string>{c.message});
    }
}

// After "Delete current record?" answered Yes the record is gone from the file, and the record
// now in its place (or the last) is shown: "Record Deleted", no scratch file left. Any other
// answer changes nothing.
TEST(DataFileDelete, RemovesTheCurrentRecordAndShowsTheOneNowInItsPlace) {
    const struct {
        std::string bytes;
        int current;
        int added;
        MsgAnswer answer;
        std::string left;
        int shown;
        const char* year;
    } cases[] = {
        {kR1 + kR2 + kR3, 1, 0, MsgAnswer::Yes, kR2 + kR3, 1, "2002"},
        {kR1 + kR2 + kR3, 2, 0, MsgAnswer::Yes, kR1 + kR3, 2, "2003"},
        {kR1 + kR2 + kR3, 3, 0, MsgAnswer::Yes, kR1 + kR2, 2, "2002"},
        {kR1, 1, 0, MsgAnswer::Yes, "", 1, ""},
        {std::string(24, '\0') + kR2, 1, 0, MsgAnswer::Yes, kR2, 1, "2002"},
        {kR1 + kR2, 3, 1, MsgAnswer::Yes, kR1 + kR2, 2, "2002"},  // a new record, never saved
        {kR1 + kR2 + kR3, 2, 0, MsgAnswer::No, kR1 + kR2 + kR3, 2, "2002"},
        {kR1 + kR2 + kR3, 2, 0, MsgAnswer::Cancel, kR1 + kR2 + kR3, 2, "2002"},
    };
    for (const auto& c : cases) {
        OpenTable t(c.bytes, c.current, c.added);
        t.platform.answers = {c.answer};
        t.data.Delete("Automax.dat", t.editor);
        EXPECT_EQ(t.Table(), c.left) << c.current;
        EXPECT_EQ(t.data.CurrentRecord, c.shown);
        EXPECT_EQ(t.data.RecordCount, std::max<int>(1, static_cast<int>(c.left.size() / 24)));
        EXPECT_EQ(t.editor.boxes[0], c.year);
        EXPECT_EQ(t.editor.status, c.answer == MsgAnswer::Yes ? "Record Deleted" : "");
        EXPECT_EQ(FolderEntries(t.folder.Path()), std::vector<std::string>{"AutoMax.DAT"});
        EXPECT_EQ(t.Boxes(), std::vector<std::string>{"Delete current record?"});
        EXPECT_EQ(t.platform.boxes[0].buttons, MsgButtons::YesNoCancel);
    }
}

// Records another program wrote since the table was opened are kept, a short last one filled
// with zero bytes; the rewritten table keeps its permission bits and stays locked for this editor.
// Scratch files this table's deletions left behind are removed first; another table's are not.
TEST(DataFileDelete, CopiesWhatTheFileHoldsNowAndKeepsTheTableItsOwn) {
    OpenTable t(kR1 + kR2);
    WriteBytes(t.folder / "AutoMax.DAT", kR1 + kR2 + kR3 + "2004");
    WriteBytes(t.folder / "Temp.tmp-AutoMax.DAT-abc123", std::string(100, 'z'));
    WriteBytes(t.folder / "Temp.tmp-Electric.DAT-abc123", "busy");
    fs::create_directory(t.folder / "Temp.tmp-AutoMax.DAT-folder");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(t.folder / "AutoMax.DAT", perms);
    t.data.Delete("Automax.dat", t.editor);
    EXPECT_EQ(t.Table(), kR2 + kR3 + "2004" + std::string(20, '\0'));
    EXPECT_EQ(t.data.RecordCount, 3);
    EXPECT_EQ(t.editor.status, "Record Deleted");
    EXPECT_EQ(fs::status(t.folder / "AutoMax.DAT").permissions(), perms);
    EXPECT_EQ(FolderEntries(t.folder.Path()),
              (std::vector<std::string>{"AutoMax.DAT", "Temp.tmp-AutoMax.DAT-folder",
                                        "Temp.tmp-Electric.DAT-abc123"}));
    DataFile other(t.platform);
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Failed);
    t.data.CloseFile();
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Opened);
}

// A failure at any step before the table is replaced leaves it exactly as it was, open and in
// view, and removes the scratch copy. A replaced table whose folder could not be put on the disk
// is shown as it is now, and the failure said instead of "Record Deleted".
TEST(DataFileDelete, AFailureAtAnyStepIsSaidAndKeepsTheTable) {
    const struct {
        FileOp op;
        const char* file;
        int nth;
        int error;
    } cases[] = {
        {FileOp::List, "", 1, err::kPathFileAccess},
        {FileOp::Create, "Temp.tmp", 1, err::kPermissionDenied},
        {FileOp::Size, "AutoMax.DAT", 1, err::kDeviceIo},
        {FileOp::Read, "AutoMax.DAT", 1, err::kDeviceIo},
        {FileOp::Read, "AutoMax.DAT", 2, err::kDeviceIo},
        {FileOp::Write, "Temp.tmp", 1, err::kDiskFull},
        {FileOp::Write, "Temp.tmp", 2, err::kDiskFull},
        {FileOp::Sync, "Temp.tmp", 1, err::kDiskFull},
        {FileOp::Rename, "Temp.tmp", 1, err::kPermissionDenied},
        {FileOp::SyncFolder, "", 1, err::kDeviceIo},
    };
    for (const auto& c : cases) {
        const RuntimeError error(c.error);
        const std::string message =
            std::to_string(c.error) + " Error in Delete. " + error.Description();
        SCOPED_TRACE(message + " at call " + std::to_string(c.nth));
        OpenTable t(kR1 + kR2 + kR3, 2, 1);
        t.files.FailOn(c.op, c.file, c.nth, c.error);
        t.data.Delete("Automax.dat", t.editor);
        const bool replaced = c.op == FileOp::SyncFolder;
        EXPECT_EQ(t.Table(), replaced ? kR1 + kR3 : kR1 + kR2 + kR3);
        EXPECT_EQ(FolderEntries(t.folder.Path()), std::vector<std::string>{"AutoMax.DAT"});
        EXPECT_EQ(t.Boxes(), (std::vector<std::string>{"Delete current record?", message}));
        EXPECT_EQ(t.platform.boxes[1].buttons, MsgButtons::Ok);
        EXPECT_EQ(t.editor.status, "");
        EXPECT_EQ(t.editor.boxes[0], replaced ? "2003" : "2002");
        EXPECT_EQ(t.data.CurrentRecord, 2);
        EXPECT_EQ(t.data.RecordCount, replaced ? 2 : 4);
        EXPECT_TRUE(t.data.SearchFile("2003"));
    }
}

// Where letter cases differ, a file whose name differs from the table's only in case is another
// file: Delete rewrites the table that is open, under its own name, and leaves the other alone.
TEST(DataFileDelete, AFileDifferingOnlyInLetterCaseIsLeftAlone) {
    const struct {
        const char* table;
        const char* twin;
        const char* deleteName;
    } cases[] = {
        {"AutoMax.DAT", "AUTOMAX.DAT", "Automax.dat"},
        {"AutoMax.DAT", "automax.dat", "Automax.dat"},
        {"Electric.DAT", "ELECTRIC.DAT", "Electric.Dat"},
    };
    for (const auto& c : cases) {
        OpenTable t(kR1 + kR2, 1, 0, c.table);
        WriteBytes(t.folder / c.twin, kR3);
        t.data.Delete(c.deleteName, t.editor);
        EXPECT_EQ(ReadBytes(t.folder / c.table), kR2) << c.twin;
        EXPECT_EQ(ReadBytes(t.folder / c.twin), kR3) << c.twin;
        EXPECT_EQ(t.editor.status, "Record Deleted");
        EXPECT_EQ(FolderEntries(t.folder.Path()).size(), 2U);
    }
}

template <std::size_t N>
std::string Stored(const FixedText<N>& field) {
    return std::string(field.Bytes().begin(), field.Bytes().end());
}

// A typed text goes to the file in the Windows code page, padded with blanks or cut to the
// field's width in characters; a box shows it up to a zero byte, without blanks around it.
TEST(AutoLimitRecord, FieldsArePaddedOrCutAndShownTrimmed) {
    const struct {
        const char* typed;
        std::string stored;
        const char* shown;
    } cases[] = {
        {"", "     ", ""},
        {"3060", "3060 ", "3060"},
        {"12345.5", "12345", "12345"},
        {" 12", " 12  ", "12"},
        {"\xe2\x82\xac\xc3\xa9\xe4\xb8\xad", "\x80\xe9?  ", "\xe2\x82\xac\xc3\xa9?"},
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", "\xe9\xe9\xe9\xe9\xe9",
         "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"},
    };
    for (const auto& c : cases) {
        FixedText<5> field;
        field.Assign(c.typed);
        EXPECT_EQ(Stored(field), c.stored) << c.typed;
        EXPECT_EQ(field.Trimmed(), c.shown) << c.typed;
    }
    FixedText<5> zeros;
    std::string("12\0 9", 5).copy(zeros.Bytes().data(), 5);
    EXPECT_EQ(zeros.Trimmed(), "12");
}

TEST(AutoLimitRecord, LaysTheFieldsOutInTwentyFourBytes) {
    AutoLimitRecord record;
    EXPECT_EQ(std::string(record.ToBytes().data(), 24), std::string(24, ' '));
    record.Year.Assign("2002");
    record.FirstYearMax.Assign("3060");
    record.SecondYearMax.Assign("4900");
    record.ThirdYearMax.Assign("2950");
    record.FourthYearMax.Assign("1775");
    EXPECT_EQ(std::string(record.ToBytes().data(), 24), "20023060 4900 2950 1775 ");
    EXPECT_EQ(AutoLimitRecord::FromBytes(record.ToBytes()), record);
}

// The end of a file: what a short read lacks reads as zero bytes, never as what lies beyond.
TEST(AutoLimitRecord, AShortReadFillsTheRestWithZeroBytes) {
    const std::string file = "2002306" + std::string(17, '9');
    const AutoLimitRecord record = AutoLimitRecord::FromBytes(std::span(file).first(7));
    EXPECT_EQ(record.Year.Text(), "2002");
    EXPECT_EQ(record.FirstYearMax.Text(), std::string("306\0\0", 5));
    EXPECT_EQ(record.FirstYearMax.Trimmed(), "306");
    EXPECT_EQ(record.FourthYearMax.Text(), std::string(5, '\0'));
}

}  // namespace
}  // namespace pellory
