#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <string>

#include "FakePlatform.h"
#include "controls/Window.h"
#include "help/qt/HelpWindow.h"
#include "help/qt/QtHelpViewer.h"

using pellory::HelpFile;
using pellory::helpqt::HelpWindow;
using pellory::helpqt::QtHelpViewer;

namespace {

const std::string kHelpFile = PELLORY_PROGRAM_DIR "/Amberlot.hlp";

std::string TopicId(const HelpWindow& window) {
    return window.CurrentTopic() ? window.File()->Topics()[*window.CurrentTopic()].id : "";
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void contentsOpenAtTheFirstTopicAboveTheOwner() {
        QWidget owner;
        owner.show();
        pellory::testing::FakePlatform platform;
        const pellory::Window ownerModel(platform);
        QtHelpViewer viewer(&owner);
        viewer.ShowContents(kHelpFile, &ownerModel);

        HelpWindow* window = viewer.helpWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kContentsTab);
        QCOMPARE(TopicId(*window), std::string("getting-started"));
        QVERIFY(window->page()->toPlainText().startsWith("Getting Started"));
        QCOMPARE(window->windowHandle()->transientParent(), owner.windowHandle());

        // The books of the contents, each with its pages below it.
        QTreeWidget* tree = window->contents();
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("Getting Started"));
        QCOMPARE(tree->topLevelItem(2)->text(0), QString("Entering an Asset"));
        QVERIFY(tree->topLevelItem(2)->childCount() > 5);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));

        // Choosing a page shows it.
        QTreeWidgetItem* methods = tree->topLevelItem(3);
        QCOMPARE(methods->text(0), QString("Depreciation Methods"));
        tree->setCurrentItem(methods->child(0));
        QCOMPARE(TopicId(*window), std::string("macrs"));
        QVERIFY(window->page()->toPlainText().startsWith("MACRS"));
    }

    // On a real display server (the screenshot run under Xvfb) the window paints its page.
    void paintsOnTheScreen() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs an X display");
        }
        QtHelpViewer viewer;
        viewer.ShowContents(kHelpFile, nullptr);
        HelpWindow* window = viewer.helpWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(100);
        const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
        QVERIFY(shot.save("help-window.png"));
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                dark += qGray(shot.pixel(x, y)) < 80 ? 1 : 0;
            }
        }
        QVERIFY(dark > 1000);
    }

    void searchOpensTheIndexWithAnEmptyFieldAndNoOwnerAndEscClosesIt() {
        QWidget owner;
        owner.show();
        QtHelpViewer viewer(&owner);
        viewer.ShowIndex(kHelpFile, nullptr, "");

        HelpWindow* window = viewer.helpWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(window->tabs()->currentIndex(), HelpWindow::kIndexTab);
        QCOMPARE(window->indexField()->text(), QString());
        QCOMPARE(window->focusWidget(), window->indexField());
        QCOMPARE(static_cast<std::size_t>(window->keywords()->count()),
                 window->File()->Index().size());
        QCOMPARE(window->keywords()->currentRow(), 0);
        QCOMPARE(window->windowHandle()->transientParent(), nullptr);

        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->indexField(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void typingNarrowsTheKeywordsAndEnterShowsTheTopic() {
        QtHelpViewer viewer;
        viewer.ShowIndex(kHelpFile, nullptr, "");
        HelpWindow* window = viewer.helpWindow();

        QTest::keyClicks(window->indexField(), "mid q");
        QVERIFY(window->keywords()->count() >= 1);
        for (int row = 0; row < window->keywords()->count(); ++row) {
            QVERIFY(window->keywords()->item(row)->text().contains("mid q", Qt::CaseInsensitive));
        }
        QCOMPARE(window->keywords()->currentItem()->text(), QString("Mid Quarter"));
        QTest::keyClick(window->indexField(), Qt::Key_Return);
        QCOMPARE(TopicId(*window), std::string("mid-quarter"));
        QVERIFY(window->page()->toPlainText().startsWith("Mid-Quarter Convention"));
        QVERIFY(window->topicsFound()->isHidden());

        // Down in the field moves through the list.
        window->indexField()->clear();
        QTest::keyClicks(window->indexField(), "convention");
        const int first = window->keywords()->currentRow();
        QTest::keyClick(window->indexField(), Qt::Key_Down);
        QCOMPARE(window->keywords()->currentRow(), first + 1);
    }

    void aKeywordOfSeveralTopicsListsThemAll() {
        QtHelpViewer viewer;
        viewer.ShowIndex(kHelpFile, nullptr, "");
        HelpWindow* window = viewer.helpWindow();
        const auto& index = window->File()->Index();
        const auto shared = std::ranges::find_if(
            index, [](const pellory::IndexEntry& e) { return e.topics.size() > 1; });
        QVERIFY(shared != index.end());

        QTest::keyClicks(window->indexField(), QString::fromStdString(shared->keyword));
        QCOMPARE(window->keywords()->currentItem()->text().toStdString(), shared->keyword);
        QTest::mouseClick(window->displayButton(), Qt::LeftButton);
        QVERIFY(!window->topicsFound()->isHidden());
        QCOMPARE(static_cast<std::size_t>(window->topicsFound()->count()), shared->topics.size());
        QCOMPARE(*window->CurrentTopic(), shared->topics.front());

        window->topicsFound()->setCurrentRow(1);
        emit window->topicsFound()->itemClicked(window->topicsFound()->item(1));
        QCOMPARE(*window->CurrentTopic(), shared->topics[1]);
    }

    void linksLeadToTopicsAndBackReturns() {
        QtHelpViewer viewer;
        viewer.ShowContents(kHelpFile, nullptr);
        HelpWindow* window = viewer.helpWindow();
        QVERIFY(!window->backButton()->isEnabled());

        emit window->page()->anchorClicked(QUrl("topic:exchange-panel"));
        QCOMPARE(TopicId(*window), std::string("exchange-panel"));
        QVERIFY(window->page()->toPlainText().contains("Cost - Sales Price + Adj Tax Basis"));
        QVERIFY(window->backButton()->isEnabled());

        QTest::mouseClick(window->backButton(), Qt::LeftButton);
        QCOMPARE(TopicId(*window), std::string("getting-started"));
        QVERIFY(!window->backButton()->isEnabled());
    }

    void aFileThatCannotBeReadIsReportedInTheWindow() {
        QtHelpViewer viewer;
        viewer.ShowContents("/nonexistent/Amberlot.hlp", nullptr);
        HelpWindow* window = viewer.helpWindow();
        QVERIFY(window->isVisible());
        QVERIFY(window->File() == nullptr);
        QCOMPARE(window->contents()->topLevelItemCount(), 0);
        QCOMPARE(window->page()->toPlainText(),
                 QString("The Help file /nonexistent/Amberlot.hlp cannot be shown.\n"
                         "The help file cannot be opened."));

        viewer.ShowIndex("", nullptr, "");
        QCOMPARE(window->keywords()->count(), 0);
        QVERIFY(window->page()->toPlainText().startsWith("No Help file was given."));

        // The right file afterwards is read.
        viewer.ShowContents(kHelpFile, nullptr);
        QVERIFY(window->File() != nullptr);
        QCOMPARE(TopicId(*window), std::string("getting-started"));
    }
};

int RunHelpWindowTests(int argc, char** argv) {
    HelpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpWindowTest.moc"
