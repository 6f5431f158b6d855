// Seeded random inputs, entered through the command-line driver as a user would: no schedule
// recovers more than its business basis, every row reconciles to the cent, and a run that
// writes no row never ends with an empty red status line.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "LimitTablesFolder.h"
#include "classes/Catalogue.h"
#include "cli/CalcDriver.h"

namespace pellory::cli {
namespace {

namespace fs = std::filesystem;

std::string Money(std::int64_t cents) {
    return std::to_string(cents / 100) + "." + std::to_string(100 + cents % 100).substr(1);
}

struct Input {
    CalcOptions options;
    std::int64_t businessCents = 0;  // what the schedule may recover at most
    bool recoversAll = false;        // a straight line that is not cut short by a sale
};

Input RandomInput(std::mt19937& random) {
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const auto chance = [&](std::size_t percent) { return pick(100) < percent; };
    const auto date = [](std::size_t month, std::size_t year) {
        return std::to_string(101 + month).substr(1) + "/" + std::to_string(year);
    };
    Input in;
    CalcOptions& o = in.options;
    const Method kind = kMethodList[pick(4)];
    const std::size_t placed = 1990 + pick(41);
    o.method = std::string(MethodName(kind));
    o.inService = date(pick(12), placed);
    o.assetType = chance(60) ? 0 : static_cast<int>(1 + pick(2));
    bool listed = false;
    if (HasClasses(kind) && chance(40)) {
        const auto classes = kind == Method::Macrs ? MacrsClasses() : AdsClasses();
        o.assetClass = std::string(classes[pick(classes.size())].label);
        listed = IsListedProperty(*o.assetClass);
    } else if (HasClasses(kind)) {
        o.life = std::string(LivesFor(kind)[pick(LivesFor(kind).size())]);
    } else {
        const char* const fractions[] = {"", ".25", ".5", ".75"};
        o.life = std::to_string(1 + pick(42)) + fractions[pick(4)];
    }
    std::int64_t percent = 100;
    if ((listed || o.life == "5") && chance(70)) {
        percent = chance(5) ? 0 : static_cast<std::int64_t>(1 + pick(100));
        o.business = std::to_string(percent);
    }
    o.bonus = chance(30);
    if (chance(50)) {
        o.convention = static_cast<int>(pick(2));
    }
    std::int64_t cost = std::stoll(std::to_string(1 + pick(9)) + std::string(pick(8), '0')) +
                        static_cast<std::int64_t>(pick(100));
    o.cost = Money(cost);
    if (o.assetType == 1 && chance(60)) {
        o.sold = date(pick(12), placed + pick(46));
    } else if (o.assetType == 2) {
        const auto sales = static_cast<std::int64_t>(pick(100)) * cost / 80;
        const auto basis = static_cast<std::int64_t>(pick(100)) * cost / 50;
        o.salesPrice = Money(sales);
        o.adjTaxBasis = Money(basis);
        cost = cost - sales + basis;
    }
    in.recoversAll = IsStraightLine(kind) && !o.sold;
    // The business share of the cost, a half cent to the even cent.
    const std::int64_t share = cost * percent;
    const std::int64_t half = share % 100 - 50;
    in.businessCents = share / 100 + (half > 0 || (half == 0 && share / 100 % 2 != 0));
    return in;
}

TEST(PelloryCalc, NoScheduleRecoversMoreThanItsBusinessBasisAndNoRunIsSilent) {
    const fs::path folder = LimitTablesFolder("pellory-schedule-property");
    std::mt19937 random(20260112);
    int schedules = 0;
    for (int run = 0; run < 3000; ++run) {
        const Input in = RandomInput(random);
        CollectingPlatform platform(folder);
        FrmViewDepr w(platform);
        w.Load();
        if (Drive(w, in.options)) {
            continue;  // a box the window would not let the user fill
        }
        const std::string trace =
            "run " + std::to_string(run) + ": " + JsonReport(w, platform.messages).substr(0, 2000);
        ASSERT_TRUE(platform.messages.empty()) << trace;
        const std::vector<ScheduleRow>& rows = w.depr.Result().rows;
        if (rows.empty()) {
            ASSERT_TRUE(w.stbMain.foreColor == kBlue || !w.stbMain.caption.empty()) << trace;
            continue;
        }
        ++schedules;
        std::int64_t recovered = 0;
        for (const ScheduleRow& row : rows) {
            recovered += row.amountCents;
            const std::int64_t left = in.businessCents - recovered;
            ASSERT_GT(row.amountCents, 0) << trace;
            ASSERT_GE(left, 0) << trace;
            ASSERT_EQ(row.basisCents, left < 100 ? 0 : left) << trace;
        }
        if (in.recoversAll) {  // short by at most the half cents of its years
            ASSERT_LE(2 * (in.businessCents - recovered), rows.back().recoveryYear) << trace;
        }
    }
    fs::remove_all(folder);
    EXPECT_GT(schedules, 1000);
}

}  // namespace
}  // namespace pellory::cli
