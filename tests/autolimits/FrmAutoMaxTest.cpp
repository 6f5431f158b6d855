#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AutoLimitsTestSupport.h"
#include "FakePlatform.h"
#include "autolimits/DataFile.h"
#include "autolimits/FrmAutoMax.h"

namespace pellory {
namespace {

using namespace testing;

// The editor's window on a table of its own.
struct Editor : OpenTable {
    explicit Editor(const std::string& bytes = "", const char* table = DataFile::kOrdinaryTable,
                    const char* caption = FrmAutoMax::kDesignCaption)
        : OpenTable(bytes, 1, 0, table) {
        w.SetCaption(caption);
        w.Load();
    }
    void TypeRecord(const RecordTexts& texts) {
        TextBox* boxes[] = {&w.txtYear, &w.txtYear1, &w.txtYear2, &w.txtYear3, &w.txtYear4};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            w.UserFocus(*boxes[i]);
            w.PressKey(kKeyBackspace);
            w.Type(*boxes[i], texts[i]);
        }
    }
    // A notice is blue and plain, a warning red and bold.
    void ExpectStatus(const std::string& text, Color color) const {
        EXPECT_EQ(w.stbAuto.caption, text);
        EXPECT_EQ(w.stbAuto.foreColor, color);
        EXPECT_EQ(w.stbAuto.bold, color == kRed);
    }

    FrmAutoMax w{platform, data};
};

// Next and Previous say when they reach either end.
TEST(Editor, StepsThroughTheTable) {
    Editor e(kR1 + kR2);
    EXPECT_EQ(e.w.BoxTexts(), (RecordTexts{"2001", "3060", "4900", "2950", "1775"}));
    e.w.cmdPrevious.Click();
    e.ExpectStatus("No more records.", kBlue);
    e.w.cmdNext.Click();
    EXPECT_EQ(e.w.txtYear.Text(), "2002");
    e.ExpectStatus("", kRed);
    e.w.cmdNext.Click();
    e.ExpectStatus("No more records.", kBlue);
    EXPECT_EQ(e.data.CurrentRecord, 2);
    e.w.cmdPrevious.Click();
    EXPECT_EQ(e.w.txtYear.Text(), "2001");
}

// Add on an empty table starts record two, focus in the year; typed values go without asking.
TEST(Editor, AddStartsABlankRecordAfterTheLast) {
    Editor e;
    e.w.Type(e.w.txtYear1, "9999");
    e.w.cmdAdd.Click();
    EXPECT_TRUE(e.platform.boxes.empty());
    EXPECT_EQ(e.data.RecordCount, 2);
    EXPECT_EQ(e.data.CurrentRecord, 2);
    EXPECT_EQ(e.w.BoxTexts(), RecordTexts{});
    EXPECT_TRUE(e.w.HasFocus(e.w.txtYear));
    e.TypeRecord({"2002", "3060", "4900", "2950", "1775"});
    e.w.cmdSave.Click();
    EXPECT_FALSE(e.w.RecordChanged);
    e.ExpectStatus("Record Updated.", kBlue);
    EXPECT_EQ(e.Table(), std::string(24, '\0') + kR2);
}

// Any key but digits, the point and Backspace beeps, warns, and still marks the record changed.
TEST(Editor, OnlyNumericKeysGoIn) {
    Editor e(kR1);
    const std::pair<TextBox*, int> rejected[] = {
        {&e.w.txtYear, 'a'}, {&e.w.txtYear2, ','}, {&e.w.txtYear4, kKeyEnter}};
    int beeps = 0;
    for (const auto& [box, key] : rejected) {
        const std::string before = box->Text();
        e.w.UserFocus(*box);
        e.w.PressKey(key);
        EXPECT_EQ(box->Text(), before) << key;
        EXPECT_EQ(e.platform.beeps, ++beeps) << key;
        e.ExpectStatus("Only numeric data is allowed.", kRed);
    }
    EXPECT_TRUE(e.w.RecordChanged);
    e.w.UserFocus(e.w.txtYear3);
    EXPECT_EQ(e.w.txtYear3.selLength, 4);
    e.w.Type(e.w.txtYear3, "12.5");
    e.w.PressKey(kKeyBackspace);
    EXPECT_EQ(e.w.txtYear3.Text(), "12.");
    EXPECT_EQ(e.w.stbAuto.caption, "");
}

TEST(Editor, SaveChecksStopAtTheFirstFault) {
    const std::string cut = "Year amount can't be more than 5 characters.";
    const struct {
        RecordTexts typed;
        std::string message;
        int box;  // 0 the year .. 4 the fourth amount
    } cases[] = {
        {{"", "1", "2", "3", "4"}, "Year is required.", 0},
        {{"200", "1", "2", "3", "4"}, "Year must be 4 digits.", 0},
        {{"2002", "", "2", "3", "4"}, "Year amount is required.", 1},
        {{"2002", "100000", "", "3", "4"}, cut, 1},
        {{"2002", ".", "", "3", "4"}, "Year amount must be a number.", 1},
        {{"2002", "1", "", "1234567", "4"}, "Year amount is required.", 2},
        {{"2002", "1", "2", "3", "3060.0"}, cut, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message + " in box " + std::to_string(c.box));
        Editor e;
        e.w.ShowBoxTexts(c.typed);
        e.w.cmdSave.Click();
        e.ExpectStatus(c.message, kRed);
        const Label* labels[] = {&e.w.lblYear, &e.w.lblYear1, &e.w.lblYear2, &e.w.lblYear3,
                                 &e.w.lblYear4};
        const TextBox* boxes[] = {&e.w.txtYear, &e.w.txtYear1, &e.w.txtYear2, &e.w.txtYear3,
                                  &e.w.txtYear4};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(labels[i]->foreColor, i == c.box ? kRed : kBlack) << i;
        }
        EXPECT_TRUE(e.w.HasFocus(*boxes[c.box]));
        EXPECT_EQ(boxes[c.box]->selLength, static_cast<int>(boxes[c.box]->Text().size()));
        EXPECT_EQ(e.Table(), "");
        e.w.PressKey('5');
        EXPECT_EQ(labels[c.box]->foreColor, kBlack);
        EXPECT_EQ(e.w.stbAuto.caption, "");
    }
    Editor e(kR1);
    e.TypeRecord({"20.2", "12345", "1.5", "0", "99999"});
    e.w.cmdSave.Click();
    EXPECT_EQ(e.Table(), RecordBytes("20.2", "12345", "1.5", "0", "99999"));
}

