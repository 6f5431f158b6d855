#include "cli/TablesDriver.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <ostream>
#include <variant>

#include "autolimits/DataFile.h"
#include "autolimits/FrmAutoMax.h"
#include "controls/Utf8.h"
#include "formats/CsvReader.h"
#include "formats/CsvWriter.h"

namespace pellory::tables {

MsgAnswer TablesPlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon,
                                 const std::string&) {
    if (buttons == MsgButtons::Ok) {
        messages.push_back(text);
        return MsgAnswer::Ok;
    }
    return text == "Delete current record?" ? MsgAnswer::Yes : MsgAnswer::No;
}

namespace {

const char* const kHeader = "year,first,second,third,later";
const char* const kNoMoreRecords = "No more records.";

struct CsvRow {
    int line = 0;
    RecordTexts texts;
};

// A cell without the blanks around it.
std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The rows of an import file: a header whose first five columns are year, first, second,
// third and later (more columns are ignored), then one record each; blank lines are skipped.
std::variant<std::vector<CsvRow>, std::string> ReadRows(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return file + ": cannot be read";
    }
    CsvReader reader(in);
    CsvRecord record;
    std::vector<CsvRow> rows;
    bool header = false;
    for (CsvReader::Result read; (read = reader.Next(record)) != CsvReader::Result::End;) {
        if (read == CsvReader::Result::Malformed) {
            return file + " " + reader.Problem();
        }
        std::vector<std::string>& fields = record.fields;
        if (fields.size() == 1 && Trim(fields[0]).empty()) {
            continue;
        }
        const std::string line = file + " line " + std::to_string(record.number) + ": ";
        if (fields.size() < 5) {
            return line + "five columns are needed";
        }
        fields.resize(5);
        std::ranges::transform(fields, fields.begin(), Trim);
        if (!header) {
            std::string names;
            for (const auto& field : fields) {
                names += (names.empty() ? "" : ",") + field;
            }
            if (names != kHeader) {
                return line + "the header must be " + kHeader;
            }
            header = true;
            continue;
        }
        CsvRow row{static_cast<int>(record.number), {}};
        std::ranges::copy(fields, row.texts.begin());
        rows.push_back(row);
    }
    if (!header) {
        return file + ": the header " + std::string(kHeader) + " is missing";
    }
    return rows;
}

class Session {
  public:
    Session(const TablesCommand& command, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err)
        : command_(command), platform_(programFolder), data_(platform_), out_(out), err_(err) {
        if (command.dataDir) {
            data_.UseFolder(*command.dataDir);
        }
    }

    int Run();

  private:
    bool Writes() const { return command_.verb != Verb::List && command_.verb != Verb::Export; }
    bool Do(FrmAutoMax& form, const std::vector<CsvRow>& rows);
    bool Type(FrmAutoMax& form, const RecordTexts& texts);
    bool Write(FrmAutoMax& form, const RecordTexts& texts);
    bool GoTo(FrmAutoMax& form, std::int32_t record);
    bool StartRecord(FrmAutoMax& form);
    bool Delete(FrmAutoMax& form);
    bool List(FrmAutoMax& form, bool csv);
    bool Import(FrmAutoMax& form, const std::vector<CsvRow>& rows);
    bool CheckRows(const std::vector<CsvRow>& rows);
    int Finish(bool done);

    const TablesCommand& command_;
    TablesPlatform platform_;
    DataFile data_;
    std::ostream& out_;
    std::ostream& err_;
    std::string refusal_;
};

int Session::Run() {
    std::vector<CsvRow> rows;
    if (command_.verb == Verb::Import) {
        auto read = ReadRows(command_.file);
        if (const auto* problem = std::get_if<std::string>(&read)) {
            refusal_ = *problem;
            return Finish(false);
        }
        rows = std::move(std::get<std::vector<CsvRow>>(read));
        if (!CheckRows(rows)) {
            return Finish(false);
        }
    }
    const std::string table =
        command_.cleanFuel ? DataFile::kCleanFuelTable : DataFile::kOrdinaryTable;
    const OpenResult opened =
        data_.OpenFile(table, Writes() ? TableAccess::Edit : TableAccess::Lookup);
    if (opened != OpenResult::Opened) {
        // A table that does not exist yet lists no records.
        if (opened == OpenResult::Missing && command_.verb == Verb::Export) {
            out_ << kHeader << "\n";
        }
        return Finish(opened == OpenResult::Missing);
    }
    FrmAutoMax form(platform_, data_);
    if (command_.cleanFuel) {
        form.SetCaption(FrmAutoMax::kCleanFuelCaption);
    }
    form.Load();
    const bool done = Do(form, rows);
    form.cmdClose.Click();
    return Finish(done);
}

bool Session::Do(FrmAutoMax& form, const std::vector<CsvRow>& rows) {
    switch (command_.verb) {
        case Verb::List:
            return List(form, false);
        case Verb::Export:
            out_ << kHeader << "\n";
            return List(form, true);
        case Verb::Add:
            return StartRecord(form) && Write(form, command_.texts);
        case Verb::Set:
            return GoTo(form, command_.record) && Write(form, command_.texts);
        case Verb::Delete:
            return GoTo(form, command_.record) && Delete(form);
        case Verb::Import:
            return Import(form, rows);
    }
    return false;
}

