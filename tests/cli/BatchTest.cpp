#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <random>
#include <sstream>

#include "CalcRun.h"
#include "classes/Catalogue.h"
#include "cli/Batch.h"

namespace pellory::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 14> kOptions{
    "",       "--asset-type",  "--cost",          "--method",     "--in-service",
    "--life", "--class",       "--business",      "--bonus",      "--convention",
    "--sold", "--sales-price", "--adj-tax-basis", "--description"};
using Cells = std::array<std::string, 14>;

// Texts no box expects: numbers too long for any type, signs, control bytes, a broken date.
// clang-format off
const std::array<std::string, 9> kOddTexts{std::string(400, '9'),
    std::string(5000, '1') + "." + std::string(400, '9'), "1e400", "-5", ".", "1.2.3",
    "abc\xCE\xA9\x01\x7F", "00/0000", "12/"};
// clang-format on
bool HasOddText(const Cells& c) {
    return std::find_first_of(c.begin(), c.end(), kOddTexts.begin(), kOddTexts.end()) != c.end();
}

// A column's name is its option's: "--asset-type" heads the column asset_type; the first is id.
std::string ColumnName(std::size_t column) {
    std::string name = column == 0 ? "-id" : kOptions[column] + 1;
    std::replace(name.begin(), name.end(), '-', '_');
    return name.substr(1);
}

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

BatchRun Batch(const std::string& csv, BatchFormat format = BatchFormat::Jsonl,
               const std::optional<std::string>& dataDir = std::nullopt) {
    std::istringstream in(csv);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatch(in, out, err, {format, dataDir, fs::temp_directory_path(), "r"});
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
    if (chance(5)) {
        const std::size_t i = 2 + pick(12);  // any cell but the bonus tick
        c[i == 8 ? 2 : i] = kOddTexts[pick(kOddTexts.size())];
    }
    return c;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char ch : text) {
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    }
    return quoted + "\"";
}

// The options a row's cells stand for.
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

// What a single run gives for the options a row's cells stand for, on a freshly started window.
std::string SingleRun(const Cells& c, long line, const fs::path& folder) {
    const std::string start = "{\"line\":" + std::to_string(line) + ",\"id\":" + JsonString(c[0]);
    const CalcRun run = Calc(Options(c), true, folder);
    return start + (run.refused ? ",\"error\":" + JsonString(*run.refused) + "}"
                                : "," + run.output.substr(1, run.output.size() - 2));
}

