#include "gui/MainWindowView.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "classes/FitDropDownWidth.h"
#include "gui/AccessibleApplication.h"
#include "gui/Colors.h"
#include "gui/Readable.h"

namespace pellory::gui {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kShortBox = 10;

// The width a box needs to show `text` whole: the text, its margins and the frame.
int TextRoom(const QWidget& box, const QString& text) {
    return box.fontMetrics().horizontalAdvance(text) + 16;
}

}  // namespace

MainWindowView::MainWindowView(FrmViewDepr& model, QWidget* parent)
    : QWidget(parent), model_(model), binder_(model, [this] {
          PaintGrid();
          AnnounceStatus();
      }) {
    ShowOpenMenusToScreenReaders();
    setWindowTitle(QString::fromStdString(model_.caption));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(BuildAssetTypes());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildInputPanel(), 1);
    middle->addLayout(BuildButtons());
    outer->addLayout(middle);
    outer->addWidget(BuildExchange());
    outer->addWidget(BuildGrid(), 1);
    status_ = AddLabel(model_.stbMain);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setMinimumHeight(status_->fontMetrics().height() + 6);
    outer->addWidget(status_);
    FollowTabOrder();
    binder_.TieLabels();
    AddShortcuts();

    services_ = std::make_unique<DesktopServices>(*this, model_.platform());
    model_.SetServices(services_.get());
    Refresh();
    // The whole grid in view at first, as far as the screen allows; the window may be made
    // smaller, down to what its fields and buttons need.
    const QScreen* screen = this->screen();
    resize(screen != nullptr ? sizeHint().boundedTo(screen->availableSize()) : sizeHint());
}

MainWindowView::~MainWindowView() {
    model_.SetServices(nullptr);
}

QLabel* MainWindowView::AddLabel(Label& control) {
    auto* widget = new QLabel(this);
    binder_.Bind(widget, control);
    widgets_[&control] = widget;
    return widget;
}

QLineEdit* MainWindowView::AddEdit(EditControl& control, bool masked) {
    auto* widget = new QLineEdit(this);
    binder_.Bind(widget, control, masked);
    widgets_[&control] = widget;
    // A short box is never too narrow for the longest text it takes.
    const auto* mask = dynamic_cast<const MaskedEdit*>(&control);
    const int longest = mask != nullptr ? static_cast<int>(mask->Mask().size()) : control.maxLength;
    if (longest > 0 && longest <= kShortBox) {
        widget->setMinimumWidth(TextRoom(*widget, QString(longest, '0')));
    }
    return widget;
}

ModelComboBox* MainWindowView::AddCombo(ComboBox& control) {
    auto* widget = new ModelComboBox(this);
    widget->setEditable(control.Style() == ComboStyle::DropDownCombo);
    binder_.Bind(widget, control);
    widgets_[&control] = widget;
    return widget;
}

QRadioButton* MainWindowView::AddRadio(OptionArray& options, int index) {
    auto* widget = new QRadioButton(this);
    binder_.Bind(widget, options, index);
    widgets_[&options[index]] = widget;
    return widget;
}

QWidget* MainWindowView::BuildAssetTypes() {
    auto* strip = new QGroupBox(this);
    auto* layout = new QHBoxLayout(strip);
    for (int i = 0; i < model_.optAssetType.Count(); ++i) {
        layout->addWidget(AddRadio(model_.optAssetType, i));
    }
    return strip;
}

