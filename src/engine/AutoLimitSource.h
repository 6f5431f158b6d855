#pragma once

#include <string>

namespace pellory {

// One tax year's automobile caps as the record file keeps them: text, blank padded.
struct AutoCaps {
    std::string first;
    std::string second;
    std::string third;
    std::string fourth;
};

enum class LookupResult {
    Found,
    YearMissing,       // the table holds no record of the year (or there is no table yet)
    TableUnavailable,  // the table could not be opened; that was reported already
};

struct AutoLimitLookup {
    LookupResult result = LookupResult::YearMissing;
    AutoCaps caps;  // when found
};

// Where the capped automobile schedule finds its yearly maximum amounts.
class AutoLimitSource {
  public:
    virtual ~AutoLimitSource() = default;
    // Opens the named table for reading, looks up the first record of the year and closes the
    // table again.
    virtual AutoLimitLookup FindYear(const std::string& fileName, const std::string& year) = 0;
};

}  // namespace pellory
