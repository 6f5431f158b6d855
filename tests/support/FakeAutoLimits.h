#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include <vector>
#include "ScheduleRowPrinter.h"
#include "engine/AutoLimitSource.h"

namespace pellory::testing {

// Yearly caps in memory by table and year; a table in `unavailable` cannot be opened.
class FakeAutoLimits : public AutoLimitSource {
  public:
    AutoLimitLookup FindYear(const std::string& fileName, const std::string& year) override {
        lookups.push_back(fileName + ":" + year);
        if (unavailable.contains(fileName)) {
            return {LookupResult::TableUnavailable, {}};
        }
        const auto it = caps.find(fileName + ":" + year);
        if (it == caps.end()) {
            return {};
        }
        return {LookupResult::Found, it->second};
    }
    std::map<std::string, AutoCaps> caps;
    std::set<std::string> unavailable;
    std::vector<std::string> lookups;
};

}  // namespace pellory::testing
