#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "FakePlatform.h"
#include "app/FrmViewDepr.h"
#include "gui/AutoMaxDialog.h"
#include "gui/MainWindowView.h"

using namespace pellory;

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private:
    struct Window {
        Window() : model(platform) {
            model.Load();
            view = std::make_unique<gui::MainWindowView>(model);
            view->show();
            QApplication::setActiveWindow(view.get());
            QVERIFY(QTest::qWaitForWindowActive(view.get()));
        }
        template <typename T>
        T* Widget(const Control& control) {
            return qobject_cast<T*>(view->WidgetFor(control));
        }
        testing::FakePlatform platform;
        FrmViewDepr model;
        std::unique_ptr<gui::MainWindowView> view;
    };

    static QColor TextColor(QLabel* label) {
        return label->palette().color(QPalette::Active, QPalette::WindowText);
    }

  private slots:
    void typingInTheCostBoxGoesThroughTheFilterAndEchoes() {
        Window w;
        auto* cost = w.Widget<QLineEdit>(w.model.txtCost);
        cost->setFocus();
        QTest::keyClicks(cost, "12a34567");
        QCOMPARE(cost->text(), QString("1234567"));
        QCOMPARE(w.model.txtCost.Text(), std::string("1234567"));
        QCOMPARE(w.platform.beeps, 1);
        QCOMPARE(w.view->status()->text(), QString("1,234,567"));
        QCOMPARE(TextColor(w.view->status()), QColor(0, 0, 255));
    }

    void theMonthYearBoxShowsItsMaskAndTakesDigits() {
        Window w;
        auto* sold = w.Widget<QLineEdit>(w.model.mskSold);
        QCOMPARE(sold->text(), QString("__/____"));
        QVERIFY(!sold->isEnabled());
        auto* inService = w.Widget<QLineEdit>(w.model.txtInService);
        inService->setFocus();
        QTest::keyClicks(inService, "0320x02");
        QCOMPARE(inService->text(), QString("03/2002"));
        QCOMPARE(w.platform.beeps, 1);
    }

    void calculateFillsTheGridWithTheModelsCells() {
        Window w;
        auto* cost = w.Widget<QLineEdit>(w.model.txtCost);
        cost->setFocus();
        QTest::keyClicks(cost, "10000");
        auto* method = w.Widget<QComboBox>(w.model.cboMethod);
        method->setFocus();
        QTest::keyClicks(method, "M");
        QCOMPARE(w.model.cboMethod.Text(), std::string("MACRS"));
        auto* inService = w.Widget<QLineEdit>(w.model.txtInService);
        inService->setFocus();
        QTest::keyClicks(inService, "03/2002");
        auto* life = w.Widget<QComboBox>(w.model.cboLife);
        QCOMPARE(life->count(), 9);
        life->setFocus();
        emit life->activated(1);  // "5" picked from the list
        QCOMPARE(w.model.cboLife.Text(), std::string("5"));
        // A life of 5 asks for the business share and takes the focus there.
        QCOMPARE(QApplication::focusWidget(), w.view->WidgetFor(w.model.txtBusinessPercent));
        w.Widget<QCheckBox>(w.model.chkBonus)->click();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTableWidget* grid = w.view->grid();
        QCOMPARE(grid->item(0, 1)->text(), QString("2002"));
        QCOMPARE(grid->item(0, 2)->text(), QString("4,400.00 "));
        QCOMPARE(grid->item(0, 3)->text(), QString("5,600.00 "));
        QCOMPARE(grid->item(1, 2)->text(), QString("2,240.00 "));
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("  Depreciation  "));
        QVERIFY(grid->isColumnHidden(0));
        QCOMPARE(w.view->status()->text(), QString("Method: MACRS 200% DB"));
        QVERIFY(w.Widget<QPushButton>(w.model.cmdPrint)->isEnabled());
    }

    void aTypedLifeReachesTheLifeRules() {
        Window w;
        auto* method = w.Widget<QComboBox>(w.model.cboMethod);
        method->setFocus();
        QTest::keyClicks(method, "S");
        QCOMPARE(w.model.cboMethod.Text(), std::string("Straight Line"));
        auto* life = w.Widget<QComboBox>(w.model.cboLife);
        life->setFocus();
        QTest::keyClicks(life->lineEdit(), "27x.5");
        QCOMPARE(w.model.cboLife.Text(), std::string("27.5"));
        QCOMPARE(life->lineEdit()->text(), QString("27.5"));
        QCOMPARE(w.platform.beeps, 1);
    }

    void aValidationFaultPaintsTheLabelRedAndTakesTheFocus() {
        Window w;
        w.Widget<QLineEdit>(w.model.txtDescription)->setFocus();
        QTest::mouseClick(w.Widget<QPushButton>(w.model.cmdCalculate), Qt::LeftButton);
        QCOMPARE(w.view->status()->text(), QString("Cost Missing! "));
        QCOMPARE(TextColor(w.view->status()), QColor(255, 0, 0));
        QCOMPARE(TextColor(w.Widget<QLabel>(w.model.lblCost)), QColor(255, 0, 0));
        QCOMPARE(QApplication::focusWidget(), w.view->WidgetFor(w.model.txtCost));
    }

    void unusableFieldsAreGreyAndUsableOnesWhite() {
        Window w;
        const auto base = [&](const Control& c) {
            return w.view->WidgetFor(c)->palette().color(QPalette::Active, QPalette::Base);
        };
        QCOMPARE(base(w.model.txtBusinessPercent), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(base(w.model.txtSalesPrice), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(base(w.model.txtCost), QColor(0xFF, 0xFF, 0xFF));
        qobject_cast<QAbstractButton*>(w.view->WidgetFor(w.model.optAssetType[2]))->click();
        QCOMPARE(base(w.model.txtSalesPrice), QColor(0xFF, 0xFF, 0xFF));
        QVERIFY(w.view->WidgetFor(w.model.txtSalesPrice)->isEnabled());
    }

    void theEditorSavesARecordThroughItsWidgets() {
        testing::FakePlatform platform;
        platform.folder = std::filesystem::temp_directory_path() / "pellory-gui-editor";
        std::filesystem::remove_all(platform.folder);
        std::filesystem::create_directories(platform.folder);
        DataFile data(platform);
        data.OpenFile(DataFile::kOrdinaryTable);
        FrmAutoMax editor(platform, data);
        editor.Load();
        gui::AutoMaxDialog dialog(editor, nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const char* values[] = {"2002", "3060", "4900", "2950", "1775"};
        TextBox* boxes[] = {&editor.txtYear, &editor.txtYear1, &editor.txtYear2, &editor.txtYear3,
                            &editor.txtYear4};
        for (int i = 0; i < 5; ++i) {
            auto* edit = qobject_cast<QLineEdit*>(dialog.WidgetFor(*boxes[i]));
            edit->setFocus();
            QTest::keyClicks(edit, values[i]);
        }
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog.WidgetFor(editor.cmdSave)),
                          Qt::LeftButton);
        auto* status = qobject_cast<QLabel*>(dialog.WidgetFor(editor.stbAuto));
        QCOMPARE(status->text(), QString("Record Updated."));
        QCOMPARE(TextColor(status), QColor(0, 0, 255));
        QTest::keyClick(dialog.WidgetFor(editor.txtYear4), Qt::Key_Escape);
        QVERIFY(editor.Closed());
        std::ifstream in(platform.folder / "AutoMax.DAT", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        QCOMPARE(bytes, std::string("20023060 4900 2950 1775 "));
        std::filesystem::remove_all(platform.folder);
    }
};

QTEST_MAIN(MainWindowViewTest)
#include "MainWindowViewTest.moc"