QWidget* MainWindowView::BuildInputPanel() {
    auto* panel = new QGroupBox(this);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(AddLabel(model_.lblCost), 0, 0);
    grid->addWidget(AddEdit(model_.txtCost), 0, 1);
    grid->addWidget(AddLabel(model_.lblMethod), 0, 2);
    grid->addWidget(AddCombo(model_.cboMethod), 0, 3);
    grid->addWidget(AddLabel(model_.lblInService), 0, 4);
    grid->addWidget(AddEdit(model_.txtInService, true), 0, 5);
    grid->addWidget(AddLabel(model_.lblLife), 1, 0);
    ModelComboBox* life = AddCombo(model_.cboLife);
    life->setMinimumWidth(TextRoom(*life, "00.0") +
                          life->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    grid->addWidget(life, 1, 1);
    grid->addWidget(AddLabel(model_.Label2), 1, 2);
    classList_ = AddCombo(model_.cboClass);
    grid->addWidget(classList_, 1, 3);
    grid->addWidget(AddLabel(model_.lblAutoBusiness), 1, 4);
    grid->addWidget(AddEdit(model_.txtBusinessPercent), 1, 5);
    auto* bonus = new QCheckBox(this);
    binder_.Bind(bonus, model_.chkBonus);
    widgets_[&model_.chkBonus] = bonus;
    // The rate list beside the box it qualifies; Section 179 under Business %.
    auto* allowance = new QHBoxLayout;
    allowance->addWidget(bonus);
    ModelComboBox* rates = AddCombo(model_.cboBonusRate);
    // A list's name is its value on Linux; the description says what the value is.
    rates->setAccessibleDescription(QStringLiteral("Special allowance rate"));
    allowance->addWidget(rates);
    allowance->addStretch();
    grid->addLayout(allowance, 2, 0, 1, 4);
    grid->addWidget(AddLabel(model_.lblSection179), 2, 4);
    grid->addWidget(AddEdit(model_.txtSection179), 2, 5);
    auto* convention = new QGroupBox(this);
    binder_.Bind(convention, model_.fraConvention);
    auto* conventionLayout = new QHBoxLayout(convention);
    for (int i = 0; i < model_.optConvention.Count(); ++i) {
        conventionLayout->addWidget(AddRadio(model_.optConvention, i));
    }
    grid->addWidget(convention, 3, 0, 1, 4);
    grid->addWidget(AddLabel(model_.lblSoldDate), 3, 4);
    grid->addWidget(AddEdit(model_.mskSold, true), 3, 5);
    grid->addWidget(AddLabel(model_.lblDescription), 4, 0);
    grid->addWidget(AddEdit(model_.txtDescription), 4, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    return panel;
}

QLayout* MainWindowView::BuildButtons() {
    auto* buttons = new QVBoxLayout;
    for (Button* control : {&model_.cmdCalculate, &model_.cmdClear, &model_.cmdPrint,
                            &model_.cmdTools, &model_.cmdHelp}) {
        auto* widget = new QPushButton(this);
        binder_.Bind(widget, *control);
        widgets_[control] = widget;
        buttons->addWidget(widget);
    }
    buttons->addStretch();
    menuButtons_[&model_.mnuTools] = WidgetFor(model_.cmdTools);
    menuButtons_[&model_.mnuhelp] = WidgetFor(model_.cmdHelp);
    return buttons;
}

QWidget* MainWindowView::BuildExchange() {
    // The exchange frame reads as a formula: - Sales Price + Adj Tax Basis = Adj. Cost.
    auto* exchange = new QGroupBox(this);
    binder_.Bind(exchange, model_.fraRelinquished);
    auto* layout = new QHBoxLayout(exchange);
    layout->addWidget(AddLabel(model_.lblSalesPrice));
    layout->addWidget(AddEdit(model_.txtSalesPrice));
    layout->addWidget(AddLabel(model_.lblAdjTaxBasis));
    layout->addWidget(AddEdit(model_.txtAdjTaxBasis));
    layout->addWidget(AddLabel(model_.lbladjustedCost));
    QLabel* adjCost = AddLabel(model_.lblAdjCost);
    adjCost->setMinimumWidth(100);
    adjCost->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(adjCost);
    return exchange;
}

QWidget* MainWindowView::BuildGrid() {
    grid_ = new ScheduleTable(model_.grdDepr, this);
    grid_->setAccessibleName(QStringLiteral("Schedule"));
    binder_.BindFocus(grid_, model_.grdDeprFocus);
    widgets_[&model_.grdDeprFocus] = grid_;
    grid_->onCopy = [this] { binder_.Run([this] { model_.CopySchedule(); }); };
    return grid_;
}

void MainWindowView::FollowTabOrder() {
    QWidget* previous = nullptr;
    for (Control* control : model_.TabOrder()) {
        QWidget* widget = WidgetFor(*control);
        if (previous != nullptr && widget != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget != nullptr ? widget : previous;
    }
}

QWidget* MainWindowView::WidgetFor(const Control& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void MainWindowView::PaintGrid() {
    const int before = grid_->NaturalWidth();
    grid_->Paint();
    if (grid_->NaturalWidth() > before) {
        WidenForGrid();
    }
}

void MainWindowView::WidenForGrid() {
    // A schedule that needs wider columns than the window has room for widens the window, as
    // far as the screen allows.
    const int missing = grid_->NaturalWidth() - grid_->viewport()->width();
    const QScreen* screen = this->screen();
    if (missing <= 0 || !isVisible() ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) || screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const int frame = frameGeometry().width() - width();
    resize(std::min(width() + missing, area.width() - frame), height());
    if (frameGeometry().right() > area.right()) {
        move(std::max(area.left(), area.right() + 1 - frameGeometry().width()), y());
    }
}

void MainWindowView::Refresh() {
    binder_.Refresh();
    PaintGrid();
    AnnounceStatus();
}

void MainWindowView::Centre() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - frameGeometry().width()) / 2,
         area.top() + (area.height() - frameGeometry().height()) / 2);
}

void MainWindowView::AddShortcuts() {
    const auto add = [this](const QKeySequence& keys, std::function<void()> action) {
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(keys);
        QObject::connect(shortcut, &QAction::triggered, this, std::move(action));
        addAction(shortcut);
    };
    // The keys themselves, not the platform theme's standard keys: some themes (qt6ct among
    // them) bind no key to Quit.
    add(QKeySequence(Qt::Key_F1), [this] { binder_.Run([this] { model_.ShowHelpForFocus(); }); });
    add(QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (model_.cmdPrint.Usable()) {
            binder_.Run([this] { model_.cmdPrint.Click(); });
        }
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

void MainWindowView::AnnounceStatus() {
    // A message, a method line or a saved file is news for a screen reader: the status line's
    // accessible name becomes it, which the desktop's accessibility bus passes on. The echo of
    // an amount being typed (the user hears it in the box) and an empty line are not: the name
    // then holds a blank, which also keeps the label from announcing each new text itself.
    const QString now = status_->text();
    const QString name = now.isEmpty() || model_.StatusIsEcho() ? QStringLiteral(" ") : now;
    if (status_->accessibleName() != name) {
        status_->setAccessibleName(name);
    }
}

void MainWindowView::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button, anywhere else the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        binder_.Run([this] { model_.PressKey(kKeyEnter); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindowView::PopUp(const Menu& menu) {
    auto* popup = new QMenu(QString::fromStdString(menu.caption), this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setObjectName(QString::fromStdString(menu.name));
    popup->setWindowTitle(popup->title());  // the menu's name for a screen reader
    QString keys;
    for (const MenuEntry& entry : menu.entries) {
        if (entry.caption == "-") {
            popup->addSeparator();
            continue;
        }
        QAction* action =
            popup->addAction(WithAccessKey(QString::fromStdString(entry.caption), keys));
        action->setObjectName(QString::fromStdString(entry.name));
        action->setEnabled(entry.Available());
        const Handler run = entry.onClick;
        QObject::connect(action, &QAction::triggered, this, [this, run] {
            binder_.Run([run] {
                if (run) {
                    run();
                }
            });
        });
    }
    // A button pressed from the keyboard opens its menu below it, with the first entry ready for
    // Enter; a click opens it at the mouse.
    const auto button = menuButtons_.find(&menu);
    if (binder_.KeyboardInput() && button != menuButtons_.end()) {
        popup->popup(button->second->mapToGlobal(QPoint(0, button->second->height())));
        const QList<QAction*> entries = popup->actions();
        const auto first = std::find_if(entries.begin(), entries.end(),
                                        [](const QAction* a) { return !a->isSeparator(); });
        if (first != entries.end()) {
            popup->setActiveAction(*first);
        }
    } else {
        popup->popup(QCursor::pos());
    }
}

void MainWindowView::FitDropDown(ComboBox& combo) {
    // Labels measured in the window's own font, in twips.
    const QFontMetricsF metrics(font());
    std::vector<double> widths;
    for (const ComboItem& item : combo.Items()) {
        widths.push_back(metrics.horizontalAdvance(QString::fromStdString(item.text)) *
                         kTwipsPerPixel);
    }
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double comboWidth = classList_->width() * kTwipsPerPixel;
    const int pixels = DroppedWidthPixels(widths, scrollBar, kTwipsPerPixel, comboWidth);
    if (pixels > 0) {
        combo.droppedWidth = pixels;
    }
}

}  // namespace pellory::gui
