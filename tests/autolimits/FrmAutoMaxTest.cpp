#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AutoLimitsTestSupport.h"
#include "FakePlatform.h"
#include "autolimits/DataFile.h"
#include "autolimits/FrmAutoMax.h"

namespace pellory {
namespace {

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::ReadBytes;
using testing::RecordBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kR2001 = RecordBytes("2001", "3060", "4900", "2950", "1775");
const std::string kR2002 = RecordBytes("2002", "3060", "4900", "2950", "1775");

class Editor : public ::testing::Test {
  protected:
    Editor() { platform.folder = folder.Path(); }

    // Opens a table, as the main window's menu does, and loads a fresh editor on it.
    FrmAutoMax& Open(const std::string& table = DataFile::kOrdinaryTable,
                     const std::string& caption = FrmAutoMax::kDesignCaption) {
        data.OpenFile(table);
        form = std::make_unique<FrmAutoMax>(platform, data);
        if (caption != FrmAutoMax::kDesignCaption) {
            form->SetCaption(caption);
        }
        form->Load();
        return *form;
    }

    // Types a whole record, each box's text replacing what it held.
    static void TypeRecord(FrmAutoMax& w, const RecordTexts& texts) {
        TextBox* boxes[] = {&w.txtYear, &w.txtYear1, &w.txtYear2, &w.txtYear3, &w.txtYear4};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            w.UserFocus(*boxes[i]);
            boxes[i]->SelectAll();
            w.PressKey(kKeyBackspace);
            w.Type(*boxes[i], texts[i]);
        }
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : platform.boxes) {
            EXPECT_EQ(box.title, kAppTitle);
            texts.push_back(box.text);
        }
        return texts;
    }

    std::string Table() const { return ReadBytes(folder / "AutoMax.DAT"); }

    static void ExpectNotice(const FrmAutoMax& w, const std::string& text) {
        EXPECT_EQ(w.stbAuto.caption, text);
        EXPECT_EQ(w.stbAuto.foreColor, kBlue);
        EXPECT_FALSE(w.stbAuto.bold);
    }
    static void ExpectWarning(const FrmAutoMax& w, const std::string& text) {
        EXPECT_EQ(w.stbAuto.caption, text);
        EXPECT_EQ(w.stbAuto.foreColor, kRed);
        EXPECT_TRUE(w.stbAuto.bold);
    }

    TempFolder folder;
    testing::FakePlatform platform;
    FaultyFileSystem files;
    DataFile data{platform, files};
    std::unique_ptr<FrmAutoMax> form;
};

TEST_F(Editor, HoldsItsControlsAsDesigned) {
    FrmAutoMax& w = Open();
    EXPECT_EQ(w.Caption(), "Automobile  Maximun Amounts");
    EXPECT_EQ(w.lblYear.caption, "Year:");
    EXPECT_EQ(w.lblYear1.caption, " 1st Year Max:");
    EXPECT_EQ(w.lblYear2.caption, " 2nd Year Max:");
    EXPECT_EQ(w.lblYear3.caption, "3rd Year Max:");
    EXPECT_EQ(w.lblYear4.caption, "4th Year Max:");
    EXPECT_EQ(w.txtYear.maxLength, 4);
    for (const TextBox* box : {&w.txtYear1, &w.txtYear2, &w.txtYear3, &w.txtYear4}) {
        EXPECT_EQ(box->maxLength, 7);
    }
    const std::vector<std::pair<const Button*, const char*>> buttons{
        {&w.cmdNext, "&Next"}, {&w.cmdPrevious, "&Previous"}, {&w.cmdDelete, "&Delete"},
        {&w.cmdAdd, "&Add"},   {&w.cmdSave, "&Save"},         {&w.cmdClose, "&Close"}};
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->caption, caption);
        EXPECT_FALSE(button->isDefault);
    }
    EXPECT_TRUE(w.cmdClose.isCancel);
    const std::vector<const Control*> tabOrder{
        &w.txtYear,     &w.txtYear1,  &w.txtYear2, &w.txtYear3, &w.txtYear4, &w.cmdNext,
        &w.cmdPrevious, &w.cmdDelete, &w.cmdAdd,   &w.cmdSave,  &w.cmdClose};
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        EXPECT_EQ(tabOrder[i]->tabIndex, static_cast<int>(i)) << tabOrder[i]->Name();
    }
    EXPECT_EQ(w.stbAuto.caption, "");
    EXPECT_EQ(w.stbAuto.foreColor, kRed);
    EXPECT_EQ(w.stbAuto.backColor, kInactiveCaptionText);
    EXPECT_FALSE(w.RecordChanged);

    const auto layout = w.Layout();
    ASSERT_EQ(layout.size(), 17U);
    EXPECT_EQ(layout.back().control, &w.stbAuto);
    EXPECT_EQ((std::vector<int>{layout.back().left, layout.back().top, layout.back().width,
                                layout.back().height}),
              (std::vector<int>{50, 2280, 4570, 315}));
    EXPECT_TRUE(layout.back().singleBorder);
    EXPECT_EQ(layout[1].control, &w.txtYear);
    EXPECT_EQ(layout[1].top, 240);
}

