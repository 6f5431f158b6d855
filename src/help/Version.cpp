#include "help/Version.h"

#ifndef PELLORY_VERSION_MAJOR
#error "The build gives the program's version numbers"
#endif

namespace pellory {

ProgramVersion ThisProgramVersion() {
    return {PELLORY_VERSION_MAJOR, PELLORY_VERSION_MINOR, PELLORY_VERSION_PATCH};
}

std::string VersionNumber(const ProgramVersion& version) {
    return std::to_string(version.majorNumber) + "." + std::to_string(version.minorNumber) + "." +
           std::to_string(version.revision);
}

std::string VersionLine(const ProgramVersion& version) {
    return "Version " + VersionNumber(version);
}

}  // namespace pellory