// Each step and Close (Escape too) offer to save: Yes saves (a fault or a failed save stops the
// step; a record written but not put on the disk is not said to be updated), No drops the
// typing, Cancel stays.
TEST(Editor, StepsAndCloseOfferToSaveTheTypedRecord) {
    const std::string edited = RecordBytes("2001", "3160", "4900", "2950", "1775");
    using F = FrmAutoMax;
    const struct {
        Button F::*button;  // none for the Escape key
        MsgAnswer answer;
        const char* amount;
        bool moved;
        std::string table;
        const char* status;
        bool saveFails = false;
    } cases[] = {
        {&F::cmdNext, MsgAnswer::Yes, "3160", true, edited + kR2, ""},
        {&F::cmdNext, MsgAnswer::Yes, "", false, kR1 + kR2, "Year amount is required."},
        {&F::cmdClose, MsgAnswer::Yes, "3160", false, edited + kR2, "", true},
        {&F::cmdPrevious, MsgAnswer::Yes, "3160", true,
         kR1 + RecordBytes("2002", "3160", "4900", "2950", "1775"), ""},
        {&F::cmdClose, MsgAnswer::No, "3160", true, kR1 + kR2, ""},
        {nullptr, MsgAnswer::Cancel, "3160", false, kR1 + kR2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Editor e(kR1 + kR2);
        if (c.button == &F::cmdPrevious) {
            e.w.cmdNext.Click();
        }
        const int start = e.data.CurrentRecord;
        e.TypeRecord({start == 1 ? "2001" : "2002", c.amount, "4900", "2950", "1775"});
        e.platform.answers = {c.answer};
        if (c.saveFails) {
            e.files.FailOn(FileOp::Sync, err::kDeviceIo);
        }
        if (c.button) {
            (e.w.*c.button).Click();
        } else {
            e.w.PressKey(kKeyEscape);
        }
        std::vector<std::string> boxes{"Save Changes?"};
        if (c.saveFails) {
            boxes.push_back("57 Error in SaveCurrentRecord. Device I/O error");
        }
        EXPECT_EQ(e.Boxes(), boxes);
        EXPECT_EQ(e.platform.boxes[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(e.Table(), c.table);
        EXPECT_EQ(e.w.RecordChanged, !c.moved);
        EXPECT_EQ(e.data.CurrentRecord != start || e.w.Closed(), c.moved);
        EXPECT_EQ(e.data.IsOpen(), !e.w.Closed());
        EXPECT_EQ(e.w.stbAuto.caption, c.status);
        if (!c.moved) {
            EXPECT_EQ(e.w.txtYear1.Text(), c.amount);
        }
    }
}

// A year the table holds in another record is refused; a record not on file (an empty
// table's, or one Add started) is dropped without a question and never said to be deleted;
// the editor goes to the latest year, and to a year asked for.
TEST(Editor, OneRecordAYearAndNothingDeletedThatIsNotOnFile) {
    Editor e(kR2 + kR1);
    e.w.ShowLatestYear();
    EXPECT_EQ(e.w.txtYear.Text(), "2002");
    e.w.cmdAdd.Click();
    e.TypeRecord({"2001", "1", "2", "3", "4"});
    e.w.cmdSave.Click();
    e.ExpectStatus("Year is already in the table.", kRed);
    EXPECT_EQ(e.w.lblYear.foreColor, kRed);
    EXPECT_EQ(e.w.Focused(), &e.w.txtYear);
    e.w.cmdDelete.Click();
    e.ExpectStatus("No record to delete.", kBlue);
    EXPECT_EQ(e.data.RecordCount, 2);
    EXPECT_EQ(e.w.txtYear.Text(), "2001");
    e.platform.answers = {MsgAnswer::No};
    e.w.GoToYear("2002");  // after the question about the typing
    EXPECT_EQ(e.data.CurrentRecord, 1);
    e.w.GoToYear("1999");
    e.ExpectStatus("No record for that year.", kBlue);
    EXPECT_EQ(e.Table(), kR2 + kR1);
    EXPECT_EQ(e.Boxes(), std::vector<std::string>{"Save Changes?"});
    Editor empty;
    empty.w.cmdDelete.Click();
    empty.ExpectStatus("No record to delete.", kBlue);
    EXPECT_TRUE(empty.platform.boxes.empty());
}

TEST(Editor, EachCaptionDeletesFromItsOwnTable) {
    Editor clean(kR1 + kR2, DataFile::kCleanFuelTable, FrmAutoMax::kCleanFuelCaption);
    WriteBytes(clean.folder / "AutoMax.DAT", kR1 + kR2);
    clean.w.cmdDelete.Click();
    EXPECT_EQ(ReadBytes(clean.folder / "Electric.DAT"), kR2);
    EXPECT_EQ(clean.Table(), kR1 + kR2);
}

}  // namespace
}  // namespace pellory
