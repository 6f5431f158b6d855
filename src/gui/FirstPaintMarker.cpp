#include "gui/FirstPaintMarker.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace pellory::gui {

namespace {

// The process's start time is kept in clock ticks since boot.
long long MillisecondsSinceStart() {
    std::ifstream in("/proc/self/stat");
    std::string stat;
    std::getline(in, stat);
    // Past the program's name in parentheses, fields 3 to 21, then the start time.
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string skipped;
    for (int field = 3; field <= 21; ++field) {
        fields >> skipped;
    }
    long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000 - startTicks * 1000 / sysconf(_SC_CLK_TCK);
}

std::string StatusField(const std::string& name) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(name, 0) == 0) {
            std::istringstream value(line.substr(name.size()));
            std::string kilobytes;
            value >> kilobytes;
            return kilobytes;
        }
    }
    return "?";
}

}  // namespace

bool FirstPaintMarker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        std::printf("first-paint %lld VmRSS %s kB\n", MillisecondsSinceStart(),
                    StatusField("VmRSS:").c_str());
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pellory::gui
