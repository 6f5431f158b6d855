#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "ScheduleRowPrinter.h"
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
    // The schedule's rows, and the row of a recovery year (null when it has none).
    const std::vector<ScheduleRow>& Rows() const { return w.Result().rows; }
    const ScheduleRow* Row(int year) const { return w.Result().Row(year); }
    // A year's depreciation and the adjusted basis after it, in cents; -1 without a row.
    std::int64_t Amount(int year) const { return Row(year) ? Row(year)->amountCents : -1; }
    std::int64_t Basis(int year) const { return Row(year) ? Row(year)->basisCents : -1; }
    std::int64_t LastBasis() const { return Rows().empty() ? -1 : Rows().back().basisCents; }
    int LastWrittenYear() const { return Rows().empty() ? 0 : Rows().back().recoveryYear; }

    FakePlatform platform;
    FrmViewDepr w{platform};
};

}  // namespace pellory::testing
