#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <string>

#include "SysInfoFakes.h"
#include "help/SysInfo.h"
#include "help/qt/AboutDialog.h"
#include "help/qt/HelpMenu.h"
#include "help/qt/QtDesktopServices.h"

using pellory::FrmAbout;
using pellory::helpqt::AboutDialog;
using pellory::helpqt::HelpWindow;
using pellory::testing::AboutBox;

namespace {

const std::string kHelpFile = PELLORY_PROGRAM_DIR "/Amberlot.hlp";

std::string TopicId(const HelpWindow& window) {
    return window.CurrentTopic() ? window.File()->Topics()[*window.CurrentTopic()].id : "";
}

}  // namespace

class HelpWidgetsTest : public QObject {
    Q_OBJECT

  private slots:
    // Contents open above the main window; Search on its own, field focused. About is modal.
    void theMenuOpensContentsAboveTheMainWindowAndSearchOnItsOwn() {
        pellory::testing::FakePlatform platform;
        const pellory::Window main(platform);
        QWidget mainWidget;
        mainWidget.show();
        pellory::helpqt::HelpMenu menu(platform, &mainWidget);
        menu.ShowContents(kHelpFile, main);
        HelpWindow* window = menu.viewer().helpWindow();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kContentsTab);
        QCOMPARE(TopicId(*window), std::string("getting-started"));
        QCOMPARE(window->windowHandle()->transientParent(), mainWidget.windowHandle());

        window->contents()->setCurrentItem(window->contents()->topLevelItem(3)->child(0));
        QCOMPARE(TopicId(*window), std::string("macrs"));
        QVERIFY(window->page()->toPlainText().startsWith("MACRS"));

        menu.ShowSearch(kHelpFile);
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kIndexTab);
        QCOMPARE(window->windowHandle()->transientParent(), nullptr);
        QCOMPARE(window->indexField()->text(), QString());
        QCOMPARE(window->focusWidget(), window->indexField());
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->indexField(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());

        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr && box->isModal());
            parent = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        menu.ShowAbout();
        QCOMPARE(parent, &mainWidget);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(platform.boxes.empty());
    }

    // Enter shows the keyword the field picked; a link leads on and Back returns; an unreadable
    // file is said in the window, and the right file afterwards is read.
    void theIndexLinksBackAndAnUnreadableFile() {
        pellory::helpqt::QtHelpViewer viewer;
        viewer.ShowIndex(kHelpFile, nullptr, "");
        HelpWindow* window = viewer.helpWindow();
        QTest::keyClicks(window->indexField(), "mid q");
        QCOMPARE(window->keywords()->currentItem()->text(), QString("Mid Quarter"));
        QTest::keyClick(window->indexField(), Qt::Key_Return);
        QCOMPARE(TopicId(*window), std::string("mid-quarter"));
        emit window->page()->anchorClicked(QUrl("topic:exchange-panel"));
        QCOMPARE(TopicId(*window), std::string("exchange-panel"));
        QTest::mouseClick(window->backButton(), Qt::LeftButton);
        QCOMPARE(TopicId(*window), std::string("mid-quarter"));

        viewer.ShowContents("/nonexistent/Amberlot.hlp", nullptr);
        QVERIFY(window->isVisible() && window->File() == nullptr);
        QCOMPARE(window->page()->toPlainText(),
                 QString("The Help file /nonexistent/Amberlot.hlp cannot be shown.\n"
                         "The help file cannot be opened."));
        viewer.ShowContents(kHelpFile, nullptr);
        QCOMPARE(TopicId(*window), std::string("getting-started"));
        QVERIFY(!window->backButton()->isEnabled());
    }

    // Clicks run the model; Enter closes the box even from System Info, and Esc too.
    void theAboutBoxShowsAndRunsItsModel() {
        AboutBox m;
        m.desktop.values[std::string(pellory::kMsInfoKey) + "|" + pellory::kMsInfoPathValue] =
            "/usr/bin/hardinfo";
        AboutDialog dialog(m.about);
        dialog.show();
        for (const QWidget* link : {dialog.webLink(), dialog.email()}) {
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        }
        QTest::mouseClick(dialog.webLink(), Qt::LeftButton);
        QTest::mouseClick(dialog.email(), Qt::LeftButton);
        QCOMPARE(m.desktop.opened, (std::vector<std::string>{"https://www.pellory.example",
                                                             "mailto:support@pellory.example"}));
        QTest::mouseClick(dialog.sysInfoButton(), Qt::LeftButton);
        QCOMPARE(m.desktop.started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QVERIFY(dialog.isVisible() && m.about.HasFocus(m.about.cmdSysInfo));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutBox other;
            AboutDialog box(other.about);
            box.show();
            box.sysInfoButton()->setFocus();
            QTest::keyClick(box.sysInfoButton(), key);
            QVERIFY(other.about.Closed() && !box.isVisible());
            QVERIFY(other.desktop.started.empty() && other.platform.boxes.empty());
        }
    }

    void aLinkNoProgramCanOpenGivesItsAddress() {
        pellory::testing::FakePlatform platform;
        pellory::helpqt::QtShell shell(platform, [](const QUrl&) { return false; });
        shell.Open(FrmAbout::kWebPage);
        shell.Open(FrmAbout::kSupportMail);
        QCOMPARE(platform.boxes.size(), std::size_t{2});
        QCOMPARE(platform.boxes[0].text,
                 std::string("No web browser could be started. The web page is at:\n"
                             "https://www.pellory.example"));
        QCOMPARE(platform.boxes[1].text,
                 std::string("No e-mail program could be started. Please write to:\n"
                             "support@pellory.example"));
    }
};

QTEST_MAIN(HelpWidgetsTest)
#include "HelpQtTests.moc"