TEST_F(Editor, LoadCentresTheWindowOnTheScreen) {
    data.OpenFile(DataFile::kOrdinaryTable);
    FrmAutoMax w(platform, data);
    w.Load(ScreenSize{15360, 11520});
    EXPECT_EQ(w.Left(), (15360 - 4680) / 2);
    EXPECT_EQ(w.Top(), (11520 - 2670) / 2);
}

TEST_F(Editor, ANewTableShowsABlankRecordAndSavesItAsTheFirst) {
    FrmAutoMax& w = Open();
    EXPECT_EQ(w.BoxTexts(), (RecordTexts{"", "", "", "", ""}));
    TypeRecord(w, {"2002", "3060", "4900", "2950", "1775"});
    EXPECT_TRUE(w.RecordChanged);
    w.cmdSave.Click();
    EXPECT_TRUE(w.SaveSucceeded);
    EXPECT_FALSE(w.RecordChanged);
    ExpectNotice(w, "Record Updated.");
    EXPECT_EQ(Table(), kR2002);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(Editor, ShowsTheFirstRecordOnLoadAndStepsThroughTheTable) {
    WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
    FrmAutoMax& w = Open();
    EXPECT_EQ(w.BoxTexts(), (RecordTexts{"2001", "3060", "4900", "2950", "1775"}));
    w.cmdNext.Click();
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(w.txtYear.Text(), "2002");
    EXPECT_EQ(w.stbAuto.caption, "");
    w.cmdPrevious.Click();
    EXPECT_EQ(data.CurrentRecord, 1);
    EXPECT_EQ(w.txtYear.Text(), "2001");
}

TEST_F(Editor, StepsOffEitherEndShowNoMoreRecords) {
    WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
    FrmAutoMax& w = Open();
    w.cmdPrevious.Click();
    ExpectNotice(w, "No more records.");
    EXPECT_EQ(data.CurrentRecord, 1);
    w.cmdNext.Click();
    w.cmdNext.Click();
    ExpectNotice(w, "No more records.");
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(w.txtYear.Text(), "2002");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Editor, AddOnAnEmptyTableStartsRecordTwoAndLeavesAZeroRecordBefore) {
    FrmAutoMax& w = Open();
    w.cmdAdd.Click();
    EXPECT_EQ(data.RecordCount, 2);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(w.BoxTexts(), (RecordTexts{"", "", "", "", ""}));
    EXPECT_TRUE(w.HasFocus(w.txtYear));
    EXPECT_EQ(Table(), "");
    TypeRecord(w, {"2002", "3060", "4900", "2950", "1775"});
    w.cmdSave.Click();
    EXPECT_EQ(Table(), std::string(24, '\0') + kR2002);

    w.cmdPrevious.Click();
    EXPECT_EQ(data.CurrentRecord, 1);
    EXPECT_EQ(w.BoxTexts(), (RecordTexts{"", "", "", "", ""}));
    w.cmdDelete.Click();
    ExpectNotice(w, "Record Deleted");
    EXPECT_EQ(Table(), kR2002);
    EXPECT_EQ(w.txtYear.Text(), "2002");
}

TEST_F(Editor, AddDropsTypedValuesWithoutAsking) {
    WriteBytes(folder / "AutoMax.DAT", kR2001);
    FrmAutoMax& w = Open();
    w.Type(w.txtYear1, "9999");
    w.cmdAdd.Click();
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(w.RecordChanged);  // Add leaves the flag alone
    EXPECT_EQ(w.BoxTexts(), (RecordTexts{"", "", "", "", ""}));
    EXPECT_EQ(Table(), kR2001);
}

TEST_F(Editor, ARejectedKeyBeepsWarnsAndStillMarksTheRecordChanged) {
    WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
    FrmAutoMax& w = Open();
    struct Case {
        TextBox* box;
        int key;
    };
    const Case cases[] = {{&w.txtYear, 'a'},  {&w.txtYear1, '-'}, {&w.txtYear2, ' '},
                          {&w.txtYear3, ','}, {&w.txtYear4, 'E'}, {&w.txtYear1, kKeyEnter}};
    int beeps = 0;
    for (const auto& c : cases) {
        const std::string before = c.box->Text();
        w.UserFocus(*c.box);
        w.PressKey(c.key);
        EXPECT_EQ(c.box->Text(), before) << c.key;
        EXPECT_EQ(platform.beeps, ++beeps) << c.key;
        ExpectWarning(w, "Only numeric data is allowed.");
    }
    EXPECT_TRUE(w.RecordChanged);
    platform.answers = {MsgAnswer::Cancel};
    w.cmdNext.Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Save Changes?"});
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(data.CurrentRecord, 1);
}

TEST_F(Editor, DigitsPointAndBackspaceGoIn) {
    FrmAutoMax& w = Open();
    w.Type(w.txtYear1, "12.5");
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.txtYear1.Text(), "12.");
    w.Type(w.txtYear2, "12345678");  // the box takes seven
    EXPECT_EQ(w.txtYear2.Text(), "1234567");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(w.stbAuto.caption, "");
}

