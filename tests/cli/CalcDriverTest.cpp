#include <gtest/gtest.h>

#include <variant>

#include "cli/CalcDriver.h"
#include "cli/CalcOptions.h"

namespace pellory::cli {
namespace {

struct CalcRun {
    std::string output;
    std::optional<std::string> refused;
};

CalcRun Calc(const std::vector<std::string>& args, bool json = true,
             const std::filesystem::path& folder = std::filesystem::temp_directory_path()) {
    const auto parsed = ParseOptions(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return {"", error->message};
    }
    CollectingPlatform platform(folder);
    FrmViewDepr window(platform);
    window.Load();
    if (const auto refused = Drive(window, std::get<CalcOptions>(parsed))) {
        return {"", refused->message};
    }
    return {json ? JsonReport(window, platform.messages) : PlainReport(window, platform.messages),
            std::nullopt};
}

TEST(PelloryCalc, JsonAndPlainReports) {
    const struct {
        std::vector<std::string> args;
        bool json;
        const char* output;
    } cases[] = {
        {{"--asset-type", "replacement", "--method", "Straight Line", "--in-service", "01/2010",
          "--life", "1", "--sales-price", "4000", "--adj-tax-basis", "2500", "--cost", "7500"},
         true,
         "{\"rows\":[{\"recovery_year\":1,\"year\":\"2010\",\"depreciation\":\"6,000.00 \","
         "\"basis\":\".00 \"}],\"status\":\"\",\"status_color\":\"blue\",\"adj_cost\":\"6000\","
         "\"messages\":[]}\n"},
        // The check moves the focus out of the cost box, which clears the status line on leaving.
        {{"--cost", "100"},
         true,
         "{\"rows\":[],\"status\":\"Method Missing! \",\"status_color\":\"red\","
         "\"adj_cost\":\"\",\"messages\":[]}\n"},
        {{"--method", "Straight Line", "--in-service", "03/2002", "--life", "0", "--cost", "1000"},
         false,
         "\nCalculation Error: Err: 11[Division by zero]\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Calc(c.args, c.json).output, c.output);
    }
}

TEST(PelloryCalc, JsonStringsAreEscapedAndAlwaysUtf8) {
    EXPECT_EQ(JsonString("caf\xC3\xA9 \"a\\b\"\n\t\r\x01 caf\xE9 \xE2\x82"),
              "\"caf\xC3\xA9 \\\"a\\\\b\\\"\\n\\t\\r\\u0001 caf\xEF\xBF\xBD \xEF\xBF\xBD\"");
}

TEST(PelloryCalc, OptionsForABoxThatIsDisabledAreRefused) {
    const struct {
        std::vector<std::string> args;
        const char* start;
    } cases[] = {
        {{"--method", "Straight Line", "--life", "5", "--business", "50"}, "--business: "},
        {{"--sold", "05/2004"}, "--sold: "},
        {{"--asset-type", "relinquished", "--sales-price", "100"}, "--sales-price: "},
        {{"--adj-tax-basis", "100"}, "--adj-tax-basis: "},
        {{"--method", "ADS", "--life", "10", "--bonus"}, "--bonus: "},
        {{"--method", "Amortize", "--class", "Desks (7)"}, "--class: "},
        {{"--method", "MACRS", "--class", "Desks (10)"}, "--class: "},
        {{"--method", "MACRS", "--life", "39", "--convention", "half-year"},
         "--convention half-year: "},
        {{"--method", "Depreciate"}, "--method: "},
        {{"--asset-type", "leased"}, "--asset-type must be"},
        {{"--cost"}, "--cost needs a value"},
        {{"--colour", "red"}, "unknown option --colour"},
    };
    for (const auto& c : cases) {
        const CalcRun run = Calc(c.args);
        ASSERT_TRUE(run.refused.has_value()) << c.start;
        EXPECT_EQ(run.refused->rfind(c.start, 0), 0U) << *run.refused;
    }
}

TEST(PelloryCalc, NoTextInAnyOptionStopsTheProgram) {
    const std::string huge(400, '9');
    const std::string texts[] = {huge,
                                 huge + "." + huge,
                                 "1e400",
                                 "-5",
                                 "",
                                 ".",
                                 "1.2.3",
                                 "abc",
                                 "\xCE\xA9\x01\x7F",
                                 "0",
                                 "00/0000",
                                 "13/2002",
                                 "12/",
                                 "1/2002",
                                 std::string(5000, '1')};
    // Each option after a method and the boxes that open it.
    const std::vector<std::vector<std::string>> bases = {
        {"--method", "Straight Line"},
        {"--method", "ADS"},
        {"--method", "MACRS", "--life", "5"},
        {"--asset-type", "relinquished", "--method", "MACRS", "--life", "5"},
        {"--asset-type", "replacement", "--method", "MACRS", "--life", "5", "--sales-price", "500",
         "--adj-tax-basis", "200"},
        {"--method", "MACRS", "--class", "Automobiles (5)"}};
    int calculated = 0;
    for (const auto& base : bases) {
        for (const char* option :
             {"--cost", "--method", "--in-service", "--life", "--class", "--business", "--sold",
              "--sales-price", "--adj-tax-basis", "--description", "--data-dir"}) {
            for (const std::string& text : texts) {
                SCOPED_TRACE(base[1] + " " + option + " " + text.substr(0, 20));
                std::vector<std::string> args = base;
                args.insert(args.end(),
                            {"--in-service", "03/2002", "--cost", "1000", option, text});
                const CalcRun run = Calc(args);
                calculated += run.refused ? 0 : 1;
                EXPECT_TRUE(run.refused || run.output.rfind("{\"rows\":", 0) == 0) << run.output;
            }
        }
    }
    EXPECT_GT(calculated, 500);
}

}  // namespace
}  // namespace pellory::cli
