#pragma once

#include <optional>
#include <string>

namespace pellory {

// One tax year's automobile caps as the record file keeps them: text, blank padded.
struct AutoCaps {
    std::string first;
    std::string second;
    std::string third;
    std::string fourth;
};

// Where the capped automobile schedule finds its yearly maximum amounts.
class AutoLimitSource {
  public:
    virtual ~AutoLimitSource() = default;
    // Opens the named table, looks up the first record of the year and closes the table again;
    // nothing when no record has that year.
    virtual std::optional<AutoCaps> FindYear(const std::string& fileName,
                                             const std::string& year) = 0;
};

}  // namespace pellory
