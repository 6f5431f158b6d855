#include "cli/CalcOptions.h"

#include <algorithm>
#include <map>
#include <set>

#include "engine/AllowanceRates.h"

namespace pellory::cli {

const char* const kUsage =
    "usage: pellory-calc [--asset-type regular|relinquished|replacement] [--cost TEXT]\n"
    "                    [--method TEXT] [--in-service MM/YYYY] [--life TEXT] [--class LABEL]\n"
    "                    [--business TEXT] [--bonus] [--bonus-rate PCT] [--section-179 AMOUNT]\n"
    "                    [--convention half-year|mid-quarter|mid-month] [--sold MM/YYYY]\n"
    "                    [--sales-price TEXT] [--adj-tax-basis TEXT] [--description TEXT]\n"
    "                    [--data-dir DIR] [--json] [--pdf FILE]\n"
    "       pellory-calc --batch FILE|- [--format jsonl|csv] [--totals] [--data-dir DIR]\n"
    "       pellory-calc --help | --version\n"
    "Works the main window as a user would, presses Calculate and prints the written rows\n"
    "(year, depreciation, adjusted tax basis), the status line and any message box; --json\n"
    "prints them as one JSON object, --pdf FILE also prints the schedule report to a PDF file.\n"
    "--batch computes every row of a CSV register (- reads the standard input): the row's\n"
    "cells are entered as a single run's options are and made into the asset computed, with no\n"
    "window built; its header names the columns, in any order, from id, asset_type, cost,\n"
    "method, in_service, life, class, business, bonus, bonus_rate, section_179, convention,\n"
    "sold, sales_price, adj_tax_basis and description. It prints one JSON object per row, or\n"
    "with --format csv one CSV record per schedule row. --totals prints instead a\n"
    "line per calendar year: the depreciation of all rows (section 179 and the special\n"
    "allowance included) and that year's section 179 and allowance apart.\n"
    "Exit status: 0 when Calculate ran (for every row of a register), 1 when the PDF file could\n"
    "not be written or rows of the register were refused, 2 for a bad command line, an option\n"
    "whose box the window does not offer, or a register that cannot be read.\n";

namespace {

using TextOption = std::optional<std::string> CalcOptions::*;
using FlagOption = bool CalcOptions::*;

const std::map<std::string, TextOption, std::less<>> kTexts{
    {"--cost", &CalcOptions::cost},
    {"--method", &CalcOptions::method},
    {"--in-service", &CalcOptions::inService},
    {"--life", &CalcOptions::life},
    {"--class", &CalcOptions::assetClass},
    {"--business", &CalcOptions::business},
    {"--section-179", &CalcOptions::section179},
    {"--sold", &CalcOptions::sold},
    {"--sales-price", &CalcOptions::salesPrice},
    {"--adj-tax-basis", &CalcOptions::adjTaxBasis},
    {"--description", &CalcOptions::description},
    {"--data-dir", &CalcOptions::dataDir},
    {"--pdf", &CalcOptions::pdf},
    {"--batch", &CalcOptions::batch},
};
const std::map<std::string, FlagOption, std::less<>> kFlags{
    {"--json", &CalcOptions::json},       {"--bonus", &CalcOptions::bonus},
    {"--help", &CalcOptions::help},       {"-h", &CalcOptions::help},
    {"--version", &CalcOptions::version}, {"--totals", &CalcOptions::totals},
};
const std::map<std::string, int, std::less<>> kAssetTypes{
    {"regular", 0}, {"relinquished", 1}, {"replacement", 2}};
const std::map<std::string, int, std::less<>> kConventions{
    {"half-year", 0}, {"mid-quarter", 1}, {"mid-month", 2}};
const std::map<std::string, BatchFormat, std::less<>> kFormats{{"jsonl", BatchFormat::Jsonl},
                                                               {"csv", BatchFormat::Csv}};
// What --batch may go with: the register's columns give each asset, --format the output.
const std::set<std::string> kBatchOptions{"--batch", "--format",  "--data-dir", "--totals",
                                          "--help",  "--version", "-h"};

// The options of a single run that make no sense for a register, whose rows give the asset.
std::optional<UsageError> CheckBatch(const CalcOptions& o, const std::vector<std::string>& given) {
    if (o.format && !o.batch) {
        return UsageError{"--format is for --batch only"};
    }
    if (o.totals && !o.batch) {
        return UsageError{"--totals is for --batch only"};
    }
    for (const std::string& name : given) {
        if (o.batch && kBatchOptions.count(name) == 0) {
            return UsageError{name +
                              " cannot be used with --batch: the register's columns give each "
                              "asset, --format the output"};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<UsageError> SetOption(CalcOptions& o, std::string_view name,
                                    const std::string& value) {
    if (const auto text = kTexts.find(name); text != kTexts.end()) {
        o.*(text->second) = value;
    } else if (name == "--asset-type") {
        const auto found = kAssetTypes.find(value);
        if (found == kAssetTypes.end()) {
            return UsageError{"--asset-type must be regular, relinquished or replacement"};
        }
        o.assetType = found->second;
    } else if (name == "--bonus-rate") {
        const auto& rates = OfferedAllowanceRates();
        const auto found =
            std::ranges::find_if(rates, [&](int rate) { return std::to_string(rate) == value; });
        if (found == rates.end()) {
            return UsageError{"--bonus-rate must be 100, 80, 60, 50, 40, 30 or 20"};
        }
        o.bonusRate = *found;
    } else if (name == "--convention") {
        const auto found = kConventions.find(value);
        if (found == kConventions.end()) {
            return UsageError{"--convention must be half-year, mid-quarter or mid-month"};
        }
        o.convention = found->second;
    } else if (name == "--format") {
        const auto found = kFormats.find(value);
        if (found == kFormats.end()) {
            return UsageError{"--format must be jsonl or csv"};
        }
        o.format = found->second;
    } else {
        return UsageError{"unknown option " + std::string(name)};
    }
    return std::nullopt;
}

std::variant<CalcOptions, UsageError> ParseOptions(const std::vector<std::string>& args) {
    CalcOptions o;
    std::vector<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;  // "--name=value" or the next argument
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        given.push_back(name);
        if (const auto flag = kFlags.find(name); flag != kFlags.end()) {
            if (value) {
                return UsageError{name + " takes no value"};
            }
            o.*(flag->second) = true;
            continue;
        }
        if (!value && i + 1 < args.size()) {
            value = args[++i];
        }
        if (!value) {
            if (kTexts.count(name) != 0 || name == "--asset-type" || name == "--convention" ||
                name == "--bonus-rate" || name == "--format") {
                return UsageError{name + " needs a value"};
            }
            return UsageError{"unknown option " + name};
        }
        if (auto error = SetOption(o, name, *value)) {
            return *error;
        }
    }
    if (auto refused = CheckBatch(o, given)) {
        return *refused;
    }
    return o;
}

}  // namespace pellory::cli
