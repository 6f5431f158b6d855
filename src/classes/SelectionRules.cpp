#include "classes/SelectionRules.h"

#include "engine/Asset.h"
#include "engine/Section179.h"

namespace pellory {

std::span<const AssetClass> ClassListFor(Method method) {
    return method == Method::Macrs ? MacrsClasses()
           : method == Method::Ads ? AdsClasses()
                                   : std::span<const AssetClass>();
}

bool LifeAsksBusinessUse(std::string_view life) {
    return life == "5";
}

bool ClassAsksBusinessUse(std::string_view label, int life) {
    return life == 5 && IsListedProperty(label);
}

bool IsRealProperty(Method method, double years) {
    return years > 27 && HasClasses(method);
}

bool AllowanceForLife(Method method, double years) {
    return method == Method::Macrs && years < 21;
}

bool AllowanceForClass(int life) {
    return life < 21;
}

bool Section179ForLife(Method method, double years) {
    if (method == Method::None || method == Method::Amortize) {
        return false;
    }
    return years == 0 || MayTakeSection179(years, false, 100.0);
}

bool Section179ForTypedLife(Method method, std::string_view life) {
    const NumberEntry typed = NumberEntry::Of(life);
    return Section179ForLife(method, typed.overflow ? 0.0 : typed.value);
}

ConventionButtons ConventionFor(bool realProperty) {
    return {{!realProperty, !realProperty, realProperty},
            realProperty ? kMidMonthButton : kHalfYearButton};
}

}  // namespace pellory
