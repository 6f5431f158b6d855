#include <gtest/gtest.h>

#include "CalcRun.h"

namespace pellory::cli {
namespace {

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

}  // namespace
}  // namespace pellory::cli
