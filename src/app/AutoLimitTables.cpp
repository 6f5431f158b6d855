#include "app/AutoLimitTables.h"

namespace pellory {

std::optional<AutoCaps> AutoLimitTables::FindYear(const std::string& fileName,
                                                  const std::string& year) {
    data_.OpenFile(fileName);
    std::optional<AutoCaps> caps;
    if (data_.SearchFile(year)) {
        const AutoLimitRecord& record = data_.Buffer;
        caps = AutoCaps{record.FirstYearMax.Text(), record.SecondYearMax.Text(),
                        record.ThirdYearMax.Text(), record.FourthYearMax.Text()};
    }
    data_.CloseFile();
    return caps;
}

}  // namespace pellory
