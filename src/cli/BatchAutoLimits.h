#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/AutoLimitTables.h"
#include "autolimits/DataFile.h"
#include "cli/CalcDriver.h"

namespace pellory::cli {

// The batch's automobile caps: the tables looked up as every window's Calculate looks them up,
// except that a year already looked up in a table is answered again without reopening it while
// the table and its folder are still the ones it was read from (the same file, size and times,
// last changed long enough before the lookup that no later edit can share its time stamp).
// Another program may edit a table during a run; the rows after the edit see the new amounts.
class BatchAutoLimits : public AutoLimitSource {
  public:
    // A file counts as settled once `settledAfter` seconds have passed since it last changed:
    // file systems keep times to between a nanosecond and two seconds, and a file changed within
    // that long of a lookup could be changed again without its times moving.
    BatchAutoLimits(DataFile& data, CollectingPlatform& platform, std::time_t settledAfter = 2)
        : data_(data), platform_(platform), tables_(data), settledAfter_(settledAfter) {}
    AutoLimitLookup FindYear(const std::string& fileName, const std::string& year) override;

    // What tells one state of a table file from another.
    struct Stamp {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        std::timespec modified{};
        std::timespec changed{};
        bool operator==(const Stamp& other) const;
    };

    // Where a table's name leads, and the state of its folder and of the table then.
    struct Place {
        std::filesystem::path folder;
        Stamp folderStamp;
        std::filesystem::path table;
        Stamp tableStamp;
        bool operator==(const Place& other) const = default;
    };

  private:
    struct Kept {
        Place place;
        AutoLimitLookup lookup;
    };

    std::optional<Place> Locate(const std::string& fileName);

    DataFile& data_;
    CollectingPlatform& platform_;
    AutoLimitTables tables_;
    std::time_t settledAfter_;
    std::map<std::string, Place> located_;
    std::map<std::pair<std::string, std::string>, Kept> kept_;
};

}  // namespace pellory::cli
