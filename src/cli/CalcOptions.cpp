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

std::variant<CalcOptions, UsageError> ParseOptions(const std::vector<std::string>& args) {
    CalcOptions o;
    const std::map<std::string, std::optional<std::string> CalcOptions::*> texts{
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
    const std::map<std::string, bool CalcOptions::*> flags{
        {"--json", &CalcOptions::json},       {"--bonus", &CalcOptions::bonus},
        {"--help", &CalcOptions::help},       {"-h", &CalcOptions::help},
        {"--version", &CalcOptions::version},
    };
    const std::map<std::string, int> assetTypes{
        {"regular", 0}, {"relinquished", 1}, {"replacement", 2}};
    const std::map<std::string, int> conventions{
        {"half-year", 0}, {"mid-quarter", 1}, {"mid-month", 2}};

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) {
                return inlineValue;
            }
            if (i + 1 < args.size()) {
                return args[++i];
            }
            return std::nullopt;
        };
        if (const auto flag = flags.find(name); flag != flags.end()) {
            if (inlineValue) {
                return UsageError{name + " takes no value"};
            }
            o.*(flag->second) = true;
            continue;
        }
        const auto v = value();
        if (!v) {
            if (texts.count(name) != 0 || name == "--asset-type" || name == "--convention") {
                return UsageError{name + " needs a value"};
            }
            return UsageError{"unknown option " + name};
        }
        if (const auto it = texts.find(name); it != texts.end()) {
            o.*(it->second) = *v;
        } else if (name == "--asset-type") {
            const auto found = assetTypes.find(*v);
            if (found == assetTypes.end()) {
                return UsageError{"--asset-type must be regular, relinquished or replacement"};
            }
            o.assetType = found->second;
        } else if (name == "--convention") {
            const auto found = conventions.find(*v);
            if (found == conventions.end()) {
                return UsageError{"--convention must be half-year, mid-quarter or mid-month"};
            }
            o.convention = found->second;
        } else {
            return UsageError{"unknown option " + name};
        }
    }
    return o;
}

}  // namespace pellory::cli
