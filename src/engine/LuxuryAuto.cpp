#include "engine/Depr.h"
#include "engine/MonthYear.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

// The rate the special allowance box claims.
constexpr double kTickedAllowanceRate = 0.3;

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
                           const std::string& fileCode, std::int16_t quarter, AutoSystem system) {
    const BonusIncludedScope scope(values.BonusIncluded);
    Report("MACRSauto Error")([&] {
        window_.SetAutoBusinessLabelColor(kBlack);
        if (values.BusinessFraction == 0) {
            window_.SetAutoBusinessLabelColor(kRed);
            window_.ShowStatus("Business Percent is required.");
            return;
        }
        const std::optional<AutoLimits> limits = LuxuryAutoCaps(yearText, fileCode);
        if (!limits) {
            return;
        }
        AutoAsset asset;
        asset.businessBasis = Multiply(cost, values.BusinessFraction);
        asset.businessFraction = values.BusinessFraction;
        asset.placed = ReadMonthYear(window_.InServiceText())
                           .value_or(MonthYear{1, static_cast<int>(Val(yearText))});
        asset.quarter = quarter;
        asset.convention = values.Convention;
        asset.system = system;
        asset.table = fileCode == "A" ? AutoTable::Ordinary : AutoTable::CleanFuel;
        if (window_.BonusTicked()) {
            asset.allowanceRate = kTickedAllowanceRate;
        }
        asset.limits = *limits;
        asset.sold = ReadMonthYear(window_.SoldText());
        EnterAutoSchedule(CappedAutoSchedule(asset));
    });
}

std::optional<AutoLimits> Depr::LuxuryAutoCaps(const std::string& yearText,
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
    return AutoLimits{StrictNumber(record.first), StrictNumber(record.second),
                      StrictNumber(record.third), StrictNumber(record.fourth)};
}

void Depr::EnterAutoSchedule(const AutoSchedule& schedule) {
    for (const AutoYear& year : schedule.years) {
        FillGrid(year.recoveryYear, static_cast<double>(year.amountCents) / 100.0);
    }
    if (schedule.tooLong) {
        window_.ShowStatus("Can't display total depreciation. The life greater then 43 !");
        values.InputError = true;
        return;
    }
    values.MethodText = schedule.straightLine ? "Method: ADS- Straight Line Luxury Auto"
                                              : "Method: MACRS-200% DB Luxury Auto";
    ShowMethodLine();
}

}  // namespace pellory
