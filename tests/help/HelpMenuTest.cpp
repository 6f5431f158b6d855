#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <string>

#include "FakePlatform.h"
#include "app/FrmViewDepr.h"
#include "help/qt/HelpMenu.h"

using pellory::helpqt::HelpMenu;
using pellory::helpqt::HelpWindow;

namespace {

// Runs the main window's Help menu entry of that name.
void Choose(pellory::FrmViewDepr& main, const std::string& entry) {
    for (const pellory::MenuEntry& e : main.mnuhelp.entries) {
        if (e.name == entry) {
            e.onClick();
            return;
        }
    }
    QFAIL(("no entry " + entry).c_str());
}

}  // namespace

// The Help menu of a loaded main window whose program folder is the build's.
class HelpMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void contentsOpenTheProgramsHelpFileAboveTheMainWindow() {
        pellory::testing::FakePlatform platform;
        platform.folder = PELLORY_PROGRAM_DIR;
        pellory::FrmViewDepr main(platform);
        main.Load();
        QWidget mainWidget;
        mainWidget.show();
        HelpMenu menu(main, &mainWidget);

        Choose(main, "mnuContents");
        HelpWindow* window = menu.viewer().helpWindow();
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(window->File() != nullptr);
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kContentsTab);
        QCOMPARE(window->windowHandle()->transientParent(), mainWidget.windowHandle());

        Choose(main, "munSearch");
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kIndexTab);
        QCOMPARE(window->windowHandle()->transientParent(), nullptr);
        QVERIFY(platform.boxes.empty());
    }

    void contentsWithoutAHelpPathOnlyTellsTheUser() {
        pellory::testing::FakePlatform platform;
        pellory::FrmViewDepr main(platform);
        main.Load();
        main.helpFilePath.clear();
        HelpMenu menu(main, nullptr);

        Choose(main, "mnuContents");
        QVERIFY(menu.viewer().helpWindow() == nullptr);
        QCOMPARE(platform.boxes.size(), std::size_t{1});
        QCOMPARE(platform.boxes[0].text,
                 std::string("Unable to display Help Contents. There is no Help associated with "
                             "this project."));
        QCOMPARE(platform.boxes[0].icon, pellory::MsgIcon::Information);
    }

    void aboutShowsTheAboutBoxModally() {
        pellory::testing::FakePlatform platform;
        pellory::FrmViewDepr main(platform);
        main.Load();
        QWidget mainWidget;
        mainWidget.show();
        HelpMenu menu(main, &mainWidget);

        QString version;
        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            parent = box->parentWidget();
            for (const QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text().startsWith("Version ")) {
                    version = label->text();
                }
            }
            QTest::keyClick(box, Qt::Key_Return);
        });
        Choose(main, "mnuAbout");
        QCOMPARE(version, QString("Version 3.0.2"));
        QCOMPARE(parent, &mainWidget);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

int RunHelpMenuTests(int argc, char** argv) {
    HelpMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpMenuTest.moc"
