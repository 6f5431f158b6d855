// Any bytes as the automobile limit tables, then capped automobile schedules calculated from
// them and the auto limits editor worked on them, with chosen file operations failing. A table
// is never shortened by an operation that failed, never touched by a Delete the user did not
// confirm or by a calculation's lookup, and never left without a file of its name; a Delete
// leaves it whole but the deleted record, a failed Save leaves it as it was or with the whole
// record written, and the editor changes no file but the one it opened.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "ByteReader.h"
#include "FaultyFiles.h"
#include "FuzzPlatform.h"
#include "app/FrmViewDepr.h"
#include "autolimits/DataFile.h"
#include "autolimits/FrmAutoMax.h"

namespace pellory::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLargestTable = 1200;  // 50 records
constexpr int kErrors[] = {err::kDiskFull,     err::kPermissionDenied, err::kPathFileAccess,
                           err::kDeviceIo,     err::kFileNotFound,     err::kBadFileName,
                           err::kPathNotFound, err::kFileExists};

// Every regular file of the folder but the scratch files, by name, with its bytes.
using Snapshot = std::map<std::string, std::string>;

Snapshot Take(const fs::path& folder) {
    Snapshot files;
    std::error_code code;
    for (const auto& entry : fs::directory_iterator(folder, code)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(DataFile::kScratchPrefix) || !entry.is_regular_file(code)) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        files[name] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    return files;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The folder as the input lays it out: both tables under a name of any letter case, or the
// ordinary one as a folder that cannot be opened, or missing; perhaps files whose names differ
// from the tables' only in letter case, a scratch file left over from a deletion, or a folder
// in its place that cannot be removed.
void Lay(const fs::path& folder, ByteReader& input) {
    const std::uint8_t flags = input.Byte();
    const std::string ordinary = input.Block(kLargestTable);
    const std::string cleanFuel = input.Block(kLargestTable);
    if ((flags & 0x10) != 0) {
        fs::create_directory(folder / "AutoMax.DAT");
    } else if ((flags & 0x20) == 0) {
        WriteFile(folder / ((flags & 0x01) != 0 ? "automax.dat" : "AutoMax.DAT"), ordinary);
    }
    if ((flags & 0x40) == 0) {
        WriteFile(folder / ((flags & 0x02) != 0 ? "ELECTRIC.DAT" : "Electric.DAT"), cleanFuel);
    }
    if ((flags & 0x80) != 0) {
        // Twins that differ from the tables only in letter case: other files altogether.
        WriteFile(folder / "AUTOMAX.DAT", "1990 100  200  300  400 ");
        WriteFile(folder / "electric.dat", "1991 500  600  700  800 ");
    }
    if ((flags & 0x08) != 0) {
        fs::create_directories(folder / "Temp.tmp-AutoMax.DAT-busy" / "busy");
    } else if ((flags & 0x04) != 0) {
        WriteFile(folder / "Temp.tmp-AutoMax.DAT-left", "left over");
    }
}

std::string ErrorsShown(const FuzzPlatform& platform, std::size_t from) {
    std::string shown;
    for (std::size_t i = from; i < platform.boxes.size(); ++i) {
        if (platform.boxes[i].buttons == MsgButtons::Ok) {
            shown += platform.boxes[i].text + "\n";
        }
    }
    return shown;
}

// A calculation of a car from the tables as they stand: the lookup only reads them.
void CalculateCar(FrmViewDepr& w, FuzzPlatform& platform, ByteReader& input,
                  const fs::path& folder) {
    const std::uint8_t choice = input.Byte();
    const int year = 1995 + input.Below(12);
    // What is typed into the boxes; an Enter among it would press Calculate once more, and the
    // message boxes are counted for one calculation.
    const auto typed = [&input] {
        std::string text = input.Text();
        std::erase(text, '\r');
        return text;
    };
    const std::string cost = typed();
    const std::string business = typed();
    const Snapshot before = Take(folder);
    const std::size_t boxesBefore = platform.boxes.size();

    w.cmdClear.Click();
    w.Type(w.txtCost, cost.empty() ? "30000" : cost);
    w.cboMethod.DropDown();
    for (int i = 0; i < w.cboMethod.ListCount(); ++i) {
        if (w.cboMethod.Items()[static_cast<std::size_t>(i)].text ==
            ((choice & 0x10) != 0 ? "ADS" : "MACRS")) {
            w.cboMethod.SetListIndex(i);
        }
    }
    w.txtInService.SetText(w.txtInService.EmptyText());
    w.Type(w.txtInService, "0" + std::to_string(1 + choice % 9) + std::to_string(year));
    const std::string cls =
        (choice & 0x20) != 0 ? "Automobiles, Clean Fuel (5)" : "Automobiles (5)";
    w.cboClass.DropDown();
    for (int i = 0; i < w.cboClass.ListCount(); ++i) {
        if (w.cboClass.Items()[static_cast<std::size_t>(i)].text == cls) {
            w.cboClass.SetListIndex(i);
        }
    }
    if (!business.empty()) {
        w.Type(w.txtBusinessPercent, business);
    }
    if ((choice & 0x40) != 0 && w.chkBonus.Usable()) {
        w.chkBonus.value = 1;
    }
    if ((choice & 0x80) != 0 && w.optConvention[1].Usable()) {
        w.optConvention.SetValue(1, true);
    }
    w.cmdCalculate.Click();
    if (std::getenv("PELLORY_FUZZ_TRACE") != nullptr) {
        std::fprintf(stderr, "Calculate %d: %s (%zu message boxes)\n", year,
                     w.stbMain.caption.c_str(), platform.boxes.size() - boxesBefore);
    }

    Require(platform.boxes.size() - boxesBefore <= 2 * kMaxRecoveryYears + 12,
            "at most two message boxes per year of a capped schedule");
    Require(!w.dataFile.IsOpen(), "the lookup closes the table");
    const Snapshot after = Take(folder);
    for (const auto& [name, bytes] : before) {
        const auto now = after.find(name);
        Require(now != after.end() && now->second == bytes,
                "a lookup leaves " + name + " as it was");
    }
    for (const auto& [name, bytes] : after) {
        Require(before.contains(name) || bytes.empty(), "a lookup creates only empty tables");
    }
}

// The file a table's name opens: the entry of exactly that name, else the first in order of
// those that differ from it only in letter case, else a new one of that name.
std::string FileOfTable(const fs::path& folder, const std::string& table) {
    const auto sameLetters = [&](const std::string& entry) {
        return entry.size() == table.size() &&
               std::equal(entry.begin(), entry.end(), table.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    std::string match;
    std::error_code code;
    for (const auto& entry : fs::directory_iterator(folder, code)) {
        const std::string name = entry.path().filename().string();
        if (name == table) {
            return name;
        }
        if (sameLetters(name) && (match.empty() || name < match)) {
            match = name;
        }
    }
    return match.empty() ? table : match;
}

// The table as a Delete of record `deleted` leaves it: every other record the file holds, in
// order, each whole (a short last one filled with zero bytes).
std::string WithoutRecord(const std::string& table, std::int32_t deleted) {
    constexpr std::size_t kLength = AutoLimitRecord::kLength;
    std::string kept;
    for (std::size_t offset = 0; offset < table.size(); offset += kLength) {
        if (static_cast<std::int32_t>(offset / kLength) + 1 == deleted) {
            continue;
        }
        std::string record = table.substr(offset, kLength);
        record.resize(kLength, '\0');
        kept += record;
    }
    return kept;
}

// The table as a Save of record `number` leaves it: the record's bytes in its place, the file
// extended as far as it reaches (a gap before it reading as zero bytes).
std::string WithRecord(std::string table, std::int32_t number, std::span<const char> record) {
    const std::size_t offset = static_cast<std::size_t>(number - 1) * record.size();
    if (table.size() < offset + record.size()) {
        table.resize(offset + record.size(), '\0');
    }
    std::copy(record.begin(), record.end(), table.begin() + static_cast<std::ptrdiff_t>(offset));
    return table;
}

enum class EditorOp { Next, Previous, Add, Save, Delete, Close, Type, Key };

// One button or key in the editor, then the rules for the tables.
void EditorStep(FrmAutoMax& editor, const DataFile& data, const std::string& tableFile,
                FuzzPlatform& platform, ByteReader& input, const fs::path& folder) {
    const auto op = static_cast<EditorOp>(input.Below(8));
    const Snapshot before = Take(folder);
    const std::size_t boxesBefore = platform.boxes.size();
    const std::int32_t currentBefore = data.CurrentRecord;
    switch (op) {
        case EditorOp::Next:
            editor.cmdNext.Click();
            break;
        case EditorOp::Previous:
            editor.cmdPrevious.Click();
            break;
        case EditorOp::Add:
            editor.cmdAdd.Click();
            break;
        case EditorOp::Save:
            editor.cmdSave.Click();
            break;
        case EditorOp::Delete:
            editor.cmdDelete.Click();
            break;
        case EditorOp::Close:
            editor.cmdClose.Click();
            break;
        case EditorOp::Type: {
            TextBox* boxes[] = {&editor.txtYear, &editor.txtYear1, &editor.txtYear2,
                                &editor.txtYear3, &editor.txtYear4};
            TextBox& box = *boxes[input.Below(5)];
            editor.Type(box, input.Text());
            break;
        }
        case EditorOp::Key: {
            constexpr int kKeys[] = {kKeyBackspace, kKeyEnter, kKeyEscape, '7', '.', 'x'};
            const int key = kKeys[input.Below(6)];
            if (editor.Focused() != nullptr) {
                editor.PressKey(key, key >= 32 ? std::string(1, static_cast<char>(key)) : "");
            }
            break;
        }
    }

    if (std::getenv("PELLORY_FUZZ_TRACE") != nullptr) {
        std::fprintf(stderr, "editor %d: record %d of %d, [%s|%s|%s|%s|%s] %s\n",
                     static_cast<int>(op), data.CurrentRecord, data.RecordCount,
                     editor.txtYear.Text().c_str(), editor.txtYear1.Text().c_str(),
                     editor.txtYear2.Text().c_str(), editor.txtYear3.Text().c_str(),
                     editor.txtYear4.Text().c_str(), editor.stbAuto.caption.c_str());
        for (std::size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
            std::fprintf(stderr, "  box: %s\n", platform.boxes[i].text.c_str());
        }
    }
    const Snapshot after = Take(folder);
    const std::string errors = ErrorsShown(platform, boxesBefore);
    bool deleteConfirmed = false;
    bool deleteAsked = false;
    for (std::size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
        if (platform.boxes[i].text == "Delete current record?") {
            deleteAsked = true;
            deleteConfirmed = platform.boxes[i].answer == MsgAnswer::Yes;
        }
    }
    const bool deleteFailed = errors.find(" Error in Delete. ") != std::string::npos;
    const bool saveFailed = errors.find(" Error in SaveCurrentRecord. ") != std::string::npos;
    for (const auto& [name, bytes] : before) {
        const auto now = after.find(name);
        Require(now != after.end(), "the table " + name + " keeps a file of its name");
        const std::string& bytesAfter = now->second;
        if (name != tableFile) {
            Require(bytesAfter == bytes, "the editor leaves " + name + " alone");
            continue;
        }
        if (deleteAsked && !deleteConfirmed) {
            Require(bytesAfter == bytes, "a Delete not answered Yes leaves " + name + " as it was");
        }
        if (deleteFailed) {
            // Failing before the replace, the table is as it was; after it (the folder not put
            // on the disk), it is the table without the record, and not said to be.
            Require(bytesAfter == bytes || bytesAfter == WithoutRecord(bytes, currentBefore),
                    "a Delete that failed leaves " + name + " whole:\n" + errors);
        }
        if (saveFailed) {
            // Failing before the write, the table is as it was; after it (the record not put on
            // the disk), it holds the record as typed, and is not said to be updated.
            Require(
                bytesAfter == bytes ||
                    bytesAfter == WithRecord(bytes, currentBefore, data.Buffer.ToBytes()),
                "a Save that failed leaves " + name + " as it was or the record whole:\n" + errors);
        }
        if (bytesAfter.size() < bytes.size()) {
            Require(deleteConfirmed,
                    name + " is shortened only by a Delete answered Yes:\n" + errors);
            // However the rest of the Delete went, the table is whole but the deleted record.
            Require(bytesAfter == WithoutRecord(bytes, currentBefore),
                    name + " is the table without record " + std::to_string(currentBefore));
        }
    }
}

void RunEditor(DataFile& data, FuzzPlatform& platform, ByteReader& input, const fs::path& folder,
               bool cleanFuel) {
    // As the Tools entries open it: the table first, then a fresh window on it.
    const std::string table = cleanFuel ? DataFile::kCleanFuelTable : DataFile::kOrdinaryTable;
    const std::string tableFile = FileOfTable(folder, table);
    data.OpenFile(table);
    FrmAutoMax editor(platform, data);
    if (cleanFuel) {
        editor.SetCaption(FrmAutoMax::kCleanFuelCaption);
    }
    editor.Load();
    for (int steps = 0; steps < 60 && !editor.Closed() && !input.AtEnd(); ++steps) {
        EditorStep(editor, data, tableFile, platform, input, folder);
    }
    if (!editor.Closed()) {
        data.CloseFile();
    }
}

}  // namespace
}  // namespace pellory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pellory;
    using namespace pellory::fuzz;
    ByteReader input({data, size});
    const ScratchFolder folder;
    try {
        Lay(folder.Path(), input);
        FaultyFiles files;
        for (int faults = input.Below(4); faults > 0; --faults) {
            const int call = 1 + (input.Byte() | input.Byte() << 8) % 400;
            files.FailAt(call, kErrors[input.Below(8)]);
        }
        FuzzPlatform platform(input, folder.Path());
        DataFile editorData(platform, files);
        FrmViewDepr w(platform);
        w.Load();
        for (int steps = 0; steps < 8 && !input.AtEnd(); ++steps) {
            const int what = input.Below(3);
            if (what == 0) {
                CalculateCar(w, platform, input, folder.Path());
            } else {
                RunEditor(editorData, platform, input, folder.Path(), what == 2);
            }
        }
    } catch (const std::exception& e) {
        Violation(std::string("an exception escaped a handler: ") + e.what());
    }
    return 0;
}
