// Drives the main window model as a user would, in any order: typing into the boxes, keys,
// picks from the lists, the convention and asset type buttons, the allowance, Calculate, Clear
// and the Tools entries. After every step the grid must show the schedule's rows and nothing
// else; after every Calculate the rows, running total and error boxes must agree.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ByteReader.h"
#include "FuzzPlatform.h"
#include "app/FrmViewDepr.h"
#include "controls/Utf8.h"
#include "engine/EngineValues.h"
#include "engine/Numbers.h"

namespace pellory::fuzz {
namespace {

constexpr const char* kHeadings[3] = {" Year ", "  Depreciation  ", " Adj. Tax Basis "};

std::string Record(const std::string& year, const std::string& first, const std::string& second,
                   const std::string& third, const std::string& fourth) {
    const auto pad = [](std::string text, std::size_t width) {
        text.resize(width, ' ');
        return text;
    };
    return pad(year, 4) + pad(first, 5) + pad(second, 5) + pad(third, 5) + pad(fourth, 5);
}

// Limit tables with an ordinary year, a year whose later caps are 0 (the schedule runs past
// year 43), a year with blank caps (not a number) and a clean-fuel year.
void WriteTables(const std::filesystem::path& folder) {
    std::ofstream(folder / "AutoMax.DAT", std::ios::binary)
        << Record("2002", "3060", "4900", "2950", "1775")
        << Record("2001", "3060", "4900", "2950", "1775")
        << Record("2000", "2560", "4100", "2450", "0") << Record("1999", "", "", "", "");
    std::ofstream(folder / "Electric.DAT", std::ios::binary)
        << Record("2002", "9180", "14800", "885", "5325");
}

// Checks the grid against the schedule's rows: the headings are intact, a year's row shows the
// row's texts and a year without one is empty; the rows are well formed, never negative, and
// their calendar years follow the recovery years.
const std::vector<ScheduleRow>& CheckSchedule(const FrmViewDepr& w) {
    const Grid& grid = w.grdDepr;
    for (int col = 1; col < kGridCols; ++col) {
        Require(grid.TextMatrix(0, col) == kHeadings[(col - 1) % 3], "grid headings intact");
    }
    const Schedule& schedule = w.Result();
    for (int y = 1; y <= kMaxRecoveryYears; ++y) {
        const GridPlace place = GridPlaceOf(y);
        const ScheduleRow* row = schedule.Row(y);
        const std::string expected[3] = {row ? YearText(*row) : "", row ? AmountText(*row) : "",
                                         row ? BasisText(*row) : ""};
        for (int k = 0; k < 3; ++k) {
            Require(grid.TextMatrix(place.row, place.firstCol + k) == expected[k],
                    "the grid shows the schedule's row of year " + std::to_string(y));
        }
    }
    const std::vector<ScheduleRow>& rows = schedule.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Require(rows[i].recoveryYear >= 1 && rows[i].recoveryYear <= kMaxRecoveryYears,
                "a row's year lies in the grid");
        Require(i == 0 || rows[i - 1].recoveryYear < rows[i].recoveryYear,
                "rows in recovery-year order");
        Require(rows[i].amountCents > 0, "a written row has an amount");
        Require(rows[i].basisCents >= 0, "Adj. Tax Basis is never negative");
        Require(rows[i].calendarYear - rows[i].recoveryYear ==
                    rows[0].calendarYear - rows[0].recoveryYear,
                "calendar years follow the recovery years");
    }
    return rows;
}

// How many recovery years the Calculate command runs for the boxes as they stand.
int RecoveryYears(const FrmViewDepr& w) {
    const std::string& cls = w.cboClass.Text();
    if (w.cboClass.ListIndex() != -1 && cls.rfind("Automobiles", 0) == 0) {
        return kMaxRecoveryYears;  // the capped schedule stops itself before year 44
    }
    double life = 0;
    if (!w.cboLife.Text().empty()) {
        life = Val(w.cboLife.Text());
    } else if (w.cboClass.ListIndex() != -1) {
        life = w.cboClass.Items()[static_cast<std::size_t>(w.cboClass.ListIndex())].itemData;
    }
    if (!(life >= 0) || life > 1000) {
        return 1001;
    }
    return static_cast<int>(std::ceil(life)) + 1;
}

// The business cost the grid's basis starts from, in cents.
std::int64_t BusinessCents(const FrmViewDepr& w) {
    const double adjusted = Val(w.lblAdjCost.caption);
    double cost = adjusted > 0 ? adjusted : StrictNumber(w.txtCost.Text());
    if (!w.txtBusinessPercent.Text().empty()) {
        cost = Multiply(cost, BusinessFractionOf(w.txtBusinessPercent.Text()));
    }
    return ScaledRound(cost, 2);
}

// After one Calculate: no more than two error boxes per recovery year and a few of the
// command's own; the running total is what the written rows show, and each written row's basis
// is the business cost less the cents shown up to it, never past it.
void CheckCalculation(FrmViewDepr& w, const FuzzPlatform& platform, std::size_t boxesBefore,
                      int recoveryYears) {
    const std::size_t shown = platform.boxes.size() - boxesBefore;
    Require(shown <= static_cast<std::size_t>(2 * recoveryYears + 12),
            "at most two message boxes per recovery year in one Calculate, got " +
                std::to_string(shown) + " for " + std::to_string(recoveryYears) + " years");

    const std::vector<ScheduleRow>& rows = CheckSchedule(w);
    // Only a cost below 0 (an exchange whose checks were cut short by a run-time error) hands
    // the schedule negative amounts, which it does not show.
    if (rows.empty() || Val(w.lblAdjCost.caption) < 0) {
        return;
    }
    const std::int64_t business = BusinessCents(w);
    std::int64_t recovered = 0;
    for (const ScheduleRow& row : rows) {
        const std::string year = std::to_string(row.recoveryYear);
        recovered += row.amountCents;
        const std::int64_t left = business - recovered;
        Require(row.amountCents > 0, "no row of .00 in year " + year);
        Require(left >= 0, "no more than the business cost by year " + year);
        Require(row.basisCents == left,
                "the basis is the business cost less the cents shown, year " + year);
    }
}

// What one Calculate showed, for a person replaying an input.
void Trace(const FrmViewDepr& w, const FuzzPlatform& platform, std::size_t boxesBefore) {
    std::fprintf(stderr, "Calculate: %s\n", w.stbMain.caption.c_str());
    for (const ScheduleRow& row : w.Result().rows) {
        std::fprintf(stderr, "  %2d %s %s %s\n", row.recoveryYear, YearText(row).c_str(),
                     AmountText(row).c_str(), BasisText(row).c_str());
    }
    for (std::size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
        std::fprintf(stderr, "  box %s: %s\n", platform.boxes[i].title.c_str(),
                     platform.boxes[i].text.c_str());
    }
}

// A key as a user's keyboard gives it: control keys bare, characters with their text.
void PressKey(FrmViewDepr& w, std::uint8_t key) {
    constexpr int kSpecial[] = {kKeyBackspace, kKeyEnter, kKeyEscape, kKeyTab};
    if (key < 4) {
        w.PressKey(kSpecial[key]);
        return;
    }
    std::string character;
    if (key < 0x80) {
        character = std::string(1, static_cast<char>(key));
    } else {
        character = {static_cast<char>(0xC0 | (key >> 6)), static_cast<char>(0x80 | (key & 0x3F))};
    }
    w.PressKey(key, key >= 32 ? character : std::string());
}

// The user clicks a control: it takes the focus, then the click does its work.
template <typename Action>
void Click(FrmViewDepr& w, Control& control, Action&& action) {
    if (control.Usable()) {
        w.UserFocus(control);
        action();
    }
}

// The user opens a list and clicks one of its entries (or, from code, none).
void Pick(FrmViewDepr& w, ComboBox& list, ByteReader& input) {
    const int choice = input.Byte();
    Click(w, list, [&] {
        list.DropDown();
        const int index = choice % (list.ListCount() + 1) - 1;
        if (index >= 0 || choice == 255) {
            list.SetListIndex(index);
        }
    });
}

// Keys reach only a box that has the focus and may be used.
bool BoxFocused(const FrmViewDepr& w) {
    const Control* focused = w.Focused();
    return focused != nullptr && focused->Usable() &&
           dynamic_cast<const EditControl*>(focused) != nullptr;
}

void Step(FrmViewDepr& w, FuzzPlatform& platform, ByteReader& input) {
    const std::vector<EditControl*> boxes{
        &w.txtCost,       &w.cboMethod,          &w.txtInService, &w.cboLife,
        &w.cboClass,      &w.txtBusinessPercent, &w.mskSold,      &w.txtDescription,
        &w.txtSalesPrice, &w.txtAdjTaxBasis};
    switch (input.Below(15)) {
        case 0: {  // click into a box and type
            EditControl& box = *boxes[static_cast<std::size_t>(input.Below(10))];
            w.Type(box, input.Text());
            break;
        }
        case 1: {
            const std::uint8_t key = input.Byte();
            if (BoxFocused(w)) {
                PressKey(w, key);
            }
            break;
        }
        case 2: {  // click or tab into a control
            const std::vector<Control*> order = w.TabOrder();
            w.UserFocus(
                *order[static_cast<std::size_t>(input.Below(static_cast<int>(order.size())))]);
            break;
        }
        case 3:
            Pick(w, w.cboMethod, input);
            break;
        case 4:
            Pick(w, w.cboLife, input);
            break;
        case 5:
            Pick(w, w.cboClass, input);
            break;
        case 6: {
            const int i = input.Below(3);
            Click(w, w.optConvention[i], [&] { w.optConvention.SetValue(i, true); });
            break;
        }
        case 7: {
            const int i = input.Below(3);
            Click(w, w.optAssetType[i], [&] { w.optAssetType.SetValue(i, true); });
            break;
        }
        case 8:
            Click(w, w.chkBonus, [&] { w.chkBonus.value = 1 - w.chkBonus.value; });
            break;
        case 9: {  // open a list and close it again
            ComboBox* lists[] = {&w.cboMethod, &w.cboLife, &w.cboClass};
            ComboBox& list = *lists[input.Below(3)];
            Click(w, list, [&] { list.DropDown(); });
            break;
        }
        case 10:
        case 11: {  // Calculate by its button or by Enter
            const bool byEnter = input.Below(2) == 1 && BoxFocused(w);
            if (!w.cmdCalculate.Usable()) {
                break;
            }
            const std::size_t before = platform.boxes.size();
            const int years = RecoveryYears(w);
            if (byEnter) {
                w.PressKey(kKeyEnter);
            } else {
                Click(w, w.cmdCalculate, [&] { w.cmdCalculate.Click(); });
            }
            CheckCalculation(w, platform, before, years);
            if (std::getenv("PELLORY_FUZZ_TRACE") != nullptr) {
                Trace(w, platform, before);
            }
            break;
        }
        case 12:
            Click(w, w.cmdClear, [&] { w.cmdClear.Click(); });
            break;
        case 13: {  // a Tools entry: the editor opens on its table and closes again
            const MenuEntry& entry = w.mnuTools.entries[static_cast<std::size_t>(input.Below(3))];
            if (entry.onClick) {
                entry.onClick();
            }
            break;
        }
        case 14: {  // the user clicks the caret into the focused box or selects part of it
            const int start = input.Byte();
            const int length = input.Byte();
            if (BoxFocused(w)) {
                auto& box = dynamic_cast<EditControl&>(*w.Focused());
                const auto chars = static_cast<int>(utf8::Length(box.Text()));
                box.selStart = start % (chars + 1);
                box.selLength = length % (chars - box.selStart + 1);
            }
            break;
        }
        default:
            break;
    }
    CheckSchedule(w);
}

}  // namespace
}  // namespace pellory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pellory;
    using namespace pellory::fuzz;
    ByteReader input({data, size});
    const ScratchFolder folder;
    WriteTables(folder.Path());
    FuzzPlatform platform(input, folder.Path());
    try {
        FrmViewDepr w(platform);
        w.Load();
        Require(platform.boxes.empty(), "the window loads without an error");
        for (int steps = 0; !input.AtEnd() && steps < 200; ++steps) {
            Step(w, platform, input);
        }
    } catch (const std::exception& e) {
        Violation(std::string("an exception escaped a handler: ") + e.what());
    }
    return 0;
}
