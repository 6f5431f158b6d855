#include "engine/Method.h"

namespace pellory {

Method MethodOf(std::string_view text) {
    for (const Method method : kMethodList) {
        if (MethodName(method) == text) {
            return method;
        }
    }
    return Method::None;
}

std::string_view MethodName(Method method) {
    switch (method) {
        case Method::Ads:
            return "ADS";
        case Method::Amortize:
            return "Amortize";
        case Method::Macrs:
            return "MACRS";
        case Method::StraightLine:
            return "Straight Line";
        case Method::None:
            break;
    }
    return {};
}

std::string_view ConventionName(AveragingConvention convention) {
    switch (convention) {
        case AveragingConvention::HalfYear:
            return "Half Year";
        case AveragingConvention::MidQuarter:
            return "Mid Quarter";
        case AveragingConvention::MidMonth:
            return "Mid Month";
        case AveragingConvention::None:
            break;
    }
    return {};
}

}  // namespace pellory
