#pragma once

#include <string>

#include "engine/Grid.h"
#include "platform/Colors.h"

namespace pellory {

// What the depreciation engine reads and writes on the main window. The texts are read at the
// moment of use.
class ScheduleWindow {
  public:
    virtual ~ScheduleWindow() = default;

    virtual std::string InServiceText() const = 0;
    virtual std::string SoldText() const = 0;
    virtual std::string CostText() const = 0;
    virtual std::string AdjCostText() const = 0;
    virtual std::string BusinessPercentText() const = 0;
    virtual bool BonusTicked() const = 0;

    virtual Grid& ScheduleGrid() = 0;
    virtual void EnablePrint() = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void SetStatusStyle(Color color, bool bold) = 0;
    virtual void SetAutoBusinessLabelColor(Color color) = 0;
};

}  // namespace pellory
