#include "cli/Batch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>
#include <system_error>
#include <variant>

#include "cli/BatchAutoLimits.h"
#include "cli/BatchOutput.h"
#include "cli/CalcDriver.h"
#include "formats/CsvReader.h"

namespace pellory::cli {

namespace {

// The register's columns and the options they stand for; `id` stands for none.
struct Column {
    std::string_view name;
    std::string_view option;
};
constexpr std::array<Column, 16> kColumns{{{"id", ""},
                                           {"asset_type", "--asset-type"},
                                           {"cost", "--cost"},
                                           {"method", "--method"},
                                           {"in_service", "--in-service"},
                                           {"life", "--life"},
                                           {"class", "--class"},
                                           {"business", "--business"},
                                           {"bonus", "--bonus"},
                                           {"convention", "--convention"},
                                           {"sold", "--sold"},
                                           {"sales_price", "--sales-price"},
                                           {"adj_tax_basis", "--adj-tax-basis"},
                                           {"description", "--description"},
                                           {"bonus_rate", "--bonus-rate"},
                                           {"section_179", "--section-179"}}};
constexpr std::size_t kId = 0;
constexpr std::size_t kBonus = 8;
constexpr std::size_t kNoCell = static_cast<std::size_t>(-1);

// Where each column is in the register's records.
struct Header {
    std::array<std::size_t, kColumns.size()> cellOf;
    std::size_t width = 0;
};

std::string ColumnNames() {
    std::string names;
    for (const Column& column : kColumns) {
        names += (names.empty() ? "" : ", ") + std::string(column.name);
    }
    return names;
}

std::optional<std::string> ReadHeader(const CsvRecord& record, Header& header) {
    if (record.fields.size() == 1 && record.fields[0].empty()) {
        return "the header is missing: the first line names the columns, from " + ColumnNames();
    }
    header.cellOf.fill(kNoCell);
    header.width = record.fields.size();
    for (std::size_t cell = 0; cell < record.fields.size(); ++cell) {
        const std::string& name = record.fields[cell];
        std::size_t column = 0;
        while (column < kColumns.size() && kColumns[column].name != name) {
            ++column;
        }
        if (column == kColumns.size()) {
            return "unknown column \"" + name + "\"; the columns are " + ColumnNames();
        }
        if (header.cellOf[column] != kNoCell) {
            return "the column \"" + name + "\" is named twice";
        }
        header.cellOf[column] = cell;
    }
    return std::nullopt;
}

// Whether a bonus cell ticks the allowance: 1, yes, true or x in any letter case.
bool IsTick(std::string_view text) {
    return std::ranges::any_of(std::array<std::string_view, 4>{"1", "yes", "true", "x"},
                               [text](std::string_view tick) {
                                   return std::ranges::equal(text, tick, [](char a, char b) {
                                       return std::tolower(static_cast<unsigned char>(a)) == b;
                                   });
                               });
}

// The options a row's cells give, each set as a single run's command line sets it, into
// `options`; or why the row is refused.
std::optional<UsageError> RowOptions(const CsvRecord& row, const Header& header,
                                     CalcOptions& options) {
    if (row.fields.size() != header.width) {
        return UsageError{"the row has " + std::to_string(row.fields.size()) +
                          " cells where the header names " + std::to_string(header.width) +
                          " columns"};
    }
    options = CalcOptions{};
    for (std::size_t column = kId + 1; column < kColumns.size(); ++column) {
        const std::size_t cell = header.cellOf[column];
        if (cell == kNoCell || row.fields[cell].empty()) {
            continue;
        }
        const std::string& text = row.fields[cell];
        if (column == kBonus) {
            if (!IsTick(text)) {
                return UsageError{"--bonus: \"" + text +
                                  "\" is not a tick; the bonus column takes 1, yes, true or x, "
                                  "or nothing"};
            }
            options.bonus = true;
        } else if (auto refused = SetOption(options, kColumns[column].option, text)) {
            return refused;
        }
    }
    return std::nullopt;
}

class Batch {
  public:
    Batch(std::ostream& out, std::ostream& err, const BatchSettings& settings)
        : out_(out),
          err_(err),
          settings_(settings),
          platform_(settings.dataDir ? std::filesystem::path(*settings.dataDir)
                                     : settings.programFolder),
          today_(platform_.Today()),
          dataFile_(platform_),
          limits_(dataFile_, platform_) {
        if (settings.dataDir) {
            dataFile_.UseFolder(*settings.dataDir);
        }
        opened_ = OpenEntryForm(today_.month, today_.year);
        if (!settings.totals) {
            WriteHeader(pending_, settings.format);
        }
    }

