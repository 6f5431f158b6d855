#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pellory::cli {

enum class BatchFormat { Jsonl, Csv };

// What the command line asks for; each set field is one thing a user would do in the window.
struct CalcOptions {
    std::optional<int> assetType;  // 0 regular, 1 relinquished, 2 replacement
    std::optional<std::string> cost;
    std::optional<std::string> method;
    std::optional<std::string> inService;
    std::optional<std::string> life;
    std::optional<std::string> assetClass;
    std::optional<std::string> business;
    bool bonus = false;
    std::optional<int> bonusRate;  // the allowance claimed at this rate, in percent
    std::optional<std::string> section179;
    std::optional<int> convention;  // 0 half-year, 1 mid-quarter, 2 mid-month
    std::optional<std::string> sold;
    std::optional<std::string> salesPrice;
    std::optional<std::string> adjTaxBasis;
    std::optional<std::string> description;
    std::optional<std::string> dataDir;
    std::optional<std::string> pdf;
    bool json = false;
    std::optional<std::string> batch;  // a CSV register's path, "-" for the standard input
    std::optional<BatchFormat> format;
    bool totals = false;  // the register's totals by calendar year in place of its rows
    bool help = false;
    bool version = false;
};

struct UsageError {
    std::string message;
};

std::variant<CalcOptions, UsageError> ParseOptions(const std::vector<std::string>& args);

// One option that takes a value (`name` as "--cost"), set as ParseOptions sets it; why not when
// the value is not one the option knows.
std::optional<UsageError> SetOption(CalcOptions& options, std::string_view name,
                                    const std::string& value);

extern const char* const kUsage;

}  // namespace pellory::cli