TEST(Batch, EveryRowIsWhatASingleRunOfItsCellsGives) {
    const fs::path folder = LimitTablesFolder("pellory-batch");
    std::mt19937 random(1031);
    std::array<std::size_t, 14> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    std::string csv = "\xEF\xBB\xBF";
    for (const std::size_t column : order) {
        csv += (column == order[0] ? "" : ",") + ColumnName(column);
    }
    csv += "\r\n";
    std::vector<std::string> expected;
    int refused = 0;
    for (long line = 2; line < 400; ++line) {
        if (random() % 50 == 0) {
            csv += "\n";  // a blank line is counted, never computed
            continue;
        }
        const Cells cells = RandomCells(random, static_cast<int>(line));
        for (const std::size_t column : order) {
            csv += (column == order[0] ? "" : ",") + CsvField(cells[column]);
        }
        csv += random() % 2 == 0 ? "\n" : "\r\n";
        expected.push_back(SingleRun(cells, line, folder));
        refused += expected.back().find(",\"error\":") != std::string::npos ? 1 : 0;
    }
    const BatchRun run = Batch(csv, BatchFormat::Jsonl, folder.string());
    fs::remove_all(folder);
    std::istringstream lines(run.out);
    std::string line;
    for (const std::string& row : expected) {
        ASSERT_TRUE(std::getline(lines, line));
        ASSERT_EQ(line, row);
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_EQ(run.status, refused > 0 ? 1 : 0);
    EXPECT_GT(refused, 30);
    EXPECT_LT(refused, 150);
}

std::int64_t Cents(const std::string& amount) {
    return amount.empty() ? 0 : std::llround(std::stod(amount) * 100);
}

// No schedule recovers more than its business basis, every row reconciles to the cent, and a
// run that writes no row never ends with an empty red status line.
TEST(PelloryCalc, NoScheduleRecoversMoreThanItsBusinessBasisAndNoRunIsSilent) {
    const fs::path folder = LimitTablesFolder("pellory-schedule-property");
    std::mt19937 random(20260112);
    int schedules = 0;
    for (int run = 0; run < 3000; ++run) {
        const Cells c = RandomCells(random, run);
        if (c[5] == "0" || HasOddText(c)) {
            continue;  // a division by zero, or a text whose cents are not read here
        }
        Calc(Options(c), true, folder, [&](const FrmViewDepr& w, const CollectingPlatform& p) {
            const std::string trace = std::to_string(run) + ": " + JsonReport(w, p.messages);
            ASSERT_TRUE(p.messages.empty()) << trace;
            const std::vector<ScheduleRow>& rows = w.depr.Result().rows;
            if (rows.empty()) {
                ASSERT_TRUE(w.stbMain.foreColor == kBlue || !w.stbMain.caption.empty()) << trace;
                return;
            }
            ++schedules;
            // The business share of the (adjusted) cost, a half cent to the even cent.
            const std::int64_t share = (Cents(c[2]) - Cents(c[11]) + Cents(c[12])) *
                                       (c[7].empty() ? 100 : std::stoll(c[7]));
            const std::int64_t half = share % 100 - 50;
            const std::int64_t business =
                share / 100 + (half > 0 || (half == 0 && share / 100 % 2));
            std::int64_t recovered = 0;
            for (const ScheduleRow& row : rows) {
                recovered += row.amountCents;
                const std::int64_t left = business - recovered;
                ASSERT_GT(row.amountCents, 0) << trace;
                ASSERT_GE(left, 0) << trace;
                ASSERT_EQ(row.basisCents, left < 100 ? 0 : left) << trace;
            }
            if (IsStraightLine(MethodOf(c[3])) && c[10].empty()) {  // short by half cents at most
                ASSERT_LE(2 * (business - recovered), rows.back().recoveryYear) << trace;
            }
        });
    }
    fs::remove_all(folder);
    EXPECT_GT(schedules, 1000);
}

TEST(Batch, CsvHasARecordPerScheduleRowAndRefusedRowsAmongGoodOnes) {
    const BatchRun run = Batch(
        "id,method,in_service,life,business,bonus,asset_type,sales_price,adj_tax_basis,cost\n"
        "\"Van, \"\"blue\"\"\",Straight Line,01/2010,2,,,replacement,4000,2500,7500\r\n"
        "R,Straight Line,03/2002,5,50,,,,,1000\n"
        "V,,,,,,,,,100\n"
        "Z,Straight Line,03/2002,0,,,,,,1000",
        BatchFormat::Csv);
    const std::string disabled =
        "--business: the Business % box is disabled; it is asked for 5-year listed property only";
    EXPECT_EQ(run.out,
              "id,line,recovery_year,year,depreciation,adj_tax_basis,status\n"
              "\"Van, \"\"blue\"\"\",2,1,2010,3000.00,3000.00,\n"
              "\"Van, \"\"blue\"\"\",2,2,2011,3000.00,0.00,\n"
              "R,3,,,,," +
                  disabled +
                  "\nV,4,,,,,Method Missing! \n"
                  "Z,5,,,,,Calculation Error: Err: 11[Division by zero]\n");
    EXPECT_EQ(run.err, "pellory-calc: r: line 3: " + disabled + "\n");
    EXPECT_EQ(run.status, 1);
}

// A register arriving a line at a time, noting the output written before each wait.
class LineByLine : public std::streambuf {
  public:
    LineByLine(std::vector<std::string> lines, const std::ostringstream& out)
        : lines_(std::move(lines)), out_(out) {}
    std::vector<std::size_t> written;

  protected:
    int_type underflow() override {
        if (next_ == lines_.size()) {
            return traits_type::eof();
        }
        written.push_back(out_.str().size());
        std::string& line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line[0]);
    }

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const std::ostringstream& out_;
};

