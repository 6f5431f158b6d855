#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using CopyScheduleTest = testing::MainWindowTest;

TEST_F(CopyScheduleTest, TheWrittenRowsGoOutInRecoveryYearOrderWithoutTrailingBlanks) {
    struct Clipboard : NoServices {
        void CopyToClipboard(const std::string& text) override { copied.push_back(text); }
        std::vector<std::string> copied;
    } clipboard;
    std::vector<std::string>& copied = clipboard.copied;
    w.SetServices(&clipboard);
    w.CopySchedule();
    EXPECT_TRUE(copied.empty()) << "an empty grid copies nothing";

    w.Type(w.txtCost, "12000");
    Method("Straight Line");
    InService("07/2002");
    w.Type(w.cboLife, "12");
    w.cmdCalculate.Click();
    w.mnuTools.entries.at(4).onClick();  // Copy Schedule
    ASSERT_EQ(copied.size(), 1U);
    EXPECT_EQ(w.mnuTools.entries.at(4).caption, "Copy Schedule");
    // Years 12 and 13 stand in the grid's second group of columns.
    EXPECT_EQ(copied[0],
              "Year\tDepreciation\tAdj. Tax Basis\n"
              "2002\t500.00\t11,500.00\n2003\t1,000.00\t10,500.00\n2004\t1,000.00\t9,500.00\n"
              "2005\t1,000.00\t8,500.00\n2006\t1,000.00\t7,500.00\n2007\t1,000.00\t6,500.00\n"
              "2008\t1,000.00\t5,500.00\n2009\t1,000.00\t4,500.00\n2010\t1,000.00\t3,500.00\n"
              "2011\t1,000.00\t2,500.00\n2012\t1,000.00\t1,500.00\n2013\t1,000.00\t500.00\n"
              "2014\t500.00\t.00\n");
}

}  // namespace
}  // namespace pellory
