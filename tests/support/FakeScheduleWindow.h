#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "ScheduleRowPrinter.h"
#include "engine/AutoLimitSource.h"
#include "engine/Depr.h"
#include "engine/ScheduleWindow.h"

namespace pellory::testing {

// The main window as the engine sees it, with plain fields to set.
class FakeScheduleWindow : public ScheduleWindow {
  public:
    std::string InServiceText() const override { return inService; }
    std::string SoldText() const override { return sold; }
    std::string CostText() const override { return cost; }
    std::string AdjCostText() const override { return adjCost; }
    std::string BusinessPercentText() const override { return business; }
    bool BonusTicked() const override { return bonus; }
    Grid& ScheduleGrid() override { return grid; }
    void EnablePrint() override { printEnabled = true; }
    void ShowStatus(const std::string& text) override { status = text; }
    void SetStatusStyle(Color c, bool b) override {
        statusColor = c;
        statusBold = b;
    }
    void SetAutoBusinessLabelColor(Color c) override { autoBusinessColor = c; }

    std::string inService = "01/2002";
    std::string sold = "__/____";
    std::string cost = "10000";
    std::string adjCost;
    std::string business;
    bool bonus = false;
    Grid grid{kGridRows, kGridCols};
    bool printEnabled = false;
    std::string status;
    Color statusColor = kRed;
    bool statusBold = false;
    Color autoBusinessColor = kWindowText;
};

// Yearly caps in memory by table and year; a table in `unavailable` cannot be opened.
class FakeAutoLimits : public AutoLimitSource {
  public:
    AutoLimitLookup FindYear(const std::string& fileName, const std::string& year) override {
        lookups.push_back(fileName + ":" + year);
        if (unavailable.contains(fileName)) {
            return {LookupResult::TableUnavailable, {}};
        }
        const auto it = caps.find(fileName + ":" + year);
        if (it == caps.end()) {
            return {};
        }
        return {LookupResult::Found, it->second};
    }
    std::map<std::string, AutoCaps> caps;
    std::set<std::string> unavailable;
    std::vector<std::string> lookups;
};

}  // namespace pellory::testing
