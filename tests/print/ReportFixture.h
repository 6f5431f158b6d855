#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ReportInputs.h"
#include "print/PrintGrid.h"
#include "print/RecordingPrinter.h"

namespace pellory::testing {

// A main window with a recording printer, and ways to read the report back.
class ReportTest : public MainWindowTest {
  public:
    static constexpr double kBodyLine = 8 * RecordingPrinter::kLineHeightPerPoint;  // 192

    // The report of the window's schedule, its inputs changed first by `change`.
    template <typename Change>
    void Print(Change&& change) {
        ReportInputs inputs = ReportInputsOf(w);
        change(inputs);
        printer = RecordingPrinter{};
        printedCleanly = PrintGrid(inputs, printer, pointer, platform);
    }
    void Print() {
        Print([](ReportInputs&) {});
    }

    void WorkedExample() {
        w.Type(w.txtCost, "10000");
        Method("MACRS");
        InService("03/2002");
        PickLife("5");
        w.chkBonus.value = 1;
        w.Type(w.txtDescription, "Office copier");
        w.cmdCalculate.Click();
    }

    // The first printed text that begins with `start`, or an empty one.
    PrintedText Text(std::string_view start) const {
        for (const PrintedText& p : printer.printed) {
            if (p.text.starts_with(start)) {
                return p;
            }
        }
        return {};
    }

    // A line of the schedule table below the heading's rule: its cells joined with "|".
    struct TableLine {
        double y = 0;
        std::string text;
        std::vector<double> xs;
    };
    std::vector<TableLine> Table() const {
        int rules = 0;
        std::vector<TableLine> lines;
        for (const PrintedText& p : printer.printed) {
            rules += p.text == std::string(60, '_') ? 1 : 0;
            if (rules < 2 || p.newLine) {
                continue;
            }
            if (lines.empty() || lines.back().y != p.y) {
                lines.push_back({p.y, p.text, {p.x}});
            } else {
                lines.back().text += "|" + p.text;
                lines.back().xs.push_back(p.x);
            }
        }
        return lines;
    }

    RecordingPrinter printer;
    RecordingPointer pointer;
    bool printedCleanly = false;
};

}  // namespace pellory::testing
