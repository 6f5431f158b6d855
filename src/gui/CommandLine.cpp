#include "gui/CommandLine.h"

#include <QCommandLineParser>
#include <iostream>

#include "help/Version.h"

namespace pellory::gui {

namespace {

constexpr const char* kUsage =
    "Usage: pellory [Qt option...]\n"
    "       pellory --help | --version\n"
    "Opens the main window of the Pellory 1031 Depreciation Solution. The window takes no\n"
    "settings; pellory-calc computes the same schedules from the command line.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Print this help and exit.\n"
    "  -v, --version  Print the version and exit.\n"
    "Qt's own options are understood as well, among them -platform NAME, -display DISPLAY,\n"
    "-style STYLE and -reverse.\n";

}  // namespace

std::optional<int> AnswerCommandLine(const QStringList& arguments, bool qtOptionsTaken) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
    parser.addOptions({help, version});
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(help)) {
        std::cout << kUsage;
        return 0;
    }
    if (parsed && parser.isSet(version)) {
        std::cout << "pellory " << VersionNumber(ThisProgramVersion()) << "\n";
        return 0;
    }
    if (!qtOptionsTaken) {
        return std::nullopt;
    }
    QString mistake = parser.errorText();
    if (parsed && !parser.positionalArguments().isEmpty()) {
        mistake = "Unexpected argument '" + parser.positionalArguments().constFirst() + "'.";
    }
    if (mistake.isEmpty()) {
        return std::nullopt;
    }
    std::cerr << "pellory: " << mistake.toStdString() << "\nTry 'pellory --help'.\n";
    return 2;
}

}  // namespace pellory::gui
