#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

#include "KeyDrivenCalc.h"
#include "app/AutoLimitTables.h"
#include "classes/Catalogue.h"

namespace pellory::cli {
namespace {

namespace fs = std::filesystem;

class FixedDayPlatform : public CollectingPlatform {
  public:
    using CollectingPlatform::CollectingPlatform;
    CalendarDate Today() const override { return {2024, 7, 15}; }
};

// Limit tables for the even years 1990-2030; beside them a folder whose tables cannot be opened.
fs::path Tables(bool readable) {
    const fs::path folder = fs::temp_directory_path() /
                            ("pellory-diff-" + std::to_string(::getpid()) + (readable ? "" : "-x"));
    fs::create_directories(folder);
    if (!readable) {
        fs::create_directories(folder / "AutoMax.DAT");
        return folder;
    }
    std::ofstream table(folder / "AutoMax.DAT", std::ios::binary);
    for (int year = 1990; year <= 2030; year += 2) {
        table << year << "3060 4900 2950 1775 ";
    }
    return folder;
}

// Option values a user might give and many no box expects: keys of every kind, too long, signs,
// backspaces, bytes that are not UTF-8.
std::string RandomText(std::mt19937& r, const std::vector<std::string>& usual) {
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(r);
    };
    if (pick(4) != 0) {
        return usual[pick(usual.size())];
    }
    static const std::vector<std::string> keys{"0",    "1",
                                               "2",    "5",
                                               "7",    "9",
                                               ".",    "/",
                                               "_",    "-",
                                               "a",    " ",
                                               ",",    "\b",
                                               "\t",   "\n",
                                               "\x1b", "\xC3\xA9",
                                               "\xE9", "\xE2\x82",
                                               "\x7F", "\xF0\x9F\x98\x80"};
    std::string text;
    for (std::size_t n = pick(14); n > 0; --n) {
        text += keys[pick(keys.size())];
    }
    return text;
}

std::vector<std::string> RandomArgs(std::mt19937& r) {
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(r);
    };
    const auto chance = [&](std::size_t percent) { return pick(100) < percent; };
    std::vector<std::string> args;
    const auto give = [&](const char* option, std::string value) {
        args.emplace_back(option);
        args.push_back(std::move(value));
    };
    const char* const types[] = {"regular", "relinquished", "replacement"};
    const std::size_t type = pick(3);
    if (type != 0 || chance(50))
        give("--asset-type", types[type]);
    const std::string method = std::string(MethodName(kMethodList[pick(4)]));
    if (chance(93))
        give("--method", chance(3) ? "Depreciate" : method);
    const std::string year = std::to_string(1985 + pick(50));
    const std::string month = std::to_string(100 + pick(14)).substr(1);
    if (chance(85))
        give("--in-service", RandomText(r, {month + "/" + year, month + year}));
    std::vector<std::string> lives{
        std::string(400, '9'), "0", "1", "5", "7", "27.5", "39", "40", "43", "44", "2.5", "12.25"};
    for (const auto life : LivesFor(MethodOf(method)))
        lives.emplace_back(life);
    if (chance(60))
        give("--life", RandomText(r, lives));
    const auto list = method == "ADS" ? AdsClasses() : MacrsClasses();
    if (chance(MethodOf(method) == Method::Macrs || method == "ADS" ? 40 : 3))
        give("--class",
             chance(20) ? "Automobiles (5)" : std::string(list[pick(list.size())].label));
    if (chance(25))
        give("--business", RandomText(r, {"100", "80", "50", "49", ".75", "0.6", "0", "120"}));
    const char* const rates[] = {"100", "80", "60", "50", "40", "30", "20"};
    if (chance(20)) {
        if (chance(50))
            args.emplace_back("--bonus");
        else
            give("--bonus-rate", rates[pick(7)]);
    }
    const char* const conventions[] = {"half-year", "mid-quarter", "mid-month"};
    if (chance(20))
        give("--convention", conventions[pick(3)]);
    if (chance(type == 1 ? 80 : 3))
        give("--sold", RandomText(r, {std::to_string(100 + pick(13)).substr(1) + "/" +
                                      std::to_string(1985 + pick(60))}));
    const std::vector<std::string> amounts{"1000", "25000.50",    "7500",    "4000", "2500",
                                           "0.01", "99999999.99", "123.456", "1e5",  "1.2.3",
                                           "0"};
    if (chance(type == 2 ? 80 : 3))
        give("--sales-price", RandomText(r, amounts));
    if (chance(type == 2 ? 80 : 3))
        give("--adj-tax-basis", RandomText(r, amounts));
    if (chance(95))
        give("--cost", RandomText(r, amounts));
    if (chance(MethodOf(method) == Method::Amortize ? 1 : 8))
        give("--section-179", RandomText(r, amounts));
    if (chance(30))
        give("--description", RandomText(r, {"Van", "Desk \"oak\", 2nd", std::string(120, 'x')}));
    return args;
}

// The key-driven window's answer and the window-free one, each as the JSON of the run with the
// notes on what the boxes kept, or the refusal.
std::pair<std::string, std::string> BothWays(const std::vector<std::string>& args,
                                             const fs::path& folder) {
    const auto parsed = ParseOptions(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return {error->message, error->message};
    }
    const CalcOptions& options = std::get<CalcOptions>(parsed);
    std::string before;
    {
        FixedDayPlatform platform(folder);
        FrmViewDepr window(platform);
        window.dataFile.UseFolder(folder);
        window.Load();
        if (const auto refused = reference::Drive(window, options)) {
            before = "refused " + refused->message;
        } else {
            for (const std::string& note : reference::TextsNotKept(window, options)) {
                before += note + "\n";
            }
            before += reference::JsonReport(window, platform.messages);
        }
    }
    FixedDayPlatform platform(folder);
    auto entered = EnterOptions(options, platform.Today());
    if (const auto* refused = std::get_if<UsageError>(&entered)) {
        return {before, "refused " + refused->message};
    }
    const EntryForm& form = std::get<EntryForm>(entered);
    std::string after;
    for (const std::string& note : TextsNotKept(form, options)) {
        after += note + "\n";
    }
    DataFile data(platform);
    data.UseFolder(folder);
    AutoLimitTables limits(data);
    return {before,
            after + JsonReport(Calculate(AssetOf(form), {platform, &limits}), platform.messages)};
}

// PELLORY_DIFFERENTIAL_SEEDS sets how many (a few thousand by default).
TEST(Differential, TheWindowFreePathGivesWhatTheKeyDrivenWindowGives) {
    const char* given = std::getenv("PELLORY_DIFFERENTIAL_SEEDS");
    const long seeds = given != nullptr ? std::atol(given) : 3000;
    const fs::path tables[] = {Tables(true), Tables(false)};
    long refused = 0;
    for (long seed = 0; seed < seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const auto args = RandomArgs(random);
        const auto [before, after] = BothWays(args, tables[seed % 13 == 0]);
        refused += before.starts_with("refused");
        ASSERT_EQ(before, after) << "seed " << seed << ::testing::PrintToString(args);
    }
    for (const fs::path& folder : tables)
        fs::remove_all(folder);
    EXPECT_GT(refused, seeds / 20);
    EXPECT_LT(refused, seeds * 3 / 5);
}

}  // namespace
}  // namespace pellory::cli
