#pragma once

#include <functional>
#include <string>

#include "help/DesktopServices.h"
#include "help/SysInfo.h"
#include "platform/Platform.h"

class QUrl;

namespace pellory::helpqt {

// Opens web and mail addresses with the desktop's handler for them; when the desktop has none,
// a message says so and gives the address.
class QtShell : public Shell {
  public:
    // Hands an address to the desktop; false when no program could take it.
    using Opener = std::function<bool(const QUrl&)>;
    explicit QtShell(Platform& platform, Opener open = {});

    // Raises "Invalid procedure call or argument" for a target that is no address at all.
    void Open(const std::string& target) override;

  private:
    Platform& platform_;
    Opener open_;
};

// Starts a program detached from this one.
class QtProgramStarter : public ProgramStarter {
  public:
    // Raises "File not found" when the program cannot be started.
    void Start(const std::string& program) override;
};

// The full path of a program on the search path, empty when there is none.
std::string FindOnSearchPath(const std::string& program);

// The known system-information programs, looked for on the search path.
class QtSysInfoLookup : public PathSysInfoLookup {
  public:
    QtSysInfoLookup() : PathSysInfoLookup(&FindOnSearchPath) {}
};

}  // namespace pellory::helpqt
