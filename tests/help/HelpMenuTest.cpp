#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <string>

#include "FakePlatform.h"
#include "controls/Window.h"
#include "help/qt/HelpMenu.h"

using pellory::helpqt::HelpMenu;
using pellory::helpqt::HelpWindow;

namespace {

const std::string kHelpFile = std::string(PELLORY_PROGRAM_DIR) + "/Amberlot.hlp";

}  // namespace

// The Help menu of a main window, on the help file of the build's program folder.
class HelpMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void contentsOpenTheProgramsHelpFileAboveTheMainWindow() {
        pellory::testing::FakePlatform platform;
        const pellory::Window main(platform);
        QWidget mainWidget;
        mainWidget.show();
        HelpMenu menu(platform, &mainWidget);

        menu.ShowContents(kHelpFile, main);
        HelpWindow* window = menu.viewer().helpWindow();
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(window->File() != nullptr);
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kContentsTab);
        QCOMPARE(window->windowHandle()->transientParent(), mainWidget.windowHandle());

        menu.ShowSearch(kHelpFile);
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kIndexTab);
        QCOMPARE(window->windowHandle()->transientParent(), nullptr);
        QVERIFY(platform.boxes.empty());
    }

    void contentsWithoutAHelpPathOnlyTellsTheUser() {
        pellory::testing::FakePlatform platform;
        const pellory::Window main(platform);
        HelpMenu menu(platform, nullptr);

        menu.ShowContents("", main);
        QVERIFY(menu.viewer().helpWindow() == nullptr);
        QCOMPARE(platform.boxes.size(), std::size_t{1});
        QCOMPARE(platform.boxes[0].text,
                 std::string("Unable to display Help Contents. There is no Help associated with "
                             "this project."));
        QCOMPARE(platform.boxes[0].icon, pellory::MsgIcon::Information);
    }

    void aboutShowsTheAboutBoxModally() {
        pellory::testing::FakePlatform platform;
        QWidget mainWidget;
        mainWidget.show();
        HelpMenu menu(platform, &mainWidget);

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
        menu.ShowAbout();
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
