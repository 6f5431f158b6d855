#include "app/AutoLimitTables.h"

namespace pellory {

AutoLimitLookup AutoLimitTables::FindYear(const std::string& fileName, const std::string& year) {
    switch (data_.OpenFile(fileName, TableAccess::Lookup)) {
        case OpenResult::Failed:
            return {LookupResult::TableUnavailable, {}};
        case OpenResult::Missing:
            return {};
        case OpenResult::Opened:
            break;
    }
    AutoLimitLookup found;
    if (data_.SearchFile(year)) {
        const AutoLimitRecord& record = data_.Buffer;
        found = {LookupResult::Found,
                 {record.FirstYearMax.Text(), record.SecondYearMax.Text(),
                  record.ThirdYearMax.Text(), record.FourthYearMax.Text()}};
    }
    data_.CloseFile();
    return found;
}

}  // namespace pellory
