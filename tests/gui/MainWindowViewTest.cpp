#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "FakePlatform.h"
#include "SysInfoFakes.h"
#include "app/FrmViewDepr.h"
#include "gui/AutoMaxDialog.h"
#include "gui/MainWindowView.h"
#include "gui/ProgramIcon.h"
#include "gui/QtPlatform.h"
#include "gui/Readable.h"
#include "help/qt/AboutDialog.h"

using namespace pellory;

namespace {

// The typed boxes of the main window, by name, with the keys a user types into each.
struct TypedBox {
    const char* name;
    EditControl& (*of)(FrmViewDepr&);
    const char* keys;
};
const TypedBox kBoxes[] = {
    {"cost", [](FrmViewDepr& m) -> EditControl& { return m.txtCost; }, "1234"},
    {"in service", [](FrmViewDepr& m) -> EditControl& { return m.txtInService; }, "072002"},
    // A life of the list: the list matches it on its own when the focus leaves.
    {"life", [](FrmViewDepr& m) -> EditControl& { return m.cboLife; }, "9"},
    {"business", [](FrmViewDepr& m) -> EditControl& { return m.txtBusinessPercent; }, "80"},
    {"sold", [](FrmViewDepr& m) -> EditControl& { return m.mskSold; }, "062005"},
    {"description", [](FrmViewDepr& m) -> EditControl& { return m.txtDescription; }, "Van"},
    {"sales price", [](FrmViewDepr& m) -> EditControl& { return m.txtSalesPrice; }, "500"},
    {"basis", [](FrmViewDepr& m) -> EditControl& { return m.txtAdjTaxBasis; }, "300"},
    {"section 179", [](FrmViewDepr& m) -> EditControl& { return m.txtSection179; }, "250"},
};
constexpr int kRelinquished = 1;
constexpr int kReplacement = 2;

// The date sold takes input for a relinquished asset, the exchange for a replacement one; the
// ADS class "Automobiles (5)" opens the business share.
bool Usable(const TypedBox& box, int assetType) {
    const std::string name = box.name;
    return assetType == kRelinquished ? name != "sales price" && name != "basis" : name != "sold";
}
void Prepare(FrmViewDepr& m, int assetType) {
    m.optAssetType.SetValue(assetType, true);
    m.cboMethod.SetListIndex(m.cboMethod.IndexOf("ADS"));
    m.cboClass.DropDown();
    m.cboClass.SetListIndex(m.cboClass.IndexOf("Automobiles (5)"));
}

// A main window on screen, shown and active so that it takes the keyboard focus.
struct OnScreen {
    OnScreen() : model(platform) {
        model.Load();
        view = std::make_unique<gui::MainWindowView>(model);
        view->show();
        QApplication::setActiveWindow(view.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(view.get())); }();
    }
    template <typename T = QWidget>
    T* Widget(const Control& control) const {
        return qobject_cast<T*>(view->WidgetFor(control));
    }
    // Where the user clicks to type: the edit part of an editable list.
    QLineEdit* Edit(const Control& control) const {
        if (auto* combo = Widget<QComboBox>(control)) {
            return combo->lineEdit();
        }
        return Widget<QLineEdit>(control);
    }
    void Type(const Control& control, const char* keys) const {
        QTest::mouseClick(Edit(control), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }
    // Cost, MACRS, 03/2002, life 5 picked from the list (which asks for the business share),
    // the allowance, Enter.
    void CalculateFiveYears(const char* cost) const {
        Type(model.txtCost, cost);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "M");
        Type(model.txtInService, "032002");
        auto* life = Widget<QComboBox>(model.cboLife);
        life->showPopup();
        const QRect five = life->view()->visualRect(life->model()->index(1, 0));
        QTest::mouseClick(life->view()->viewport(), Qt::LeftButton, {}, five.center());
        QWidget* bonus = Widget(model.chkBonus);
        QTest::mouseClick(bonus, Qt::LeftButton, {}, QPoint(8, bonus->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    testing::FakePlatform platform;
    FrmViewDepr model;
    std::unique_ptr<gui::MainWindowView> view;
};

// Answers the next file dialog once it is on screen and active, as a user does: types `keys`
// into its file name box and presses Enter.
struct FileDialogAnswer : QObject {
    explicit FileDialogAnswer(QString typed) : keys(std::move(typed)) {
        qApp->installEventFilter(this);
    }
    ~FileDialogAnswer() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* dialog = qobject_cast<QFileDialog*>(watched);
            dialog && event->type() == QEvent::Show) {
            QMetaObject::invokeMethod(
                this, [this, dialog] { Answer(dialog); }, Qt::QueuedConnection);
        }
        return false;
    }
    void Answer(QFileDialog* dialog) {
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        suggested = dialog->directory().filePath(name->text());
        name->selectAll();
        QTest::keyClicks(name, keys);
        QTest::keyClick(name, Qt::Key_Return);
    }
    QString keys;
    QString suggested;  // the path the dialog offered
};

QColor TextColor(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, QPalette::WindowText);
}

