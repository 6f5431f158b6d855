#include "cli/BatchAutoLimits.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/RuntimeError.h"

namespace pellory::cli {

namespace {

bool SameTime(const std::timespec& a, const std::timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The stamp of a file or folder that has not changed for a while; none otherwise (no such
// file, or one just written), and then nothing is kept.
std::optional<BatchAutoLimits::Stamp> Settled(const std::filesystem::path& path,
                                              std::time_t settledAfter) {
    struct stat status {};
    std::timespec now{};
    if (::stat(path.c_str(), &status) != 0 || ::clock_gettime(CLOCK_REALTIME, &now) != 0) {
        return std::nullopt;
    }
    const BatchAutoLimits::Stamp stamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim,
                                       status.st_ctim};
    const std::time_t latest = std::max(stamp.modified.tv_sec, stamp.changed.tv_sec);
    if (latest + settledAfter >= now.tv_sec) {
        return std::nullopt;
    }
    return stamp;
}

}  // namespace

bool BatchAutoLimits::Stamp::operator==(const Stamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           SameTime(modified, other.modified) && SameTime(changed, other.changed);
}

// The folder and file a table's name stands for, the name resolved again only when the folder
// has changed; none when either has changed of late or cannot be found.
std::optional<BatchAutoLimits::Place> BatchAutoLimits::Locate(const std::string& fileName) {
    try {
        Place place;
        place.folder = data_.Folder();
        const std::optional<Stamp> folderStamp = Settled(place.folder, settledAfter_);
        if (!folderStamp) {
            return std::nullopt;
        }
        place.folderStamp = *folderStamp;
        const auto located = located_.find(fileName);
        if (located != located_.end() && located->second.folder == place.folder &&
            located->second.folderStamp == place.folderStamp) {
            place.table = located->second.table;
        } else {
            place.table = data_.PathOf(fileName);
            located_.insert_or_assign(fileName, place);
        }
        const std::optional<Stamp> tableStamp = Settled(place.table, settledAfter_);
        if (!tableStamp) {
            return std::nullopt;
        }
        place.tableStamp = *tableStamp;
        return place;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

AutoLimitLookup BatchAutoLimits::FindYear(const std::string& fileName, const std::string& year) {
    const std::optional<Place> place = Locate(fileName);
    const auto key = std::make_pair(fileName, year);
    if (const auto kept = kept_.find(key); place && kept != kept_.end()) {
        if (kept->second.place == *place) {
            return kept->second.lookup;
        }
        kept_.erase(kept);
    }
    const std::size_t said = platform_.messages.size();
    AutoLimitLookup lookup = tables_.FindYear(fileName, year);
    // Only a table read without a word said is kept: a failure is met and reported afresh.
    if (place && lookup.result != LookupResult::TableUnavailable &&
        platform_.messages.size() == said && Locate(fileName) == place) {
        kept_.insert_or_assign(key, Kept{*place, lookup});
    }
    return lookup;
}

}  // namespace pellory::cli
