#include <gtest/gtest.h>

#include <algorithm>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using CopyScheduleTest = testing::MainWindowTest;

TEST_F(CopyScheduleTest, TheWrittenRowsGoOutInRecoveryYearOrderWithoutTrailingBlanks) {
    struct Clipboard : NoServices {
        void CopyToClipboard(const std::string& text) override { copied.push_back(text); }
        std::vector<std::string> copied;
    } clipboard;
    const std::vector<std::string>& copied = clipboard.copied;
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
    EXPECT_EQ(std::count(copied[0].begin(), copied[0].end(), '\n'), 14);
    // Years 12 and 13 stand in the grid's second group of columns.
    EXPECT_EQ(copied[0].substr(0, 62),
              "Year\tDepreciation\tAdj. Tax Basis\n2002\t500.00\t11,500.00\n2003\t1,");
    EXPECT_EQ(copied[0].substr(copied[0].size() - 61),
              "\n2012\t1,000.00\t1,500.00\n2013\t1,000.00\t500.00\n2014\t500.00\t.00\n");
}

}  // namespace
}  // namespace pellory