// Types each text into its box as a user would: the box's text selected and cleared, then one
// key per character. A key the editor refuses stops the typing with its message. A text longer
// than its box takes stands whole in the box, so that Save's checks judge all of it.
bool Session::Type(FrmAutoMax& form, const RecordTexts& texts) {
    const std::array<TextBox*, 5> boxes{&form.txtYear, &form.txtYear1, &form.txtYear2,
                                        &form.txtYear3, &form.txtYear4};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        TextBox& box = *boxes[i];
        form.UserFocus(box);
        box.SelectAll();
        form.PressKey(kKeyBackspace);
        for (const auto& character : utf8::Characters(texts[i])) {
            form.PressKey(static_cast<int>(utf8::CodePoint(character)), character);
            if (!form.stbAuto.caption.empty()) {
                refusal_ = form.stbAuto.caption;
                return false;
            }
        }
        if (box.Text() != texts[i]) {
            box.SetText(texts[i]);
        }
    }
    return true;
}

bool Session::Write(FrmAutoMax& form, const RecordTexts& texts) {
    if (!Type(form, texts)) {
        return false;
    }
    form.cmdSave.Click();
    if (!form.SaveSucceeded && platform_.messages.empty()) {
        refusal_ = form.stbAuto.caption;
    }
    return form.SaveSucceeded;
}

// Steps to a record the table holds with Next or Previous.
bool Session::GoTo(FrmAutoMax& form, std::int32_t record) {
    if (record > data_.RecordsOnFile()) {
        refusal_ = kNoMoreRecords;
        return false;
    }
    while (data_.CurrentRecord < record && platform_.messages.empty()) {
        form.cmdNext.Click();
    }
    while (data_.CurrentRecord > record && platform_.messages.empty()) {
        form.cmdPrevious.Click();
    }
    return data_.CurrentRecord == record && platform_.messages.empty();
}

// A new record: Add, except on an empty table, whose blank record in view is the first (Add
// would start a second one after it).
bool Session::StartRecord(FrmAutoMax& form) {
    if (data_.RecordsOnFile() > 0) {
        form.cmdAdd.Click();
    }
    return platform_.messages.empty();
}

bool Session::Delete(FrmAutoMax& form) {
    form.cmdDelete.Click();
    return form.stbAuto.caption == "Record Deleted";
}

bool Session::List(FrmAutoMax& form, bool csv) {
    const std::int32_t count = data_.RecordsOnFile();
    for (std::int32_t n = 1; n <= count && platform_.messages.empty(); ++n) {
        if (n > 1) {
            form.cmdNext.Click();
        }
        const RecordTexts texts = form.BoxTexts();
        if (!csv) {
            out_ << n;
            for (const auto& text : texts) {
                out_ << '\t' << text;
            }
            out_ << '\n';
        } else if (texts != RecordTexts{}) {  // a blank record holds nothing to export
            std::string line;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                line += i > 0 ? "," : "";
                AppendCsvField(line, texts[i]);
            }
            out_ << line << '\n';
        }
    }
    return platform_.messages.empty();
}

// Each row over the first record of its year, or added when the table has no record of it.
bool Session::Import(FrmAutoMax& form, const std::vector<CsvRow>& rows) {
    std::map<std::string, std::int32_t> years;
    const std::int32_t count = data_.RecordsOnFile();
    for (std::int32_t n = 1; n <= count; ++n) {
        if (n > 1) {
            form.cmdNext.Click();
        }
        years.try_emplace(form.txtYear.Text(), n);
    }
    for (const auto& row : rows) {
        const auto found = years.find(row.texts[0]);
        const bool placed = found != years.end() ? GoTo(form, found->second) : StartRecord(form);
        if (!placed || !Write(form, row.texts)) {
            refusal_ = command_.file + " line " + std::to_string(row.line) + ": " +
                       (refusal_.empty() ? "not saved" : refusal_);
            return false;
        }
        years.try_emplace(row.texts[0], data_.CurrentRecord);
    }
    return true;
}

// Every row through Save's checks before anything is written, on a window of its own.
bool Session::CheckRows(const std::vector<CsvRow>& rows) {
    FrmAutoMax checker(platform_, data_);
    for (const auto& row : rows) {
        if (!Type(checker, row.texts) || !checker.CheckBoxes()) {
            refusal_ = command_.file + " line " + std::to_string(row.line) + ": " +
                       checker.stbAuto.caption;
            return false;
        }
    }
    return true;
}

int Session::Finish(bool done) {
    for (const auto& message : platform_.messages) {
        err_ << "pellory-tables: " << message << "\n";
    }
    if (!refusal_.empty()) {
        err_ << "pellory-tables: " << refusal_ << "\n";
    }
    return done && platform_.messages.empty() && refusal_.empty() ? 0 : 1;
}

}  // namespace

int RunTables(const TablesCommand& command, const std::filesystem::path& programFolder,
              std::ostream& out, std::ostream& err) {
    return Session(command, programFolder, out, err).Run();
}

}  // namespace pellory::tables
