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

    void Method(const std::string& method) {
        for (int i = 0; i < w.cboMethod.ListCount(); ++i) {
            if (w.cboMethod.Items()[static_cast<std::size_t>(i)].text == method) {
                w.cboMethod.SetListIndex(i);
                return;
            }
        }
        FAIL() << "no method " << method;
    }
    void PickLife(const std::string& life) {
        for (int i = 0; i < w.cboLife.ListCount(); ++i) {
            if (w.cboLife.Items()[static_cast<std::size_t>(i)].text == life) {
                w.cboLife.SetListIndex(i);
                return;
            }
        }
        FAIL() << "no life " << life;
    }
    void PickClass(const std::string& label) {
        w.cboClass.DropDown();
        for (int i = 0; i < w.cboClass.ListCount(); ++i) {
            if (w.cboClass.Items()[static_cast<std::size_t>(i)].text == label) {
                w.cboClass.SetListIndex(i);
                return;
            }
        }
        FAIL() << "no class " << label;
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