TEST_F(Editor, FocusInABoxSelectsItsWholeText) {
    WriteBytes(folder / "AutoMax.DAT", kR2001);
    FrmAutoMax& w = Open();
    w.UserFocus(w.txtYear1);
    EXPECT_EQ(w.txtYear1.selStart, 0);
    EXPECT_EQ(w.txtYear1.selLength, 4);
    w.Type(w.txtYear1, "7");
    EXPECT_EQ(w.txtYear1.Text(), "7");
}

TEST_F(Editor, SaveChecksStopAtTheFirstFault) {
    struct Case {
        RecordTexts typed;
        std::string message;
        int label;  // 0 lblYear .. 4 lblYear4
    };
    const std::vector<Case> cases{
        {{"", "1", "2", "3", "4"}, "Year is required.", 0},
        {{"", "", "", "", ""}, "Year is required.", 0},
        {{"200", "1", "2", "3", "4"}, "Year must be 4 digits.", 0},
        {{"2", "", "", "", ""}, "Year must be 4 digits.", 0},
        {{"2002", "", "2", "3", "4"}, "Year amount is required.", 1},
        {{"2002", "1", "", "3", "4"}, "Year amount is required.", 2},
        {{"2002", "1", "2", "", "4"}, "Year amount is required.", 3},
        {{"2002", "1", "2", "3", ""}, "Year amount is required.", 4},
        {{"2002", "100000", "", "3", "4"}, "Year amount can't be more than 5 characters.", 1},
        {{"2002", ".", "", "3", "4"}, "Year amount must be a number.", 1},
        {{"2002", "1", "1..2", "", "4"}, "Year amount must be a number.", 2},
        {{"2002", "1", "2", "3", "4.5.6"}, "Year amount must be a number.", 4},
        {{"2002", "1", "", "1234567", "4"}, "Year amount is required.", 2},
        {{"2002", "1", "2", "12345.5", "4"}, "Year amount can't be more than 5 characters.", 3},
        {{"2002", "1", "2", "3", "3060.0"}, "Year amount can't be more than 5 characters.", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0] + "|" + c.typed[1] + "|" + c.typed[2] + "|" + c.typed[3] + "|" +
                     c.typed[4]);
        TempFolder own;
        testing::FakePlatform fresh;
        fresh.folder = own.Path();
        DataFile table(fresh);
        table.OpenFile(DataFile::kOrdinaryTable);
        FrmAutoMax w(fresh, table);
        w.Load();
        w.ShowBoxTexts(c.typed);
        w.cmdSave.Click();
        EXPECT_FALSE(w.SaveSucceeded);
        ExpectWarning(w, c.message);
        const Label* labels[] = {&w.lblYear, &w.lblYear1, &w.lblYear2, &w.lblYear3, &w.lblYear4};
        const TextBox* boxes[] = {&w.txtYear, &w.txtYear1, &w.txtYear2, &w.txtYear3, &w.txtYear4};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(labels[i]->foreColor, i == c.label ? kRed : kBlack) << i;
        }
        EXPECT_TRUE(w.HasFocus(*boxes[c.label]));
        EXPECT_EQ(boxes[c.label]->selLength, static_cast<int>(boxes[c.label]->Text().size()));
        EXPECT_EQ(ReadBytes(own / "AutoMax.DAT"), "");
        EXPECT_TRUE(fresh.boxes.empty());
    }
}

