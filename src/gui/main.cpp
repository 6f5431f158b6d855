#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/FrmViewDepr.h"
#include "gui/CommandLine.h"
#include "gui/FirstPaintMarker.h"
#include "gui/MainWindowView.h"
#include "gui/ProgramIcon.h"
#include "gui/QtPlatform.h"
#include "platform/ErrorReport.h"

int main(int argc, char** argv) {
    using namespace pellory;
    // --help and --version need no display; Qt's own options are known once the application
    // has taken them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto done = gui::AnswerCommandLine(arguments, false)) {
        return *done;
    }
    QApplication app(argc, argv);
    if (const auto done = gui::AnswerCommandLine(QApplication::arguments(), true)) {
        return *done;
    }
    QApplication::setApplicationName(kAppTitle);
    gui::ShowProgramIdentity();
    gui::QtPlatform platform;

    gui::FirstPaintMarker firstPaint;
    std::unique_ptr<FrmViewDepr> model;
    std::unique_ptr<gui::MainWindowView> view;
    // Start-up goes on after a first error and ends the program at a second.
    int errors = 0;
    const ErrorReport report = ErrorReport::Engine(platform, "Start Error");
    const auto step = [&](auto&& action) { return report(action) || ++errors < 2; };
    if (!step([&] { model = std::make_unique<FrmViewDepr>(platform); })) {
        return 1;
    }
    if (!step([&] {
            model->Load();
            view = std::make_unique<gui::MainWindowView>(*model);
            platform.beforeModal = [&] { view->Refresh(); };
            if (std::getenv("PELLORY_BENCH_FIRST_PAINT") != nullptr) {
                view->installEventFilter(&firstPaint);
            }
            view->show();
            view->Centre();
        })) {
        return 1;
    }
    return QApplication::exec();
}
