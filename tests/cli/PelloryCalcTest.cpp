#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>
#include <variant>

#include <unistd.h>

#include "app/AutoLimitTables.h"
#include "classes/Catalogue.h"
#include "cli/Batch.h"
#include "cli/BatchAutoLimits.h"
#include "cli/CalcDriver.h"
#include "formats/CsvWriter.h"

namespace pellory::cli {
namespace {

namespace fs = std::filesystem;

// A folder of limit tables for the even years 1990-2030; an odd year is missing from them.
fs::path LimitTablesFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream table(folder / "AutoMax.DAT", std::ios::binary);
    for (int year = 1990; year <= 2030; year += 2) {
        table << year << "3060 4900 2950 1775 ";
    }
    return folder;
}

// One pellory-calc run of the options: its report, or why its options were refused as a batch
// row says it. `inspect` sees the result and its message boxes after a computed run.
std::string Calc(
    const std::vector<std::string>& args, bool json = true,
    const fs::path& folder = fs::temp_directory_path(),
    const std::function<void(const CalcResult&, const CollectingPlatform&)>& inspect = {}) {
    const auto refusal = [](const UsageError& e) {
        return "{\"error\":" + JsonString(e.message) + "}\n";
    };
    const auto parsed = ParseOptions(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return refusal(*error);
    }
    CollectingPlatform platform(folder);
    auto entered = EnterOptions(std::get<CalcOptions>(parsed), platform.Today());
    if (const auto* refused = std::get_if<UsageError>(&entered)) {
        return refusal(*refused);
    }
    DataFile data(platform);
    data.UseFolder(folder);
    AutoLimitTables limits(data);
    const CalcResult result = Calculate(AssetOf(std::get<EntryForm>(entered)), {platform, &limits});
    if (inspect) {
        inspect(result, platform);
    }
    return json ? JsonReport(result, platform.messages) : PlainReport(result, platform.messages);
}

TEST(PelloryCalc, ReportTexts) {
    EXPECT_EQ(
        Calc({"--method", "Amortize", "--in-service", "03/2002", "--life", ".0", "--cost", "1000"},
             false),
        "Life must be greater than 0! \n");
    // Year 1's section 179 and allowance apart from the rows, at the end of the object.
    const std::string json =
        Calc({"--method", "MACRS", "--in-service", "11/2001", "--life", "7", "--cost", "100000",
              "--bonus-rate", "30", "--section-179", "24000"});
    EXPECT_TRUE(
        json.ends_with("\"allowance_rate\":30,\"allowance\":\"22,800.00 \","
                       "\"section_179\":\"24,000.00 \"}\n"))
        << json;
    // JSON strings are escaped and always UTF-8.
    EXPECT_EQ(JsonString("caf\xC3\xA9 \"a\\b\"\n\t\r\x01 caf\xE9 \xE2\x82"),
              "\"caf\xC3\xA9 \\\"a\\\\b\\\"\\n\\t\\r\\u0001 caf\xEF\xBF\xBD \xEF\xBF\xBD\"");
    // A surrogate, a code point above U+10FFFF, an overlong form and a byte that leads nothing:
    // one U+FFFD for each byte, as none starts a character. U+10000 and U+10FFFF are kept.
    const std::string f = "\xEF\xBF\xBD";
    EXPECT_EQ(
        JsonString(
            "\xED\xA0\x80|\xF4\xBF\x96\x8B|\xE0\x80\x80|\xF5|\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"),
        "\"" + f + f + f + "|" + f + f + f + f + "|" + f + f + f + "|" + f +
            "|\xF0\x90\x80\x80\xF4\x8F\xBF\xBF\"");
}

TEST(PelloryCalc, OptionsForABoxThatIsDisabledAreRefused) {
    const struct {
        std::vector<std::string> args;
        const char* start;
    } cases[] = {
        {{"--sold", "05/2004"}, "--sold: "},
        {{"--asset-type", "relinquished", "--sales-price", "100"}, "--sales-price: "},
        {{"--method", "ADS", "--life", "10", "--bonus"}, "--bonus: "},
        {{"--method", "Amortize", "--class", "Desks (7)"}, "--class: "},
        {{"--method", "MACRS", "--class", "Desks (10)"}, "--class: "},
        {{"--method", "MACRS", "--life", "39", "--convention", "half-year"},
         "--convention half-year: "},
        {{"--cost"}, "--cost needs a value"},
        {{"--totals"}, "--totals is for --batch only"},
        {{"--method", "Straight Line", "--life", "39", "--section-179", "1"}, "--section-179: "},
        {{"--colour", "red"}, "unknown option --colour"},
    };
    for (const auto& c : cases) {
        const std::string said = Calc(c.args);
        EXPECT_EQ(said.rfind("{\"error\":\"" + std::string(c.start), 0), 0U) << said;
    }
}

constexpr std::array<const char*, 16> kOptions{"",
                                               "--asset-type",
                                               "--cost",
                                               "--method",
                                               "--in-service",
                                               "--life",
                                               "--class",
                                               "--business",
                                               "--bonus",
                                               "--convention",
                                               "--sold",
                                               "--sales-price",
                                               "--adj-tax-basis",
                                               "--description",
                                               "--bonus-rate",
                                               "--section-179"};
using Cells = std::array<std::string, 16>;

// Texts no box expects: numbers too long for any type, signs, control bytes, a broken date.
// clang-format off
const std::array<std::string, 9> kOddTexts{std::string(400, '9'),
    std::string(5000, '1') + "." + std::string(400, '9'), "1e400", "-5", ".", "1.2.3",
    "abc\xCE\xA9\x01\x7F", "00/0000", "12/"};
// clang-format on
bool HasOddText(const Cells& c) {
    return std::find_first_of(c.begin(), c.end(), kOddTexts.begin(), kOddTexts.end()) != c.end();
}

// A table edited during a batch run is read again, whether it was written just now or long
// enough ago for a year looked up in it to be kept (an edit then shows in its file times).
TEST(BatchAutoLimits, ATableEditedDuringARunIsReadAgain) {
    for (const std::time_t settledAfter : {std::time_t{2}, std::time_t{-3600}}) {
        const fs::path folder = LimitTablesFolder("batch-limits");
        CollectingPlatform platform(folder);
        DataFile data(platform);
        data.UseFolder(folder);
        BatchAutoLimits limits(data, platform, settledAfter);
        EXPECT_EQ(limits.FindYear("AutoMax.DAT", "1992").caps.first, "3060 ");
        EXPECT_EQ(limits.FindYear("AutoMax.DAT", "1992").caps.first, "3060 ");
        std::ofstream(folder / "AutoMax.DAT", std::ios::binary | std::ios::in) << "19923160";
        const AutoLimitLookup edited = limits.FindYear("AutoMax.DAT", "1992");
        EXPECT_EQ(edited.caps.first, "3160 ") << settledAfter;
        fs::remove(folder / "AutoMax.DAT");
        EXPECT_EQ(limits.FindYear("AutoMax.DAT", "1992").result, LookupResult::YearMissing);
        EXPECT_TRUE(platform.messages.empty());
        fs::remove_all(folder);
    }
}

std::string ColumnName(std::size_t column) {  // --asset-type heads the column asset_type
    std::string name = column == 0 ? "id" : kOptions[column] + 2;
    std::ranges::replace(name, '-', '_');
    return name;
}

// A batch run's exit status, output and complaints.
std::tuple<int, std::string, std::string> Batch(
    const std::string& csv, BatchFormat format = BatchFormat::Jsonl,
    const std::optional<std::string>& dataDir = std::nullopt, bool totals = false) {
    std::istringstream in(csv);
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunBatch(in, out, err, {format, totals, dataDir, fs::temp_directory_path(), "r"});
    return {status, out.str(), err.str()};
}

// A register row a user might keep: mostly computed, some refused, some stopped by checks.
Cells RandomCells(std::mt19937& random, int n) {
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    const auto chance = [&](std::size_t percent) { return pick(100) < percent; };
    const auto date = [&](std::size_t year) {
        return std::to_string(101 + pick(12)).substr(1) + "/" + std::to_string(year);
    };
    const auto amount = [&] {  // from cents to hundreds of thousands
        return std::to_string(pick(10)) + std::string(pick(6), '0') + "." +
               std::to_string(100 + pick(100)).substr(1);
    };
    Cells c;
    c[0] = chance(10) ? "A" + std::to_string(n) + ", \"x\"" : "A" + std::to_string(n);
    const std::string method =
        chance(3) ? "Depreciate" : std::string(MethodName(kMethodList[pick(4)]));
    c[3] = chance(3) ? "" : method;
    const char* const types[] = {"", "regular", "relinquished", "replacement", "leased"};
    c[1] = types[chance(2) ? 4 : pick(4)];
    const std::size_t placed = 1990 + pick(41);
    c[4] = chance(5) ? "" : date(placed);
    const bool classes = method == "MACRS" || method == "ADS";
    if (classes && chance(40)) {
        const auto list = method == "MACRS" ? MacrsClasses() : AdsClasses();
        c[6] = chance(30) ? "Automobiles (5)" : std::string(list[pick(list.size())].label);
    } else if (classes) {
        const auto lives = LivesFor(MethodOf(method));
        c[5] = std::string(lives[pick(lives.size())]);
    } else {
        c[5] = chance(5) ? "0" : std::to_string(1 + pick(44)) + (chance(30) ? ".5" : "");
    }
    c[7] = (IsListedProperty(c[6]) || c[5] == "5") && chance(60) ? std::to_string(pick(101)) : "";
    const char* const ticks[] = {"1", "yes", "TRUE", "x"};
    c[8] = chance(classes ? 25 : 2) ? ticks[pick(4)] : "";
    const char* const conventions[] = {"half-year", "mid-quarter", "mid-month"};
    c[9] = chance(classes ? 25 : 2) ? conventions[pick(3)] : "";
    c[2] = chance(3) ? "" : amount();
    c[10] = c[1] == "relinquished" || chance(2) ? date(placed + pick(46)) : "";
    c[11] = c[1] == "replacement" && chance(70) ? amount() : "";
    c[12] = c[1] == "replacement" && chance(70) ? amount() : "";
    const char* const descriptions[] = {"", "Office, 2nd floor", "Desk \"oak\"", "Press\nline 2"};
    c[13] = descriptions[chance(20) ? 1 + pick(3) : 0];
    const char* const rates[] = {"100", "80", "60", "50", "40", "30", "20"};
    c[14] = chance(classes ? 15 : 1) ? rates[pick(7)] : "";
    c[15] = chance(classes ? 15 : 2) ? std::to_string(pick(3000)) : "";
    if (chance(5)) {
        const std::size_t i = 2 + pick(12);  // any cell but the bonus tick
        c[i == 8 ? 2 : i] = kOddTexts[pick(kOddTexts.size())];
    }
    return c;
}

std::vector<std::string> Options(const Cells& c) {
    std::vector<std::string> args;
    for (std::size_t i = 1; i < c.size(); ++i) {
        if (!c[i].empty()) {
            args.emplace_back(kOptions[i]);
            if (i != 8) {
                args.push_back(c[i]);
            }
        }
    }
    return args;
}

TEST(Batch, EveryRowIsWhatASingleRunOfItsCellsGives) {
    const fs::path folder = LimitTablesFolder("pellory-batch");
    std::mt19937 random(1031);
    std::array<std::size_t, kOptions.size()> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    std::string csv = "\xEF\xBB\xBF";
    for (const std::size_t column : order) {
        csv += (column == order[0] ? "" : ",") + ColumnName(column);
    }
    csv += "\r\n";
    std::vector<std::string> expected;  // what a single run of each row's cells gives
    // Their depreciation, section 179 and allowance by calendar year, for --totals.
    std::map<int, std::array<std::int64_t, 3>> years;
    for (long line = 2; line < 400; ++line) {
        if (random() % 50 == 0) {
            csv += "\n";  // a blank line is counted, never computed
            continue;
        }
        const Cells cells = RandomCells(random, static_cast<int>(line));
        for (const std::size_t column : order) {
            csv += column == order[0] ? "" : ",";
            AppendCsvField(csv, cells[column]);  // read back whole by the register's reader
        }
        csv += random() % 2 == 0 ? "\n" : "\r\n";
        const std::string report =
            Calc(Options(cells), true, folder, [&](const CalcResult& r, const CollectingPlatform&) {
                for (const ScheduleRow& row : r.schedule.rows) {
                    years[row.calendarYear][0] += row.amountCents;
                }
                if (!r.schedule.rows.empty()) {
                    years[r.schedule.rows[0].calendarYear][1] += r.section179Cents;
                    years[r.schedule.rows[0].calendarYear][2] += r.allowanceCents;
                }
            });
        expected.push_back("{\"line\":" + std::to_string(line) + ",\"id\":" + JsonString(cells[0]) +
                           "," + report.substr(1, report.size() - 2));
    }
    const auto [status, out, err] = Batch(csv, BatchFormat::Jsonl, folder.string());
    std::string totals = "year,depreciation,section_179,allowance\n";
    for (const auto& [year, sums] : years) {
        totals += std::to_string(year);
        for (const std::int64_t cents : sums) {
            totals += "," + std::to_string(cents / 100) + "." +
                      std::to_string(100 + cents % 100).substr(1);
        }
        totals += "\n";
    }
    EXPECT_EQ(Batch(csv, BatchFormat::Csv, folder.string(), true), std::tuple(1, totals, err));
    fs::remove_all(folder);
    std::istringstream lines(out);
    std::string line;
    for (const std::string& row : expected) {
        ASSERT_TRUE(std::getline(lines, line));
        ASSERT_EQ(line, row);
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_EQ(status, 1);  // some rows are refused
}

std::int64_t Cents(const std::string& amount) {
    return amount.empty() ? 0 : std::llround(std::stod(amount) * 100);
}

// No schedule recovers more than its business basis, every row's basis is the one before it less
// the row's amount to the cent, a schedule that runs to its end recovers exactly its business
// basis, and a run that writes no row never ends with an empty red status line.
TEST(PelloryCalc, EveryScheduleReconcilesToItsBusinessBasisAndNoRunIsSilent) {
    const fs::path folder = LimitTablesFolder("pellory-schedule-property");
    std::mt19937 random(20260112);
    int schedules = 0;
    for (int run = 0; run < 3000; ++run) {
        const Cells c = RandomCells(random, run);
        if (HasOddText(c)) {
            continue;  // a text whose cents are not read here
        }
        Calc(Options(c), true, folder, [&](const CalcResult& w, const CollectingPlatform& p) {
            const std::string trace = std::to_string(run) + ": " + JsonReport(w, p.messages);
            ASSERT_TRUE(p.messages.empty()) << trace;
            const std::vector<ScheduleRow>& rows = w.schedule.rows;
            if (rows.empty()) {
                ASSERT_TRUE(w.statusBlue || !w.status.empty()) << trace;
                return;
            }
            ++schedules;
            // The business share of the (adjusted) cost, a half cent to the even cent.
            const std::int64_t share = (Cents(c[2]) - Cents(c[11]) + Cents(c[12])) *
                                       (c[7].empty() ? 100 : std::stoll(c[7]));
            const std::int64_t half = share % 100 - 50;
            const std::int64_t business =
                share / 100 + (half > 0 || (half == 0 && share / 100 % 2));
            std::int64_t left = business;
            for (const ScheduleRow& row : rows) {
                ASSERT_GT(row.amountCents, 0) << trace;
                left -= row.amountCents;
                ASSERT_GE(left, 0) << trace;
                ASSERT_EQ(row.basisCents, left) << trace;
            }
            if (c[10].empty() && w.statusBlue) {  // not sold, not cut short
                ASSERT_EQ(left, 0) << trace;
            }
        });
    }
    fs::remove_all(folder);
    EXPECT_GT(schedules, 1000);
}

TEST(Batch, RegistersReadAndRefused) {
    const std::string header =
        "id,asset_type,method,in_service,life,sales_price,adj_tax_basis,cost\n";
    const std::string good = "1,replacement,Straight Line,01/2010,1,4000,2500,7500\n";
    const std::string first =
        "{\"line\":2,\"id\":\"1\",\"rows\":[{\"recovery_year\":1,\"year\":\"2010\","
        "\"depreciation\":\"6,000.00 \",\"basis\":\".00 \"}],\"status\":\"\","
        "\"status_color\":\"blue\",\"adj_cost\":\"6000\",\"messages\":[],"
        "\"allowance_rate\":null,\"allowance\":\".00 \",\"section_179\":\".00 \"}\n";
    const struct {
        std::string csv;
        int status;
        std::string out;  // its start
        std::string err;  // its start, after "pellory-calc: r: "
        BatchFormat format = BatchFormat::Jsonl;
        bool totals = false;
    } cases[] = {
        // Totals: the year placed in service takes section 179 and the allowance; a refused row
        // adds nothing.
        {"id,method,in_service,life,cost,bonus_rate,section_179\n"
         "A,MACRS,06/2024,5,10000,60,\n"
         "B,Amortize,01/2024,5,1000,,500\n"
         "C,MACRS,11/2001,7,100000,30,24000\n",
         1,
         "{\"year\":\"2001\",\"depreciation\":\"54402.28\",\"section_179\":\"24000.00\","
         "\"allowance\":\"22800.00\"}\n"
         "{\"year\":\"2002\",\"depreciation\":\"13028.68\",\"section_179\":\"0.00\","
         "\"allowance\":\"0.00\"}\n",
         "line 3: --section-179: the Section 179 box is disabled", BatchFormat::Jsonl, true},
        {"id,method,in_service,life,business,asset_type,sales_price,adj_tax_basis,cost\n"
         "\"Van, \"\"blue\"\"\",Straight Line,01/2010,2,,replacement,4000,2500,7500\r\n"
         "R,Straight Line,03/2002,5,50,,,,1000\n"
         "Z,Straight Line,03/2002,0,,,,,1000",
         1,
         "id,line,recovery_year,year,depreciation,adj_tax_basis,status\n"
         "\"Van, \"\"blue\"\"\",2,1,2010,3000.00,3000.00,\n"
         "\"Van, \"\"blue\"\"\",2,2,2011,3000.00,0.00,\n"
         "R,3,,,,,--business: the Business % box is disabled; it is asked for 5-year listed "
         "property only\n"
         "Z,4,,,,,Life must be greater than 0! \n",
         "line 3: --business: the Business % box is disabled", BatchFormat::Csv},
        {"cost\r5\r\n", 0, "{\"line\":2,\"id\":\"\",\"rows\":[],", ""},  // a lone CR ends a line
        {"cost\n\"1,000\"\n", 0, "{\"line\":2,",
         "line 2: --cost: the box kept \"1000\" of \"1,000\"; the schedule is of what it kept"},
        {header + good + "2,MACRS\n", 1, first,
         "line 3: the row has 2 cells where the header names 8 columns"},
        {"", 2, "",
         "the register is empty: its first line names the columns, from id, asset_type, "},
        {"\n" + good, 2, "", "line 1: the header is missing: the first line names the columns"},
        {"id,cost,Cost\n", 2, "", "line 1: unknown column \"Cost\"; the columns are id,"},
        {"id,cost,id\n" + good, 2, "", "line 1: the column \"id\" is named twice"},
        {header + good + "\"2,MACRS\n" + good, 2, first,
         "line 3: a quoted field is not closed by the end of the file"},
        {"cost\n5\"\n", 2, "",
         "line 2: a quote inside an unquoted field (a field with quotes is "
         "quoted whole, each of its quotes doubled)"},
        {"\"id\"x\n", 2, "", "line 1: text after the closing quote of a field"},
        {"\xEF\xBBid\n", 2, "", "line 1: the file starts with a broken byte-order mark"},
        {"\"" + std::string((1 << 20) + 1, 'x'), 2, "",
         "line 1: a record longer than 1048576 bytes"},
    };
    for (const auto& c : cases) {
        const auto [status, out, err] = Batch(c.csv, c.format, std::nullopt, c.totals);
        EXPECT_EQ(status, c.status) << c.csv;
        EXPECT_EQ(out.substr(0, c.out.size()), c.out) << c.csv;
        EXPECT_EQ(out.empty(), c.out.empty()) << c.csv;
        const std::string said = "pellory-calc: r: " + c.err;
        EXPECT_EQ(err.substr(0, said.size()), c.err.empty() ? "" : said) << c.csv;
    }
}

}  // namespace
}  // namespace pellory::cli