    // Computes one row as a single run of its cells does and adds its result to the output.
    void Row(const CsvRecord& row, const Header& header) {
        const std::size_t idCell = header.cellOf[kId];
        const std::string_view id =
            idCell < row.fields.size() ? std::string_view(row.fields[idCell]) : std::string_view();
        if (const auto fault = RowOptions(row, header, options_)) {
            Refused(row.number, id, fault->message);
            return;
        }
        const CalcOptions& given = options_;
        EntryForm& form = form_ = opened_;
        if (const auto fault = EnterOptionsInto(form, given)) {
            Refused(row.number, id, fault->message);
            return;
        }
        for (const std::string& note : TextsNotKept(form, given)) {
            Say(row.number, note);
        }
        platform_.messages.clear();
        const CalcResult result = Calculate(AssetOf(form), {platform_, &limits_});
        if (settings_.totals) {
            AddToTotals(totals_, result);
        } else {
            WriteComputed(pending_, settings_.format, row.number, id, result, platform_.messages);
        }
    }

    // The register read whole: its totals, when they are asked for, join the output.
    void Finish() {
        if (settings_.totals) {
            WriteTotals(pending_, settings_.format, totals_);
        }
    }

    // Writes the results not yet written when they fill a block, or all of them when `now`;
    // false when the output can take no more.
    bool Send(bool now) {
        if (now || pending_.size() >= kBlock) {
            out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
            pending_.clear();
            if (now) {
                out_.flush();
            }
        }
        return static_cast<bool>(out_);
    }

    // The exit status once the output can take no more: the rows' status for a reader that has
    // gone away (a closed pipe), which ends the run quietly; 1 for any other failure.
    int OutputFailed() const {
        const int error = errno;
        if (error == EPIPE) {
            return Status();
        }
        err_ << "pellory-calc: the output could not be written ("
             << std::generic_category().message(error) << ")\n";
        return 1;
    }

    int Status() const { return refused_ > 0 ? 1 : 0; }

  private:
    static constexpr std::size_t kBlock = std::size_t{1} << 16;

    void Refused(long line, std::string_view id, const std::string& reason) {
        ++refused_;
        if (!settings_.totals) {
            WriteRefused(pending_, settings_.format, line, id, reason);
        }
        Say(line, reason);
    }

    void Say(long line, const std::string& what) {
        err_ << "pellory-calc: " + settings_.source + ": line " + std::to_string(line) + ": " +
                    what + "\n";
    }

    std::ostream& out_;
    std::ostream& err_;
    const BatchSettings& settings_;
    // Every row's window opens on the day the batch started.
    CollectingPlatform platform_;
    CalendarDate today_;
    DataFile dataFile_;
    BatchAutoLimits limits_;
    std::string pending_;
    CalcOptions options_;  // the row being computed
    EntryForm opened_;     // the window as every row's opens
    EntryForm form_;       // the row's entries, made into a copy of it
    int refused_ = 0;
    RegisterTotals totals_;
};

// Reads the header; the problem when there is none or it is at fault.
std::optional<std::string> StartRegister(CsvReader& reader, CsvRecord& record, Header& header) {
    switch (reader.Next(record)) {
        case CsvReader::Result::End:
            return "the register is empty: its first line names the columns, from " + ColumnNames();
        case CsvReader::Result::Malformed:
            return reader.Problem();
        case CsvReader::Result::Record:
            break;
    }
    if (const auto wrong = ReadHeader(record, header)) {
        return "line 1: " + *wrong;
    }
    return std::nullopt;
}

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
             const BatchSettings& settings) {
    CsvReader reader(in);
    CsvRecord record;
    Header header;
    const auto fault = [&](const std::string& what) {
        err << "pellory-calc: " + settings.source + ": " + what + "\n";
        return 2;
    };
    if (const auto problem = StartRegister(reader, record, header)) {
        return fault(*problem);
    }
    Batch batch(out, err, settings);
    for (;;) {
        // The rows computed so far are written before the next read may wait for more input.
        if (!batch.Send(in.rdbuf()->in_avail() <= 0)) {
            return batch.OutputFailed();
        }
        const CsvReader::Result read = reader.Next(record);
        if (read == CsvReader::Result::End) {
            break;
        }
        if (read == CsvReader::Result::Malformed) {
            return batch.Send(true) ? fault(reader.Problem()) : batch.OutputFailed();
        }
        if (record.fields.size() > 1 || !record.fields[0].empty()) {
            batch.Row(record, header);  // a blank line is no asset
        }
    }
    batch.Finish();
    return batch.Send(true) ? batch.Status() : batch.OutputFailed();
}

int BatchCommand(const CalcOptions& options, const std::filesystem::path& programFolder,
                 std::istream& standardInput, std::ostream& out, std::ostream& err) {
    BatchSettings settings{options.format.value_or(BatchFormat::Jsonl), options.totals,
                           options.dataDir, programFolder, *options.batch};
    if (*options.batch == "-") {
        settings.source = "standard input";
        return RunBatch(standardInput, out, err, settings);
    }
    std::ifstream file(*options.batch, std::ios::binary);
    if (!file) {
        err << "pellory-calc: " << *options.batch << ": the register cannot be opened ("
            << std::generic_category().message(errno) << ")\n";
        return 2;
    }
    return RunBatch(file, out, err, settings);
}

}  // namespace pellory::cli