TEST(Batch, EachRowIsWrittenBeforeTheNextIsWaitedFor) {
    std::ostringstream out;
    std::ostringstream err;
    LineByLine lines({"id,cost\n", "1,5\n", "2,5\n", "3,5\n"}, out);
    std::istream in(&lines);
    RunBatch(in, out, err, {BatchFormat::Jsonl, std::nullopt, fs::temp_directory_path(), "-"});
    const std::size_t row = out.str().size() / 3;
    EXPECT_EQ(lines.written, (std::vector<std::size_t>{0, 0, row, 2 * row}));
}

// An output that takes nothing, failing as a full disk or a closed pipe does.
class Failing : public std::streambuf {
  public:
    explicit Failing(int error) : error_(error) {}

  protected:
    std::streamsize xsputn(const char*, std::streamsize) override {
        errno = error_;
        return 0;
    }

  private:
    int error_;
};

TEST(Batch, AClosedPipeEndsTheRunQuietlyAndAFullDiskIsReported) {
    for (const int error : {EPIPE, ENOSPC}) {
        Failing failing(error);
        std::ostream out(&failing);
        std::istringstream in("id,cost\n1,5\n");
        std::ostringstream err;
        const int status = RunBatch(in, out, err, {BatchFormat::Jsonl, {}, {}, "-"});
        EXPECT_EQ(status, error == EPIPE ? 0 : 1);
        EXPECT_EQ(err.str(), error == EPIPE ? ""
                                            : "pellory-calc: the output could not be written "
                                              "(No space left on device)\n");
    }
}

TEST(Batch, ARegisterThatCannotBeReadStopsTheRun) {
    const std::string good = "1,MACRS,03/2002,5,1000\n";
    const std::string first = "{\"line\":2,\"id\":\"1\",\"rows\":[{\"recovery_year\":1,";
    const struct {
        std::string csv;
        int status;
        std::string out;  // its start
        std::string err;
    } cases[] = {
        {"id,method,in_service,life,cost\n" + good + good, 0, first, ""},
        {"cost\r5\r\n", 0, "{\"line\":2,\"id\":\"\",\"rows\":[],", ""},  // a lone CR ends a line
        {"id,method,in_service,life,cost\n" + good + "2,MACRS\n", 1, first,
         "line 3: the row has 2 cells where the header names 5 columns"},
        {"", 2, "",
         "the register is empty: its first line names the columns, from id, asset_type, "},
        {"\n" + good, 2, "", "line 1: the header is missing: the first line names the columns"},
        {"id,cost,Cost\n", 2, "", "line 1: unknown column \"Cost\"; the columns are id,"},
        {"id,cost,id\n" + good, 2, "", "line 1: the column \"id\" is named twice"},
        {"id,method,in_service,life,cost\n" + good + "\"2,MACRS\n" + good, 2, first,
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
        const BatchRun run = Batch(c.csv);
        EXPECT_EQ(run.status, c.status) << c.csv;
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.csv;
        EXPECT_EQ(run.out.empty(), c.out.empty()) << c.csv;
        const std::string said = "pellory-calc: r: " + c.err;
        EXPECT_EQ(run.err.substr(0, said.size()), c.err.empty() ? "" : said) << c.csv;
    }
    std::istringstream none;
    std::ostringstream out;
    std::ostringstream err;
    CalcOptions options;
    options.batch = "/";  // a folder opens but cannot be read
    EXPECT_EQ(BatchCommand(options, fs::temp_directory_path(), none, out, err), 2);
    EXPECT_EQ(err.str().rfind("pellory-calc: /: ", 0), 0U) << err.str();
}

}  // namespace
}  // namespace pellory::cli
