#include "engine/EngineValues.h"

#include "engine/Numbers.h"

namespace pellory {

double BusinessFractionOf(std::string_view text) {
    if ((text.size() >= 2 && text[1] == '.') || (!text.empty() && text[0] == '.')) {
        return Val(text);
    }
    if (text.empty()) {
        return 1.0;
    }
    return Val(text) * 0.01;
}

double ProrateSaleYear(double amount, AveragingConvention convention, int saleMonth) {
    switch (convention) {
        case AveragingConvention::HalfYear:
            return amount / 2;
        case AveragingConvention::MidQuarter: {
            double factor = 0.0;
            if (saleMonth >= 1 && saleMonth <= 3) {
                factor = 0.125;
            } else if (saleMonth >= 4 && saleMonth <= 6) {
                factor = 0.375;
            } else if (saleMonth >= 7 && saleMonth <= 9) {
                factor = 0.625;
            } else if (saleMonth >= 10 && saleMonth <= 12) {
                factor = 0.875;
            }
            return amount * factor;
        }
        case AveragingConvention::MidMonth:
            return amount * (saleMonth - 0.5) / 12;
        default:
            return amount;
    }
}

}  // namespace pellory
