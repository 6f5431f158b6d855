#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/FrmViewDepr.h"
#include "gui/AutoMaxDialog.h"
#include "gui/FirstPaintMarker.h"
#include "gui/MainWindowView.h"
#include "gui/QtPlatform.h"
#include "help/qt/HelpMenu.h"
#include "platform/RuntimeError.h"
#include "print/qt/PrintSchedule.h"

int main(int argc, char** argv) {
    using namespace pellory;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    gui::QtPlatform platform;

    gui::FirstPaintMarker firstPaint;
    std::unique_ptr<FrmViewDepr> model;
    std::unique_ptr<gui::MainWindowView> view;
    std::unique_ptr<helpqt::HelpMenu> help;
    int errors = 0;
    // Start-up goes on after a first error and ends the program at a second.
    const auto step = [&](auto&& action) {
        try {
            action();
        } catch (const RuntimeError& error) {
            platform.MsgBox(EngineErrorText(error), MsgButtons::Ok, MsgIcon::None, "Start Error");
            return ++errors < 2;
        }
        return true;
    };
    if (!step([&] { model = std::make_unique<FrmViewDepr>(platform); })) {
        return 1;
    }
    if (!step([&] {
            model->Load();
            view = std::make_unique<gui::MainWindowView>(*model);
            platform.beforeModal = [&] { view->Refresh(); };
            model->runAutoMaxEditor = [&](FrmAutoMax& editor) {
                gui::AutoMaxDialog::Run(editor, view.get());
            };
            model->printSchedule = [&] { PrintToDefaultPrinter(*model); };
            help = std::make_unique<helpqt::HelpMenu>(*model, view.get());
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
