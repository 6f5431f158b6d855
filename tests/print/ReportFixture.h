#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ReportInputs.h"
#include "print/PrintGrid.h"
#include "print/RecordingPrinter.h"

namespace pellory::testing {

// One line of the schedule table: its height on the page and its three cells.
struct TableLine {
    double y = 0.0;
    std::vector<PrintedText> cells;
};

// A loaded main window with a recording printer, and ways to read the printed report back.
class ReportTest : public MainWindowTest {
  public:
    static constexpr double kBodyLine = 8 * RecordingPrinter::kLineHeightPerPoint;  // 192

    // The report of the window's schedule, its inputs changed first by `change`.
    template <typename Change>
    void Print(Change&& change) {
        ReportInputs inputs = ReportInputsOf(w);
        change(inputs);
        printedCleanly = PrintGrid(inputs, printer, pointer, platform);
    }
    void Print() {
        Print([](ReportInputs&) {});
    }

    // The 5-year MACRS example with the special allowance: six years from 2002.
    void WorkedExample() {
        w.Type(w.txtCost, "10000");
        Method("MACRS");
        InService("03/2002");
        PickLife("5");
        w.chkBonus.value = 1;
        w.Type(w.txtDescription, "Office copier");
        w.cmdCalculate.Click();
    }

    // The life picked from the list when it holds that text, otherwise typed into the box.
    void Life(const std::string& life) {
        for (const ComboItem& item : w.cboLife.Items()) {
            if (item.text == life) {
                PickLife(life);
                return;
            }
        }
        w.Type(w.cboLife, life);
    }

    // The first printed text that begins with `start`; fails the test when there is none.
    PrintedText Text(std::string_view start) const {
        for (const PrintedText& p : printer.printed) {
            if (std::string_view(p.text).substr(0, start.size()) == start &&
                (!start.empty() || p.text.empty())) {
                return p;
            }
        }
        ADD_FAILURE() << "nothing printed beginning with \"" << start << "\"";
        return {};
    }
    bool Printed(std::string_view start) const {
        for (const PrintedText& p : printer.printed) {
            if (std::string_view(p.text).substr(0, start.size()) == start) {
                return true;
            }
        }
        return false;
    }

    // The lines printed after the rule below the column heading, each with its cells.
    std::vector<TableLine> Table() const {
        const std::string rule(60, '_');
        int rules = 0;
        std::vector<TableLine> lines;
        for (const PrintedText& p : printer.printed) {
            if (rules < 2) {
                rules += p.text == rule ? 1 : 0;
                continue;
            }
            if (!p.newLine) {
                if (lines.empty() || lines.back().y != p.y) {
                    lines.push_back({p.y, {}});
                }
                lines.back().cells.push_back(p);
            }
        }
        return lines;
    }
    // The cell texts of a table line joined with "|".
    static std::string Joined(const TableLine& line) {
        std::string out;
        for (const PrintedText& cell : line.cells) {
            out += (out.empty() ? "" : "|") + cell.text;
        }
        return out;
    }

    RecordingPrinter printer;
    RecordingPointer pointer;
    bool printedCleanly = false;
};

}  // namespace pellory::testing
