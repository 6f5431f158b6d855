#include "engine/CheckAsset.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "engine/AutoSchedule.h"
#include "engine/Numbers.h"
#include "engine/RateTables.h"

namespace pellory {

namespace {

using Fault = std::optional<InputFault>;

Fault At(InputBox box, std::string message) {
    return InputFault{box, std::move(message)};
}

bool IsOneOfMacrsLives(double life) {
    constexpr std::array<double, 9> kLives{3.0, 5.0, 7.0, 10.0, 15.0, 20.0, 27.5, 31.5, 39.0};
    return std::ranges::find(kLives, life) != kLives.end();
}

bool HasMidQuarterTable(double life) {
    return std::ranges::any_of(MacrsRows(MacrsTable::Quarter1),
                               [life](const RateRow& row) { return row.life == life; });
}

Fault CheckCostAndMethod(const Asset& a) {
    if (a.cost.value == 0) {
        return At(InputBox::Cost, "Cost Missing! ");
    }
    if (!a.cost.plain) {
        return At(InputBox::Cost, "Cost is invalid! ");
    }
    if (a.method == Method::None) {
        return At(InputBox::Method, "Method Missing! ");
    }
    return std::nullopt;
}

Fault CheckInServiceAndLife(const Asset& a) {
    if (a.inService.empty) {
        return At(InputBox::InService, "In service date is missing! ");
    }
    if (!a.inService.date) {
        return At(InputBox::InService, "In service date is invalid! ");
    }
    const NumberEntry& life = a.life;
    if (!HasClasses(a.method) && life.empty) {
        return At(InputBox::Life, "Life Missing! ");
    }
    if (!life.empty && !life.plain) {
        return At(InputBox::Life, "Life is invalid! ");
    }
    if (life.Value() > 43) {
        return At(InputBox::Life, "Life Can't be greater than 43! ");
    }
    if (!life.empty && life.value == 0) {
        return At(InputBox::Life, "Life must be greater than 0! ");
    }
    if (a.method == Method::Macrs && !life.empty && !IsOneOfMacrsLives(life.value)) {
        return At(InputBox::None, "Life must be 3,5,7,10,15,20,27.5,31.5,39! ");
    }
    if (a.method == Method::Macrs && !life.empty &&
        a.convention == AveragingConvention::MidQuarter && !HasMidQuarterTable(life.value)) {
        // Real property is recovered month by month; the mid-quarter tables have no row for it.
        return At(InputBox::Life, "Life " + life.text + " has no Mid Quarter table! ");
    }
    return std::nullopt;
}

Fault CheckBusinessShare(const Asset& a) {
    const double share = a.business.fraction;
    if (a.business.asked && share == 0) {
        return At(InputBox::BusinessPercent, "Business Percent is required.");
    }
    if (a.method == Method::Macrs && share > 0 && (share > 1.0 || share < 0.5)) {
        return At(InputBox::None,
                  "MACRS Buisness Percent must be between 50% and 100%. Use ADS for less then "
                  "50%.");
    }
    if (share > 1.0) {
        return At(InputBox::None, "Business Percent can't be greater than 100%. ");
    }
    return std::nullopt;
}

// A car used 50% or less for business takes no special allowance.
Fault CheckAutoAllowance(const Asset& a) {
    if (a.allowanceRate && a.assetClass && a.assetClass->autoTable &&
        !AutoQualifiesForAllowance(a.business.fraction)) {
        return At(InputBox::Allowance, "Special allowance requires business use over 50%.");
    }
    return std::nullopt;
}

Fault CheckDateSold(const Asset& a) {
    if (a.sold.empty) {
        return std::nullopt;
    }
    const MonthYear& placed = *a.inService.date;
    const std::optional<MonthYear>& sold = a.sold.date;
    if (!sold || sold->year * 12 + sold->month < placed.year * 12 + placed.month) {
        return At(InputBox::Sold, "Date sold is invalid! ");
    }
    return std::nullopt;
}

Fault CheckExchange(const Asset& a) {
    const NumberEntry& sales = a.salesPrice;
    const NumberEntry& basis = a.adjTaxBasis;
    if (basis.empty && !sales.empty) {
        return At(InputBox::AdjTaxBasis, "Adj Tax Basis is required if Sales Price is populated! ");
    }
    if (sales.empty && !basis.empty) {
        return At(InputBox::SalesPrice, "Sales Price is required if Adj Tax Basis is populated! ");
    }
    if (!sales.empty && !sales.plain) {
        return At(InputBox::SalesPrice, "Sales Price is invalid! ");
    }
    if (!basis.empty && !basis.plain) {
        return At(InputBox::AdjTaxBasis, "Adj Tax Basis is invalid! ");
    }
    if (!sales.empty && a.cost.value - sales.value + basis.value <= 0) {
        return At(InputBox::SalesPrice, "Adj. Cost must be greater than 0! ");
    }
    return std::nullopt;
}

// Section 179 expenses part of the business basis, never more; a car used 50% or less takes none.
Fault CheckSection179(const Asset& a) {
    const NumberEntry& amount = a.section179;
    if (amount.empty) {
        return std::nullopt;
    }
    if (!amount.plain) {
        return At(InputBox::Section179, "Section 179 is invalid! ");
    }
    if (amount.value > 0 && a.assetClass && a.assetClass->autoTable &&
        !AutoQualifiesForAllowance(a.business.fraction)) {
        return At(InputBox::Section179, "Section 179 requires business use over 50%.");
    }
    const double cost =
        a.salesPrice.empty ? a.cost.value : a.cost.value - a.salesPrice.value + a.adjTaxBasis.value;
    const double basis = a.business.number.empty ? cost : cost * a.business.fraction;
    if (ScaledRound(amount.value, 2) > ScaledRound(basis, 2)) {
        return At(InputBox::Section179, "Section 179 can't be greater than the business basis. ");
    }
    return std::nullopt;
}

}  // namespace

std::variant<InputFault, CheckedAsset> CheckAsset(const Asset& asset) {
    for (const auto check : {CheckCostAndMethod, CheckInServiceAndLife, CheckBusinessShare,
                             CheckAutoAllowance, CheckDateSold, CheckExchange, CheckSection179}) {
        if (Fault fault = check(asset)) {
            return std::move(*fault);
        }
    }
    return CheckedAsset(asset);
}

}  // namespace pellory
