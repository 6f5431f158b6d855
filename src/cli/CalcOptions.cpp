#include "cli/CalcOptions.h"

#include <map>

namespace pellory::cli {

const char* const kUsage =
    "usage: pellory-calc [--asset-type regular|relinquished|replacement] [--cost TEXT]\n"
    "                    [--method TEXT] [--in-service MM/YYYY] [--life TEXT] [--class LABEL]\n"
    "                    [--business TEXT] [--bonus]\n"
    "                    [--convention half-year|mid-quarter|mid-month] [--sold MM/YYYY]\n"
    "                    [--sales-price TEXT] [--adj-tax-basis TEXT] [--description TEXT]\n"
    "                    [--data-dir DIR] [--json] [--pdf FILE]\n"
    "       pellory-calc --help | --version\n"
    "Works the main window as a user would, presses Calculate and prints the written rows\n"
    "(year, depreciation, adjusted tax basis), the status line and any message box; --json\n"
    "prints them as one JSON object, --pdf FILE also prints the schedule report to a PDF file.\n"
    "Exit status: 0 when Calculate ran, 1 when the PDF file could not be written, 2 for a bad\n"
    "command line or an option whose box the window does not offer.\n";

namespace {

using TextOption = std::optional<std::string> CalcOptions::*;
using FlagOption = bool CalcOptions::*;

const std::map<std::string, TextOption> kTexts{
    {"--cost", &CalcOptions::cost},
    {"--method", &CalcOptions::method},
    {"--in-service", &CalcOptions::inService},
    {"--life", &CalcOptions::life},
    {"--class", &CalcOptions::assetClass},
    {"--business", &CalcOptions::business},
    {"--sold", &CalcOptions::sold},
    {"--sales-price", &CalcOptions::salesPrice},
    {"--adj-tax-basis", &CalcOptions::adjTaxBasis},
    {"--description", &CalcOptions::description},
    {"--data-dir", &CalcOptions::dataDir},
    {"--pdf", &CalcOptions::pdf},
};
const std::map<std::string, FlagOption> kFlags{
    {"--json", &CalcOptions::json},       {"--bonus", &CalcOptions::bonus},
    {"--help", &CalcOptions::help},       {"-h", &CalcOptions::help},
    {"--version", &CalcOptions::version},
};
const std::map<std::string, int> kAssetTypes{
    {"regular", 0}, {"relinquished", 1}, {"replacement", 2}};
const std::map<std::string, int> kConventions{
    {"half-year", 0}, {"mid-quarter", 1}, {"mid-month", 2}};

// An option that takes a value, given its value.
std::optional<UsageError> SetOption(CalcOptions& o, const std::string& name,
                                    const std::string& value) {
    if (const auto text = kTexts.find(name); text != kTexts.end()) {
        o.*(text->second) = value;
    } else if (name == "--asset-type") {
        const auto found = kAssetTypes.find(value);
        if (found == kAssetTypes.end()) {
            return UsageError{"--asset-type must be regular, relinquished or replacement"};
        }
        o.assetType = found->second;
    } else if (name == "--convention") {
        const auto found = kConventions.find(value);
        if (found == kConventions.end()) {
            return UsageError{"--convention must be half-year, mid-quarter or mid-month"};
        }
        o.convention = found->second;
    } else {
        return UsageError{"unknown option " + name};
    }
    return std::nullopt;
}

}  // namespace

std::variant<CalcOptions, UsageError> ParseOptions(const std::vector<std::string>& args) {
    CalcOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;  // "--name=value" or the next argument
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
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
            if (kTexts.count(name) != 0 || name == "--asset-type" || name == "--convention") {
                return UsageError{name + " needs a value"};
            }
            return UsageError{"unknown option " + name};
        }
        if (auto error = SetOption(o, name, *value)) {
            return *error;
        }
    }
    return o;
}

}  // namespace pellory::cli