TEST_F(Editor, AmountsOfUpToFiveCharactersAndAYearWithAPointAreSaved) {
    FrmAutoMax& w = Open();
    TypeRecord(w, {"20.2", "12345", "1.5", "0", "99999"});
    w.cmdSave.Click();
    EXPECT_TRUE(w.SaveSucceeded);
    EXPECT_EQ(Table(), RecordBytes("20.2", "12345", "1.5", "0", "99999"));
    ExpectNotice(w, "Record Updated.");
}

TEST_F(Editor, SaveWritesEvenWhenNothingWasTyped) {
    WriteBytes(folder / "AutoMax.DAT", RecordBytes("2001", "3060", "4900", "2950", "1775"));
    FrmAutoMax& w = Open();
    WriteBytes(folder / "AutoMax.DAT", RecordBytes("1999", "1", "2", "3", "4"));
    w.cmdSave.Click();
    EXPECT_EQ(Table(), kR2001);
}

TEST_F(Editor, TypingAfterAFailedSaveClearsTheWarningAndTheRedLabel) {
    FrmAutoMax& w = Open();
    w.Type(w.txtYear, "200");
    w.cmdSave.Click();
    EXPECT_EQ(w.lblYear.foreColor, kRed);
    w.PressKey('2');
    EXPECT_EQ(w.lblYear.foreColor, kBlack);
    EXPECT_EQ(w.stbAuto.caption, "");
    EXPECT_EQ(w.txtYear.Text(), "2002");
}

