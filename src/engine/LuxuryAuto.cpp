#include <algorithm>
#include <array>

#include "engine/Depr.h"
#include "engine/MonthYear.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr int kLastYear = 43;

// Clears the allowance flag however the schedule ends.
class BonusIncludedScope {
  public:
    explicit BonusIncludedScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BonusIncludedScope() { flag_ = false; }
    BonusIncludedScope(const BonusIncludedScope&) = delete;
    BonusIncludedScope& operator=(const BonusIncludedScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace

void Depr::MacrsLuxuryAuto(double cost, std::int16_t /*life*/, const std::string& yearText,
                           const std::string& fileCode, std::int16_t quarter) {
    const BonusIncludedScope scope(values.BonusIncluded);
    Report("MACRSauto Error")([&] {
        window_.SetAutoBusinessLabelColor(kBlack);
        if (values.BusinessFraction == 0) {
            window_.SetAutoBusinessLabelColor(kRed);
            window_.ShowStatus("Business Percent is required.");
            return;
        }
        const double businessCost = Multiply(cost, values.BusinessFraction);
        const std::span<const double> rates = LuxuryAutoRates(quarter);
        const std::optional<std::array<double, 5>> caps = LuxuryAutoCaps(yearText, fileCode);
        if (!caps || !LuxuryAutoYears(businessCost, *caps, rates, yearText)) {
            return;
        }
        values.MethodText = "Method: MACRS-200% DB Luxury Auto";
        ShowMethodLine();
    });
}

std::optional<std::array<double, 5>> Depr::LuxuryAutoCaps(const std::string& yearText,
                                                          const std::string& fileCode) {
    const std::string fileName = fileCode == "A" ? "AutoMax.DAT" : "Electric.DAT";
    const AutoLimitLookup lookup =
        autoLimits != nullptr ? autoLimits->FindYear(fileName, yearText) : AutoLimitLookup{};
    if (lookup.result == LookupResult::TableUnavailable) {
        return std::nullopt;  // the table's own message says why
    }
    if (lookup.result != LookupResult::Found) {
        window_.ShowStatus(
            "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
        return std::nullopt;
    }
    const AutoCaps& record = lookup.caps;
    std::array<double, 5> caps{StrictNumber(record.first), StrictNumber(record.second),
                               StrictNumber(record.third), StrictNumber(record.fourth), 0};
    caps[4] = caps[3];
    if (window_.BonusTicked() && yearText == "2001") {
        caps[0] = std::max(caps[0], fileCode == "A" ? 7660.0 : 23080.0);
    }
    return caps;
}

bool Depr::LuxuryAutoYears(double businessCost, const std::array<double, 5>& caps,
                           std::span<const double> rates, const std::string& yearText) {
    const bool bonus = window_.BonusTicked();
    const double placedYear = Val(yearText);
    const std::optional<MonthYear> soldOn = ReadMonthYear(window_.SoldText());
    // The grid never enters more than the business basis; the schedule ends with the year whose
    // cents bring it there.
    const std::int64_t basisCents = ScaledRound(businessCost, 2);
    std::int64_t recoveredCents = 0;
    for (std::int16_t year = 1; recoveredCents < basisCents; ++year) {
        const auto k = static_cast<std::size_t>(std::min<int>(year, 5));
        double amount = Multiply(businessCost, rates[k - 1]);
        if (year == 1 && bonus) {
            amount += Multiply(0.3, Val(window_.CostText()));
        }
        amount = std::min(amount, Multiply(values.BusinessFraction, caps[k - 1]));
        const bool sold = soldOn && placedYear + year - 1 == soldOn->year;
        if (sold) {
            amount = ProrateSaleYear(amount, values.Convention, soldOn->month);
        }
        if (year > kLastYear) {
            window_.ShowStatus("Can't display total depreciation. The life greater then 43 !");
            values.InputError = true;
            return false;
        }
        recoveredCents += FillGrid(year, amount);
        if (sold) {
            break;
        }
    }
    return true;
}

}  // namespace pellory
