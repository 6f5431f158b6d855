#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <string>

#include "FakePlatform.h"
#include "SysInfoFakes.h"
#include "help/SysInfo.h"
#include "help/qt/AboutDialog.h"
#include "help/qt/QtDesktopServices.h"

using pellory::FrmAbout;
using pellory::helpqt::AboutDialog;

namespace {

// An About box model on fakes, loaded.
struct AboutModel {
    AboutModel() { model.Load(); }
    pellory::testing::FakePlatform platform;
    pellory::testing::FakeShell shell;
    pellory::testing::FakeLookup lookup;
    pellory::testing::FakeStarter starter;
    FrmAbout model{platform, shell, lookup, starter};
};

QString LabelText(const AboutDialog& dialog, const pellory::Control& control) {
    return static_cast<QLabel*>(dialog.WidgetFor(control))->text();
}

// Pixels of the image that are plainly blue text.
int BluePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 90 && c.green() < 90) {
                ++count;
            }
        }
    }
    return count;
}

// Pixels of the image that are plainly dark text.
int DarkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 80) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheModelsLabelsAndButtons() {
        AboutModel m;
        AboutDialog dialog(m.model);
        QCOMPARE(dialog.windowTitle(), QString("About Pellory 1031 Depreciation Solution"));
        for (const pellory::Label* label :
             {&m.model.lblTitle, &m.model.lblVersion, &m.model.lblDescription, &m.model.lblWebLink,
              &m.model.lblQuestion, &m.model.lblEmail, &m.model.lblDisclaimer}) {
            QCOMPARE(LabelText(dialog, *label), QString::fromStdString(label->caption));
        }
        QCOMPARE(LabelText(dialog, m.model.lblVersion), QString("Version 3.0.2"));
        QCOMPARE(dialog.okButton()->text(), QString("OK"));
        QCOMPARE(dialog.sysInfoButton()->text(), QString("&System Info..."));
        QVERIFY(dialog.isModal());
        QVERIFY(!static_cast<QLabel*>(dialog.WidgetFor(m.model.picIcon))->pixmap().isNull());
    }

    void paintsItsBlueLinks() {
        AboutModel m;
        AboutDialog dialog(m.model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage links = dialog.webLink()->grab().toImage();
        QVERIFY(BluePixels(links) > 20);
        const QImage title = dialog.WidgetFor(m.model.lblTitle)->grab().toImage();
        QCOMPARE(BluePixels(title), 0);
        QCOMPARE(dialog.email()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(dialog.webLink()->cursor().shape(), Qt::PointingHandCursor);
    }

    // On a real display server (the screenshot run under Xvfb) the box paints on the screen.
    void paintsOnTheScreen() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs an X display");
        }
        AboutModel m;
        AboutDialog dialog(m.model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(100);
        const QImage shot = dialog.screen()->grabWindow(dialog.winId()).toImage();
        QVERIFY(shot.save("about-box.png"));
        QCOMPARE(shot.size(), dialog.size() * dialog.devicePixelRatio());
        QVERIFY(BluePixels(shot) > 40);
        QVERIFY(DarkPixels(shot) > 200);
    }

    void aLinkNoProgramCanOpenGivesItsAddress() {
        pellory::testing::FakePlatform platform;
        bool opens = false;
        pellory::helpqt::QtShell shell(platform, [&](const QUrl&) { return opens; });
        shell.Open(FrmAbout::kWebPage);
        shell.Open(FrmAbout::kSupportMail);
        opens = true;
        shell.Open(FrmAbout::kWebPage);
        QCOMPARE(platform.boxes.size(), std::size_t{2});
        QCOMPARE(platform.boxes[0].text,
                 std::string("No web browser could be started. The web page is at:\n"
                             "https://www.pellory.example"));
        QCOMPARE(platform.boxes[1].text,
                 std::string("No e-mail program could be started. Please write to:\n"
                             "support@pellory.example"));
    }

    void escCloses() {
        AboutModel m;
        AboutDialog dialog(m.model);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(m.model.Closed());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
    }

    void enterClosesEvenFromSystemInfo() {
        for (const bool onSysInfo : {false, true}) {
            AboutModel m;
            AboutDialog dialog(m.model);
            dialog.show();
            QPushButton* focus = onSysInfo ? dialog.sysInfoButton() : dialog.okButton();
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Return);
            QVERIFY(m.model.Closed());
            QVERIFY(!dialog.isVisible());
            QVERIFY(m.starter.started.empty());
            QVERIFY(m.platform.boxes.empty());
        }
    }

    void clicksRunTheModel() {
        AboutModel m;
        m.lookup.values[{pellory::kMsInfoKey, pellory::kMsInfoPathValue}] = "/usr/bin/hardinfo";
        AboutDialog dialog(m.model);
        dialog.show();

        QTest::mouseClick(dialog.webLink(), Qt::LeftButton);
        QTest::mouseClick(dialog.email(), Qt::LeftButton);
        QCOMPARE(m.shell.opened, (std::vector<std::string>{"https://www.pellory.example",
                                                           "mailto:support@pellory.example"}));
        QTest::mouseClick(dialog.sysInfoButton(), Qt::LeftButton);
        QCOMPARE(m.starter.started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QVERIFY(dialog.isVisible());
        QVERIFY(m.model.HasFocus(m.model.cmdSysInfo));

        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void runsModallyUntilClosed() {
        AboutModel m;
        QString title;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            modal = box->isModal();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        pellory::helpqt::ShowAboutBox(m.model, nullptr);
        QCOMPARE(title, QString("About Pellory 1031 Depreciation Solution"));
        QVERIFY(modal);
        QVERIFY(m.model.Closed());
    }
};

int RunAboutDialogTests(int argc, char** argv) {
    AboutDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AboutDialogTest.moc"