TEST_F(Editor, NextOffersToSaveTheTypedRecord) {
    struct Case {
        const char* name;
        MsgAnswer answer;
        RecordTexts typed;
        int recordAfter;
        std::string fileAfter;
        bool changedAfter;
        std::string status;
    };
    const std::string edited = RecordBytes("2001", "3160", "4900", "2950", "1775");
    const std::vector<Case> cases{
        {"yes, valid",
         MsgAnswer::Yes,
         {"2001", "3160", "4900", "2950", "1775"},
         2,
         edited + kR2002,
         false,
         ""},
        {"yes, invalid",
         MsgAnswer::Yes,
         {"2001", "3160", "", "2950", "1775"},
         1,
         kR2001 + kR2002,
         true,
         "Year amount is required."},
        {"no",
         MsgAnswer::No,
         {"2001", "3160", "4900", "2950", "1775"},
         2,
         kR2001 + kR2002,
         false,
         ""},
        {"cancel",
         MsgAnswer::Cancel,
         {"2001", "3160", "4900", "2950", "1775"},
         1,
         kR2001 + kR2002,
         true,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
        platform.boxes.clear();
        FrmAutoMax& w = Open();
        TypeRecord(w, c.typed);
        platform.answers = {c.answer};
        w.cmdNext.Click();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Save Changes?"});
        EXPECT_EQ(data.CurrentRecord, c.recordAfter);
        EXPECT_EQ(Table(), c.fileAfter);
        EXPECT_EQ(w.RecordChanged, c.changedAfter);
        EXPECT_EQ(w.stbAuto.caption, c.status);
        if (c.recordAfter == 1) {
            EXPECT_EQ(w.BoxTexts(), c.typed);  // the typing stays in view
        }
        data.CloseFile();
    }
}

TEST_F(Editor, PreviousOffersToSaveToo) {
    WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
    FrmAutoMax& w = Open();
    w.cmdNext.Click();
    w.Type(w.txtYear4, "1");
    platform.answers = {MsgAnswer::Yes};
    w.cmdPrevious.Click();
    EXPECT_EQ(Table(), kR2001 + RecordBytes("2002", "3060", "4900", "2950", "1"));
    EXPECT_EQ(data.CurrentRecord, 1);
    EXPECT_EQ(w.stbAuto.caption, "");  // the step clears "Record Updated."
}

TEST_F(Editor, CloseOffersToSaveThenClosesTheTable) {
    struct Case {
        const char* name;
        MsgAnswer answer;
        const char* firstAmount;
        bool closed;
        std::string fileAfter;
    };
    const std::vector<Case> cases{
        {"yes, valid", MsgAnswer::Yes, "3160", true,
         RecordBytes("2001", "3160", "4900", "2950", "1775")},
        {"yes, invalid", MsgAnswer::Yes, "", false, kR2001},
        {"no", MsgAnswer::No, "3160", true, kR2001},
        {"cancel", MsgAnswer::Cancel, "3160", false, kR2001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "AutoMax.DAT", kR2001);
        platform.boxes.clear();
        FrmAutoMax& w = Open();
        w.UserFocus(w.txtYear1);
        w.PressKey(kKeyBackspace);
        w.Type(w.txtYear1, c.firstAmount);
        platform.answers = {c.answer};
        w.cmdClose.Click();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Save Changes?"});
        EXPECT_EQ(w.Closed(), c.closed);
        EXPECT_EQ(data.IsOpen(), !c.closed);
        EXPECT_EQ(Table(), c.fileAfter);
        if (!c.closed) {
            EXPECT_EQ(w.txtYear1.Text(), c.firstAmount);
            EXPECT_TRUE(w.RecordChanged);
            data.CloseFile();
        }
    }
}

TEST_F(Editor, CloseWithoutTypingAsksNothing) {
    FrmAutoMax& w = Open();
    w.cmdClose.Click();
    EXPECT_TRUE(w.Closed());
    EXPECT_FALSE(data.IsOpen());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Editor, EscapePressesClose) {
    FrmAutoMax& w = Open();
    w.UserFocus(w.txtYear2);
    w.PressKey(kKeyEscape);
    EXPECT_TRUE(w.Closed());
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(Editor, DeleteAnsweredNoKeepsEverything) {
    WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
    FrmAutoMax& w = Open();
    w.cmdPrevious.Click();  // "No more records."
    platform.answers = {MsgAnswer::No};
    w.cmdDelete.Click();
    EXPECT_EQ(w.stbAuto.caption, "");
    EXPECT_EQ(Table(), kR2001 + kR2002);
    EXPECT_EQ(data.RecordCount, 2);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Delete current record?"});
}

TEST_F(Editor, EachCaptionDeletesFromItsOwnTable) {
    WriteBytes(folder / "AutoMax.DAT", kR2001 + kR2002);
    WriteBytes(folder / "Electric.DAT", kR2001 + kR2002);

    FrmAutoMax& clean = Open(DataFile::kCleanFuelTable, FrmAutoMax::kCleanFuelCaption);
    EXPECT_EQ(clean.Caption(), "Clean Fuel Auto Max Amount");
    clean.cmdDelete.Click();
    clean.cmdClose.Click();
    EXPECT_EQ(ReadBytes(folder / "Electric.DAT"), kR2002);
    EXPECT_EQ(Table(), kR2001 + kR2002);

    FrmAutoMax& ordinary = Open();
    EXPECT_EQ(ordinary.Caption(), "Automobile  Maximun Amounts");
    ordinary.cmdNext.Click();
    ordinary.cmdDelete.Click();
    ExpectNotice(ordinary, "Record Deleted");
    EXPECT_EQ(Table(), kR2001);
    EXPECT_EQ(ReadBytes(folder / "Electric.DAT"), kR2002);
    EXPECT_EQ(ordinary.txtYear.Text(), "2001");
}

TEST_F(Editor, AFailedWriteIsReportedAndTheRecordStaysUnsaved) {
    WriteBytes(folder / "AutoMax.DAT", kR2001);
    FrmAutoMax& w = Open();
    w.Type(w.txtYear1, "3160");
    files.FailOn(FileOp::Write, "AutoMax.DAT", 1, err::kDiskFull);
    platform.answers = {MsgAnswer::Yes};
    w.cmdClose.Click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Save Changes?",
                                                    "61 Error in SaveCurrentRecord. Disk full"}));
    EXPECT_FALSE(w.SaveSucceeded);
    EXPECT_TRUE(w.RecordChanged);
    EXPECT_FALSE(w.Closed());
    EXPECT_NE(w.stbAuto.caption, "Record Updated.");
    EXPECT_EQ(Table(), kR2001);
}

}  // namespace
}  // namespace pellory
