#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "app/FrmViewDepr.h"

namespace pellory::testing {

// A loaded main window on the fake platform, with the steps a user takes.
class MainWindowTest : public ::testing::Test {
  public:
    MainWindowTest() { w.Load(); }

    // Picks an entry of a list as the user does; the test fails when the list lacks it.
    void Pick(ComboBox& list, const std::string& text) {
        const int index = list.IndexOf(text);
        ASSERT_GE(index, 0) << list.Name() << " has no \"" << text << '"';
        list.SetListIndex(index);
    }
    void Method(const std::string& method) { Pick(w.cboMethod, method); }
    void PickLife(const std::string& life) { Pick(w.cboLife, life); }
    void PickClass(const std::string& label) {
        w.cboClass.DropDown();
        Pick(w.cboClass, label);
    }
    void InService(const std::string& text) {
        w.txtInService.SetText(w.txtInService.EmptyText());
        w.Type(w.txtInService, text);
    }
    // The written cells of a recovery year: year, depreciation, basis.
    std::string Cell(int year, int column) const {
        const int group = (year - 1) / 11;
        return w.grdDepr.TextMatrix(year - group * 11, group * 3 + 1 + column);
    }
    std::vector<std::string> Amounts() const {
        std::vector<std::string> out;
        for (int y = 1; y <= 44; ++y) {
            if (!Cell(y, 0).empty()) {
                out.push_back(Cell(y, 1));
            }
        }
        return out;
    }
    std::string LastBasis() const {
        std::string last;
        for (int y = 1; y <= 44; ++y) {
            if (!Cell(y, 0).empty()) {
                last = Cell(y, 2);
            }
        }
        return last;
    }
    int LastWrittenYear() const {
        int last = 0;
        for (int y = 1; y <= 44; ++y) {
            if (!Cell(y, 0).empty()) {
                last = y;
            }
        }
        return last;
    }

    FakePlatform platform;
    FrmViewDepr w{platform};
};

}  // namespace pellory::testing
