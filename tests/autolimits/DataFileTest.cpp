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

// Records are counted to the nearest, a half to the even neighbour, whatever the name's case.
TEST(DataFile, CountsRecordsToTheNearestHalfToEven) {
    OpenTable t("");
    const std::pair<std::size_t, int> cases[] = {{0, 1}, {35, 1}, {36, 2}, {37, 2}, {60, 2}};
    for (const auto& [bytes, records] : cases) {
        WriteBytes(t.folder / "AutoMax.DAT", std::string(bytes, '1'));
        t.data.OpenFile("automax.dat", TableAccess::Lookup);
        EXPECT_EQ(t.data.RecordCount, records) << bytes << " bytes";
        t.data.CloseFile();
    }
}

// A search reads from the first record and stops at the first whose year matches all four
// characters.
TEST(DataFile, SearchStopsAtTheFirstRecordOfTheYear) {
    OpenTable t(kR3 + kR2 + RecordBytes("2002", "9", "8", "7", "6") +
                RecordBytes("99", "1", "2", "3", "4"));
    t.data.CurrentRecord = 3;
    ASSERT_TRUE(t.data.SearchFile("2002"));
    EXPECT_EQ(t.data.Buffer.FourthYearMax.Text(), "1775 ");
    EXPECT_EQ(t.data.CurrentRecord, 3);
    const std::pair<const char*, bool> cases[] = {
        {"200", false}, {"20022", false}, {"99", false}, {"99  ", true}};
    for (const auto& [year, found] : cases) {
        EXPECT_EQ(t.data.SearchFile(year), found) << '"' << year << '"';
    }
}

TEST(DataFile, OperationsOnATableThatIsNotOpenReportAndGoOn) {
    OpenTable t(kR1 + kR2);
    t.data.CloseFile();
    t.data.CloseFile();
    EXPECT_FALSE(t.data.SearchFile("2002"));
    EXPECT_FALSE(t.data.SaveCurrentRecord(t.editor));
    EXPECT_EQ(t.Boxes(), (std::vector<std::string>{
                             "52 Error in CloseFile Bad file name or number",
                             "52 Error in SearchFile Bad file name or number",
                             "52 Error in SaveCurrentRecord. Bad file name or number",
                         }));
}

// A second editor gets one message naming the file and the reason; a lookup never waits.
TEST(DataFile, ATableOpenInAnotherEditorIsRefused) {
    OpenTable held("");
    DataFile other(held.platform);
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Failed);
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(held.Boxes(), std::vector<std::string>{"Can't open file. " +
                                                     (held.folder / "AutoMax.DAT").string() +
                                                     ": It is open elsewhere, in another window "
                                                     "or program"});
    EXPECT_EQ(other.OpenFile("AutoMax.DAT", TableAccess::Lookup), OpenResult::Opened);
}

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
        {kR1 + kR2 + kR3, 2, 0, MsgAnswer::Yes, kR1 + kR3, 2, "2003"},
        {kR1 + kR2 + kR3, 3, 0, MsgAnswer::Yes, kR1 + kR2, 2, "2002"},
        {kR1, 1, 0, MsgAnswer::Yes, "", 1, ""},
        {kR1 + kR2, 3, 1, MsgAnswer::Yes, kR1 + kR2, 2, "2002"},  // a new record, never saved
        {kR1 + kR2 + kR3, 2, 0, MsgAnswer::No, kR1 + kR2 + kR3, 2, "2002"},
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
        EXPECT_EQ(t.Boxes(), std::vector<std::string>{"Delete current record?"});
    }
}

// Another program's new records are kept (a short one filled with zero bytes), and so are the
// table's permissions and lock; only this table's stale scratch files are removed.
TEST(DataFileDelete, CopiesWhatTheFileHoldsNowAndKeepsTheTableItsOwn) {
    OpenTable t(kR1 + kR2);
    WriteBytes(t.folder / "AutoMax.DAT", kR1 + kR2 + kR3 + "2004");
    WriteBytes(t.folder / "Temp.tmp-AutoMax.DAT-abc123", std::string(100, 'z'));
    WriteBytes(t.folder / "Temp.tmp-Electric.DAT-abc123", "busy");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(t.folder / "AutoMax.DAT", perms);
    t.data.Delete("Automax.dat", t.editor);
    EXPECT_EQ(t.Table(), kR2 + kR3 + "2004" + std::string(20, '\0'));
    EXPECT_EQ(t.editor.status, "Record Deleted");
    EXPECT_EQ(fs::status(t.folder / "AutoMax.DAT").permissions(), perms);
    EXPECT_EQ(FolderEntries(t.folder.Path()),
              (std::vector<std::string>{"AutoMax.DAT", "Temp.tmp-Electric.DAT-abc123"}));
    DataFile other(t.platform);
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Failed);
    t.data.CloseFile();
    EXPECT_EQ(other.OpenFile("AutoMax.DAT"), OpenResult::Opened);
}

// A failure before the table is replaced leaves it as it was; after, it is shown as it is now.
TEST(DataFileDelete, AFailureOnEitherSideOfTheReplacementIsSaid) {
    for (const FileOp op : {FileOp::Rename, FileOp::SyncFolder}) {
        OpenTable t(kR1 + kR2 + kR3, 2, 1);
        t.files.FailOn(op);
        t.data.Delete("Automax.dat", t.editor);
        const bool replaced = op == FileOp::SyncFolder;
        EXPECT_EQ(t.Table(), replaced ? kR1 + kR3 : kR1 + kR2 + kR3);
        EXPECT_EQ(FolderEntries(t.folder.Path()), std::vector<std::string>{"AutoMax.DAT"});
        EXPECT_EQ(t.Boxes(), (std::vector<std::string>{"Delete current record?",
                                                       "61 Error in Delete. Disk full"}));
        EXPECT_EQ(t.editor.status, "");
        EXPECT_EQ(t.editor.boxes[0], replaced ? "2003" : "2002");
        EXPECT_EQ(t.data.RecordCount, replaced ? 2 : 4);
        EXPECT_TRUE(t.data.SearchFile("2003"));
    }
}

// Delete rewrites the open table under its own name and leaves a file differing in case alone.
TEST(DataFileDelete, AFileDifferingOnlyInLetterCaseIsLeftAlone) {
    OpenTable t(kR1 + kR2, 1, 0, "Electric.DAT");
    WriteBytes(t.folder / "ELECTRIC.DAT", kR3);
    t.data.Delete("Electric.Dat", t.editor);
    EXPECT_EQ(ReadBytes(t.folder / "Electric.DAT"), kR2);
    EXPECT_EQ(ReadBytes(t.folder / "ELECTRIC.DAT"), kR3);
}

// Stored in the Windows code page, padded or cut to width; shown trimmed.
TEST(AutoLimitRecord, FieldsArePaddedOrCutAndShownTrimmed) {
    const struct {
        const char* typed;
        std::string stored;
        const char* shown;
    } cases[] = {
        {"", "     ", ""},
        {"12345.5", "12345", "12345"},
        {"\xe2\x82\xac\xc3\xa9\xe4\xb8\xad", "\x80\xe9?  ", "\xe2\x82\xac\xc3\xa9?"},
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", "\xe9\xe9\xe9\xe9\xe9",
         "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"},
    };
    for (const auto& c : cases) {
        FixedText<5> field;
        field.Assign(c.typed);
        EXPECT_EQ(std::string(field.Bytes().data(), 5), c.stored) << c.typed;
        EXPECT_EQ(field.Trimmed(), c.shown) << c.typed;
    }
}

}  // namespace
}  // namespace pellory
