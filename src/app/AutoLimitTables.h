#pragma once

#include "autolimits/DataFile.h"
#include "engine/AutoLimitSource.h"

namespace pellory {

// The capped automobile schedule's lookup in the record files: open the table for reading,
// find the year, read the four amounts from the record buffer, close the table.
class AutoLimitTables : public AutoLimitSource {
  public:
    explicit AutoLimitTables(DataFile& data) : data_(data) {}
    AutoLimitLookup FindYear(const std::string& fileName, const std::string& year) override;

  private:
    DataFile& data_;
};

}  // namespace pellory