// The label's text in the colour asked for (red, blue), readable on the window's background.
bool Shows(const QWidget* widget, Qt::GlobalColor wanted) {
    const QColor text = TextColor(widget);
    return text.hsvHue() == QColor(wanted).hsvHue() &&
           gui::Contrast(text, widget->palette().color(QPalette::Window)) >= 4.5;
}

// What a screen reader reads as the widget's name.
QString Heard(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// A caption wider than its widget, or a wrapped text taller than it, is not shown whole.
bool Whole(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && label->wordWrap()) {
        return label->height() >= label->heightForWidth(label->width());
    }
    return widget->width() >= widget->sizeHint().width();
}

// Every enabled label and box text of `window` stands out from its background by 4.5:1 at
// least, measured on a grab of the widget.
void ExpectReadable(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString text = widget->property("text").toString();
        if (text.trimmed().isEmpty() || !widget->isEnabled() || !widget->isVisible() ||
            (!qobject_cast<QLabel*>(widget) && !qobject_cast<QLineEdit*>(widget))) {
            continue;
        }
        const QImage shot = widget->grab().toImage();
        const QColor back = shot.pixelColor(shot.width() - 3, shot.height() / 2);
        double best = 1;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 3; x < shot.width() - 3; ++x) {
                best = std::max(best, gui::Contrast(shot.pixelColor(x, y), back));
            }
        }
        QVERIFY2(best >= 4.5, qPrintable(text));
    }
}

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private:
    // After each step: the keyboard focus is on the model's focused control, the model's focus
    // and texts are those of a window driven without widgets, and every box shows the model's
    // text and selection.
    static void Agree(OnScreen& w, FrmViewDepr& twin) {
        const auto q = [](const std::string& text) { return QString::fromStdString(text); };
        QVERIFY(w.model.Focused() != nullptr);
        QCOMPARE(q(w.model.Focused()->Name()), q(twin.Focused()->Name()));
        QCOMPARE(QApplication::focusWidget(), w.view->WidgetFor(*w.model.Focused()));
        for (const TypedBox& b : kBoxes) {
            const EditControl& box = b.of(w.model);
            QCOMPARE(w.Edit(box)->text(), q(box.Text()));
            QCOMPARE(q(box.Text()), q(b.of(twin).Text()));
        }
        QCOMPARE(w.Widget(w.model.chkBonus)->isEnabled(), twin.chkBonus.enabled);
        QCOMPARE(w.Widget<QAbstractButton>(w.model.chkBonus)->text(), q(twin.chkBonus.caption));
        QCOMPARE(w.Widget(w.model.cboBonusRate)->isEnabled(), twin.cboBonusRate.enabled);
        if (const auto* box = dynamic_cast<const EditControl*>(w.model.Focused())) {
            const QLineEdit* edit = w.Edit(*box);
            QCOMPARE(edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition(),
                     box->selStart);
            QCOMPARE(edit->selectionLength(), box->selLength);
        }
    }

  private slots:
    void typeClickAnotherBoxType_data() {
        QTest::addColumn<int>("assetType");
        QTest::addColumn<int>("first");  // indexes into kBoxes
        QTest::addColumn<int>("second");
        for (const int type : {kReplacement, kRelinquished}) {
            for (const TypedBox& a : kBoxes) {
                for (const TypedBox& b : kBoxes) {
                    const bool sold =
                        std::string(a.name) == "sold" || std::string(b.name) == "sold";
                    if (&a != &b && Usable(a, type) && Usable(b, type) &&
                        (type == kReplacement || sold)) {
                        QTest::addRow("%s, then %s", a.name, b.name)
                            << type << int(&a - kBoxes) << int(&b - kBoxes);
                    }
                }
            }
        }
    }
    void typeClickAnotherBoxType() {
        QFETCH(int, assetType);
        QFETCH(int, first);
        QFETCH(int, second);
        OnScreen w;
        Prepare(w.model, assetType);
        w.view->Refresh();
        testing::FakePlatform platform;
        FrmViewDepr twin(platform);
        twin.Load();
        Prepare(twin, assetType);
        for (const int index : {first, second}) {
            const TypedBox& b = kBoxes[index];
            QTest::mouseClick(w.Edit(b.of(w.model)), Qt::LeftButton);
            twin.UserFocus(b.of(twin));
            Agree(w, twin);
            for (const char* key = b.keys; *key != '\0' && !QTest::currentTestFailed(); ++key) {
                QTest::keyClick(QApplication::focusWidget(), *key);
                twin.PressKey(*key, std::string(1, *key));
                Agree(w, twin);
            }
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }

    void enterAndAltCKeepTheValidationMessage_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("altC");
        for (int i = 0; i < int(std::size(kBoxes)); ++i) {
            QTest::addRow("Enter in %s", kBoxes[i].name) << i << false;
            QTest::addRow("Alt+C from %s", kBoxes[i].name) << i << true;
        }
    }
    void enterAndAltCKeepTheValidationMessage() {
        QFETCH(int, box);
        QFETCH(bool, altC);
        const TypedBox& b = kBoxes[box];
        OnScreen w;
        Prepare(w.model, Usable(b, kReplacement) ? kReplacement : kRelinquished);
        w.view->Refresh();
        w.Type(b.of(w.model), box == 0 ? "0" : b.keys);  // a zero cost
        QTest::keyClick(QApplication::focusWidget(), altC ? Qt::Key_C : Qt::Key_Return,
                        altC ? Qt::AltModifier : Qt::NoModifier);
        QTRY_COMPARE(w.view->status()->text(), QString("Cost Missing! "));  // Alt+C animates
        QVERIFY(Shows(w.view->status(), Qt::red));
        QVERIFY(Shows(w.Widget(w.model.lblCost), Qt::red));
        QCOMPARE(w.model.Focused(), &w.model.txtCost);
        QCOMPARE(QApplication::focusWidget(), w.Widget(w.model.txtCost));
    }

    // A real-property life typed, not picked, leaves Mid Quarter usable: Calculate refuses it
    // with one message, before any year is computed, and puts the user back in the Life box.
    void aTypedLifeWithoutAMidQuarterTableIsOneValidationMessage() {
        OnScreen w;
        w.Type(w.model.txtCost, "100000");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "M");
        w.Type(w.model.txtInService, "082002");
        w.Type(w.model.cboLife, "27.5");
        QWidget* midQuarter = w.Widget(w.model.optConvention[1]);
        QTest::mouseClick(midQuarter, Qt::LeftButton, {}, QPoint(8, midQuarter->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.view->status()->text(), QString("Life 27.5 has no Mid Quarter table! "));
        QVERIFY(Shows(w.view->status(), Qt::red));
        QVERIFY(Shows(w.Widget(w.model.lblLife), Qt::red));
        QCOMPARE(QApplication::focusWidget(), w.Widget(w.model.cboLife));
        QVERIFY(w.platform.boxes.empty());
        QVERIFY(w.model.Result().rows.empty());
    }

    // At the smallest size every caption and every digit of a ten-digit cost shows whole; a
    // larger window gives its room to the grid and the description.
    void theLayoutShowsEverythingWholeAndGrows() {
        OnScreen w;
        w.CalculateFiveYears("9999999999");
        const QTableWidget* grid = w.view->grid();
        QCOMPARE(grid->item(0, 3)->text(), QString("5,599,999,999.44 "));
        w.view->resize(w.view->minimumSizeHint());
        w.model.ShowStatus(
            "MACRS Buisness Percent must be between 50% and 100%. Use ADS for less then 50%.");
        w.view->Refresh();
        QTRY_VERIFY(Whole(w.view->status()));
        for (const QWidget* widget : w.view->findChildren<QWidget*>()) {
            const QString text = widget->property("text").toString();
            QVERIFY2(text.isEmpty() || qobject_cast<const QLineEdit*>(widget) || Whole(widget),
                     qPrintable(text));
        }
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid);
        for (int col = 1; col < grid->columnCount(); ++col) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                const QString text = grid->item(row, col)->text();
                QVERIFY2(grid->fontMetrics().horizontalAdvance(text) + 2 * (margin + 1) <=
                             grid->columnWidth(col),
                         qPrintable(text));
            }
        }
        QCOMPARE(grid->textElideMode(), Qt::ElideNone);
        const int description = w.Widget(w.model.txtDescription)->width();
        w.view->resize(1500, 1000);
        QTRY_VERIFY(grid->viewport()->width() > 1400);  // when Qt gets to the layout
        QVERIFY(w.Widget(w.model.txtDescription)->width() > description + 300);
    }

    // Under a dark palette every label and box text is readable (4.5:1, measured on the screen),
    // each field is named by its label, and radio buttons are radio buttons.
    void aDarkWindowReadsWellAndNamesEveryField() {
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        {
            OnScreen w;
            Prepare(w.model, kReplacement);
            w.view->Refresh();
            w.Type(w.model.txtDescription, "Van");
            w.Type(w.model.txtCost, "0");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ExpectReadable(w.view.get());
            int named = 0;
            for (const QLabel* label : w.view->findChildren<QLabel*>()) {
                if (label->buddy() != nullptr) {
                    // A list's name is its value on Linux; the label relation names it.
                    QAccessibleInterface* field =
                        QAccessible::queryAccessibleInterface(label->buddy());
                    const auto labels = field->relations(QAccessible::Label);
                    QVERIFY(!labels.isEmpty() && labels.first().first->object() == label);
                    if (qobject_cast<QLineEdit*>(label->buddy()) != nullptr) {
                        QCOMPARE(field->text(QAccessible::Name),
                                 QString(label->text()).remove('&').trimmed());
                    }
                    ++named;
                }
            }
            QCOMPARE(named, 11);
            QCOMPARE(
                QAccessible::queryAccessibleInterface(w.Widget(w.model.optAssetType[1]))->role(),
                QAccessible::RadioButton);
        }
        {
            const QTemporaryDir scratch;
            testing::FakePlatform platform;
            platform.folder = scratch.path().toStdString();
            std::ofstream(platform.folder / "AutoMax.DAT", std::ios::binary)
                << "20023060 4900 2950 1775 ";
            DataFile data(platform);
            data.OpenFile(DataFile::kOrdinaryTable);
            FrmAutoMax editor(platform, data);
            editor.Load();
            gui::AutoMaxDialog dialog(editor, nullptr);
            dialog.show();
            editor.txtYear.SetText("20");
            editor.cmdSave.Click();  // "Year must be 4 digits." in red, and its label
            dialog.Refresh();
            ExpectReadable(&dialog);
            data.CloseFile();
        }
        {
            testing::AboutBox about;
            helpqt::AboutDialog box(about.about);
            box.show();
            ExpectReadable(&box);
        }
        QApplication::setPalette(light);
    }

    // The rate list follows the in-service month and names the rate in the check box; a pick
    // stands until the month changes. Section 179 comes off first, the allowance off what is
    // left; real property closes both.
    void theAllowanceRateAndSection179() {
        OnScreen w;
        const auto rates = w.Widget<QComboBox>(w.model.cboBonusRate);
        const auto pick = [](QComboBox* life, const QString& text) {
            life->showPopup();
            const QRect row =
                life->view()->visualRect(life->model()->index(life->findText(text), 0));
            QTest::mouseClick(life->view()->viewport(), Qt::LeftButton, {}, row.center());
        };
        const auto caption = [&] { return w.Widget<QAbstractButton>(w.model.chkBonus)->text(); };
        const auto years = [&] {
            const QTableWidget* grid = w.view->grid();
            return grid->item(0, 2)->text().trimmed() + " " + grid->item(1, 2)->text().trimmed();
        };
        QWidget* box = w.Widget(w.model.txtSection179);
        QVERIFY(!rates->isEnabled() && !box->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(rates)->text(QAccessible::Description),
                 QString("Special allowance rate"));
        w.Type(w.model.txtCost, "10000");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "M");
        w.Type(w.model.txtInService, "062024");
        QCOMPARE(rates->currentText(), QString("60%"));
        QCOMPARE(caption(), QString("60% Special Depreciation Allowance"));
        QVERIFY(!rates->isEnabled() && box->isEnabled());
        pick(w.Widget<QComboBox>(w.model.cboLife), "5");
        QVERIFY(rates->isEnabled());
        QWidget* bonus = w.Widget(w.model.chkBonus);
        QTest::mouseClick(bonus, Qt::LeftButton, {}, QPoint(8, bonus->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(years(), QString("6,800.00 1,280.00"));
        bonus->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bonus, Qt::Key_Tab);  // the rate list is next, and takes a typed rate
        QCOMPARE(QApplication::focusWidget(), rates);
        QTest::keyClick(rates, Qt::Key_4);
        QCOMPARE(caption(), QString("40% Special Depreciation Allowance"));
        w.Type(w.model.txtCost, "10000");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(years(), QString("5,200.00 1,920.00"));
        w.Type(w.model.txtInService, "062024");  // the same month keeps the pick
        QCOMPARE(rates->currentText(), QString("40%"));
        // Alt and the label's letter reach the box; the amount echoes as the cost does.
        const auto* label = w.Widget<QLabel>(w.model.lblSection179);
        QCOMPARE(label->buddy(), box);
        QVERIFY(QString(label->text()).remove('&') == "Section 179:" &&
                label->text().contains('&'));
        const QChar letter = label->text().at(label->text().indexOf('&') + 1).toUpper();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(letter.unicode()), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, "2000");
        QCOMPARE(w.view->status()->text(), QString("2,000"));
        w.Type(w.model.txtInService, "072024");
        QCOMPARE(rates->currentText(), QString("60%"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(years(), QString("7,440.00 1,024.00"));
        w.Type(w.model.txtSection179, "10001");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.view->status()->text(),
                 QString("Section 179 can't be greater than the business basis. "));
        QVERIFY(Shows(w.Widget(w.model.lblSection179), Qt::red));
        QCOMPARE(QApplication::focusWidget(), box);
        pick(w.Widget<QComboBox>(w.model.cboLife), "39");
        QVERIFY(!rates->isEnabled() && !box->isEnabled());
        QCOMPARE(w.model.txtSection179.Text(), std::string());
    }

    // The radio buttons are one Tab stop with the arrows inside; the grid is reached and left
    // by Tab; Ctrl+Z and Ctrl+Shift+Z undo and redo typing; Enter on a focused button presses it.
    void theKeyboardReachesEverything() {
        gui::ShowProgramIdentity();  // no icon theme here: the program's own icon
        QCOMPARE(QApplication::windowIcon().pixmap(48).size(), QSize(48, 48));
        OnScreen w;
        const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
            QTest::keyClick(QApplication::focusWidget(), k, m);
        };
        QCOMPARE(QApplication::focusWidget(), w.Widget(w.model.txtCost));  // typed at once
        QTest::keyClicks(QApplication::focusWidget(), "1234");
        QCOMPARE(w.view->status()->text(), QString("1,234"));
        QCOMPARE(Heard(w.view->status()), QString(" "));  // the echo is no news
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.model.txtCost.Text(), std::string());
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.model.txtCost.Text(), std::string("1234"));
        QTest::mouseClick(w.Widget(w.model.optAssetType[0]), Qt::LeftButton, {}, QPoint(6, 6));
        key(Qt::Key_Right);
        QVERIFY(w.model.optAssetType[1].value);
        QCOMPARE(QApplication::focusWidget(), w.Widget(w.model.optAssetType[1]));
        key(Qt::Key_Tab);
        QCOMPARE(w.model.Focused(), &w.model.txtCost);
        w.Widget(w.model.cmdHelp)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.view->grid());
        key(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != w.view->grid());
        key(Qt::Key_Backtab);
        key(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.Widget(w.model.cmdHelp));
        w.Widget(w.model.cmdClear)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        QCOMPARE(w.model.txtCost.Text(), std::string());  // cleared, not calculated
        QCOMPARE(w.view->status()->text(), QString());
        key(Qt::Key_Return);  // from the cost box, where Clear leaves the focus
        QCOMPARE(Heard(w.view->status()), QString("Cost Missing! "));
        key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.view->isVisible());
    }

    // Alt+T opens the Tools menu at its button, ready for Enter; an open menu is among the
    // application's windows for a screen reader, with its entries by name and role.
    void altTOpensToolsAtItsButtonReadyForEnter() {
        OnScreen w;
        w.view->resize(w.view->minimumSizeHint());
        w.view->move(0, 0);
        const struct {
            Qt::Key key;
            QString title;
            QString entries;  // a separator has no name
        } menus[] = {
            {Qt::Key_T, "Tools",
             "|Automobile Max Amount|Clean Fuel Auto Max Amount||Copy Schedule|Save Schedule as "
             "PDF..."},
            {Qt::Key_H, "Help", "About|Contents|Search"},
        };
        for (const auto& m : menus) {
            QTest::keyClick(w.view.get(), m.key, Qt::AltModifier);
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));  // animated
            QMenu* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
            QAccessibleInterface* menu = app->child(app->childCount() - 1);
            QCOMPARE(menu->object(), popup);
            QCOMPARE(app->indexOfChild(menu), app->childCount() - 1);
            QCOMPARE(menu->role(), QAccessible::PopupMenu);
            QCOMPARE(menu->text(QAccessible::Name), m.title);
            QStringList entries;
            for (int i = 0; i < menu->childCount(); ++i) {
                const QAccessibleInterface* entry = menu->child(i);
                QCOMPARE(entry->role(), entry->text(QAccessible::Name).isEmpty()
                                            ? QAccessible::Separator
                                            : QAccessible::MenuItem);
                entries << entry->text(QAccessible::Name);
            }
            QCOMPARE(entries.join('|'), m.entries);
            if (QWidget* tools = w.Widget(w.model.cmdTools); m.key == Qt::Key_T) {
                QCOMPARE(popup->pos(), tools->mapToGlobal(QPoint(0, tools->height())));
                QCOMPARE(popup->activeAction()->text(), QString("&Automobile Max Amount"));
            }
            popup->close();
        }
    }

    // Ctrl+C in the grid copies the rows as tab-separated text, and nothing without a row.
    void theScheduleIsCopiedAsTabSeparatedText() {
        OnScreen w;
        QTableWidget* grid = w.view->grid();
        const auto copy = [&] {
            const QRect cell = grid->visualRect(grid->model()->index(3, 5));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(QApplication::focusWidget(), grid);
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        };
        QGuiApplication::clipboard()->setText("kept");
        copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
        w.CalculateFiveYears("10000");
        copy();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(
            copied.startsWith("Year\tDepreciation\tAdj. Tax Basis\n2002\t4,400.00\t5,600.00\n"));
        QVERIFY(copied.endsWith("\n2007\t403.20\t.00\n") && copied.count('\n') == 7);
    }

    void withoutAPrinterPrintSavesTheScheduleAsPdf() {
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "run with CUPS_SERVER at no server");
        OnScreen w;
        w.CalculateFiveYears("10000");
        QVERIFY(w.view->status()->text().startsWith("Method: MACRS"));  // the method line
        QCOMPARE(Heard(w.view->status()), w.view->status()->text());
        const QTemporaryDir scratch;  // each run its own, so that two runs never meet
        const QString folder = scratch.path();
        const QString path = folder + "/five years.pdf";
        FileDialogAnswer dialog(path);
        QTest::mouseClick(w.Widget(w.model.cmdPrint), Qt::LeftButton);
        QVERIFY(dialog.suggested.endsWith("/Depreciation Schedule.pdf"));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        QCOMPARE(w.view->status()->text(), "Schedule saved as " + path);
        QCOMPARE(Heard(w.view->status()), "Schedule saved as " + path);
        QVERIFY(Shows(w.view->status(), Qt::blue));
        QVERIFY(w.platform.boxes.empty());
    }

    // Ctrl+G goes to a typed year, and says when the table has none; a refused amount shows its
    // message whole; Delete asks first, with No as the default.
    void theLimitEditorGoesToAYearAndAsksBeforeDeleting() {
        const QTemporaryDir scratch;
        struct Platform : gui::QtPlatform {  // the desktop's own message boxes
            std::filesystem::path folder;
            std::filesystem::path ProgramFolder() const override { return folder; }
        } platform;
        platform.folder = scratch.path().toStdString();
        const std::filesystem::path folder = platform.folder;
        std::ofstream(folder / "AutoMax.DAT", std::ios::binary)
            << "20023060 4900 2950 1775 20033080 4900 2950 1775 ";
        DataFile data(platform);
        data.OpenFile(DataFile::kOrdinaryTable);
        FrmAutoMax editor(platform, data);
        editor.Load();
        gui::AutoMaxDialog dialog(editor, nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (const char* year : {"2003", "1999"}) {
            QApplication::setActiveWindow(&dialog);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTimer::singleShot(0, [year] {  // inside the question's own event loop
                auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QTest::keyClicks(ask->findChild<QLineEdit*>(), year);
                QTest::keyClick(ask->findChild<QLineEdit*>(), Qt::Key_Return);
            });
            QTest::keyClick(&dialog, Qt::Key_G, Qt::ControlModifier);
        }
        QCOMPARE(editor.txtYear.Text(), std::string("2003"));
        QCOMPARE(qobject_cast<QLabel*>(dialog.WidgetFor(editor.stbAuto))->text(),
                 QString("No record for that year."));
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(dialog.WidgetFor(editor.txtYear3), Qt::LeftButton);
        QTest::keyClicks(dialog.WidgetFor(editor.txtYear3), "295000");
        QTest::mouseClick(dialog.WidgetFor(editor.cmdSave), Qt::LeftButton);
        QCOMPARE(editor.stbAuto.caption,
                 std::string("Year amount can't be more than 5 characters."));
        for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->property("text").toString().isEmpty()) {
                QTRY_VERIFY2(Whole(widget), qPrintable(widget->property("text").toString()));
            }
        }
        QString asked;
        QTimer::singleShot(0, [&] {  // runs inside the question's own event loop
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            asked = box->text() + "|" + box->windowTitle() + "|" +
                    QString::number(box->standardButtons()) + "|" +
                    (box->defaultButton() == box->button(QMessageBox::No) ? "No" : "not No");
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(dialog.WidgetFor(editor.cmdDelete), Qt::LeftButton);
        QCOMPARE(asked, QString("Delete current record?|%1|%2|No")
                            .arg(kAppTitle)
                            .arg(int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)));
        QCOMPARE(editor.txtYear.Text(), std::string("2003"));  // No keeps the record
        data.CloseFile();
    }
};

QTEST_MAIN(MainWindowViewTest)
#include "MainWindowViewTest.moc"
