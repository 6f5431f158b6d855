#pragma once

#include <string>

namespace pellory {

// The program's version numbers.
struct ProgramVersion {
    int majorNumber = 0;
    int minorNumber = 0;
    int revision = 0;
};

// The version this program was built as.
ProgramVersion ThisProgramVersion();

// major + "." + minor + "." + revision, each as a plain decimal: "3.0.2".
std::string VersionNumber(const ProgramVersion& version);

// "Version " + major + "." + minor + "." + revision, each as a plain decimal.
std::string VersionLine(const ProgramVersion& version);

}  // namespace pellory
