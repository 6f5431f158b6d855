#include "engine/FirstYearDeductions.h"

#include <algorithm>

namespace pellory {

FirstYearDeductions SplitFirstYear(std::int64_t businessBasis, std::int64_t section179,
                                   std::optional<int> allowanceRate) {
    FirstYearDeductions out{};
    out.section179 =
        std::clamp<std::int64_t>(section179, 0, std::max<std::int64_t>(businessBasis, 0));
    const std::int64_t left = businessBasis - out.section179;
    if (allowanceRate && left > 0) {
        const std::int64_t hundredths = left * *allowanceRate;
        out.allowance = hundredths / 100;
        const std::int64_t rest = hundredths % 100;
        if (rest > 50 || (rest == 50 && out.allowance % 2 == 1)) {
            ++out.allowance;
        }
    }
    out.tableBasis = left - out.allowance;
    return out;
}

}  // namespace pellory
