#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <sstream>

#include "LimitTablesFolder.h"
#include "classes/Catalogue.h"
#include "cli/Batch.h"
#include "cli/CalcDriver.h"

namespace pellory::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 14> kOptions{
    "",       "--asset-type",  "--cost",          "--method",     "--in-service",
    "--life", "--class",       "--business",      "--bonus",      "--convention",
    "--sold", "--sales-price", "--adj-tax-basis", "--description"};
using Cells = std::array<std::string, 14>;

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

// A register's row of assets a user might keep, most of them computed, some refused by the
// window, some stopped by its checks or its message boxes.
Cells RandomCells(std::mt19937& random, int n) {
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    const auto chance = [&](std::size_t percent) { return pick(100) < percent; };
    const auto date = [&](std::size_t year) {
        return std::to_string(101 + pick(12)).substr(1) + "/" + std::to_string(year);
    };
    const auto amount = [&] {
        return std::to_string(pick(100000)) + "." + std::to_string(pick(10));
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

// What a single run gives for the options a row's cells stand for, on a freshly started window.
std::string SingleRun(const Cells& c, long line, const fs::path& folder) {
    std::vector<std::string> args;
    for (std::size_t i = 1; i < c.size(); ++i) {
        if (!c[i].empty()) {
            args.emplace_back(kOptions[i]);
            if (i != 8) {
                args.push_back(c[i]);
            }
        }
    }
    const std::string start = "{\"line\":" + std::to_string(line) + ",\"id\":" + JsonString(c[0]);
    const auto parsed = ParseOptions(args);
    if (const auto* refused = std::get_if<UsageError>(&parsed)) {
        return start + ",\"error\":" + JsonString(refused->message) + "}";
    }
    CollectingPlatform platform(folder);
    FrmViewDepr window(platform);
    window.dataFile.UseFolder(folder);
    window.Load();
    if (const auto refused = Drive(window, std::get<CalcOptions>(parsed))) {
        return start + ",\"error\":" + JsonString(refused->message) + "}";
    }
    const std::string report = JsonReport(window, platform.messages);
    return start + "," + report.substr(1, report.size() - 2);
}

TEST(Batch, EveryRowIsWhatASingleRunOfItsCellsGives) {
    const fs::path folder = LimitTablesFolder("pellory-batch");
    std::mt19937 random(1031);
    std::array<std::size_t, 14> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
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

TEST(Batch, CsvHasARecordPerScheduleRowAndRefusedRowsAmongGoodOnes) {
    const BatchRun run = Batch(
        "id,method,in_service,life,business,bonus,asset_type,sales_price,adj_tax_basis,cost\n"
        "\"Van, \"\"blue\"\"\",Straight Line,01/2010,2,,,replacement,4000,2500,7500\r\n"
        "R,Straight Line,03/2002,5,50,,,,,1000\n"
        "B,MACRS,03/2002,5,,maybe,,,,1000\n"
        "V,,,,,,,,,100\n"
        "Z,Straight Line,03/2002,0,,,,,,1000",
        BatchFormat::Csv);
    const std::string disabled =
        "--business: the Business % box is disabled; it is asked for 5-year listed property only";
    const std::string tick =
        "--bonus: \"maybe\" is not a tick; the bonus column takes 1, yes, true or x, or nothing";
    EXPECT_EQ(run.out,
              "id,line,recovery_year,year,depreciation,adj_tax_basis,status\n"
              "\"Van, \"\"blue\"\"\",2,1,2010,3000.00,3000.00,\n"
              "\"Van, \"\"blue\"\"\",2,2,2011,3000.00,0.00,\n"
              "R,3,,,,," +
                  disabled +
                  "\nB,4,,,,,\"--bonus: \"\"maybe\"\" is not a tick; the bonus "
                  "column takes 1, yes, true or x, or nothing\"\n"
                  "V,5,,,,,Method Missing! \n"
                  "Z,6,,,,,Calculation Error: Err: 11[Division by zero]\n");
    EXPECT_EQ(run.err,
              "pellory-calc: r: line 3: " + disabled + "\npellory-calc: r: line 4: " + tick + "\n");
    EXPECT_EQ(run.status, 1);
}

// A register arriving a line at a time, as from a pipe: notes how much output had been written
// each time the batch waited for the next line.
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
        {"cost\n5\n", 0, "{\"line\":2,\"id\":\"\",\"rows\":[],", ""},
        {"id,method,in_service,life,cost\n" + good + "2,MACRS\n", 1, first,
         "line 3: the row has 2 cells where the header names 5 columns"},
        {"", 2, "",
         "the register is empty: its first line names the columns, from id, asset_type, "
         "cost, method, in_service, life, class, business, bonus, convention, sold, "
         "sales_price, adj_tax_basis, description"},
        {"\n" + good, 2, "", "line 1: the header is missing: the first line names the columns"},
        {"id,colour\n" + good, 2, "", "line 1: unknown column \"colour\"; the columns are id,"},
        {"id,cost,Cost\n", 2, "", "line 1: unknown column \"Cost\""},
        {"id,cost,id\n" + good, 2, "", "line 1: the column \"id\" is named twice"},
        {"id,method,in_service,life,cost\n" + good + "\"2,MACRS\n" + good, 2, first,
         "line 3: a quoted field is not closed by the end of the file"},
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
    for (const char* file : {"/nonexistent/register.csv", "/"}) {
        std::ostringstream out;
        std::ostringstream err;
        CalcOptions options;
        options.batch = file;
        EXPECT_EQ(BatchCommand(options, fs::temp_directory_path(), none, out, err), 2);
        EXPECT_EQ(err.str().rfind("pellory-calc: " + std::string(file) + ": ", 0), 0U) << err.str();
    }
}

}  // namespace
}  // namespace pellory::cli
