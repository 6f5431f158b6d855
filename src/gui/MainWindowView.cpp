#include "gui/MainWindowView.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <vector>

#include "classes/FitDropDownWidth.h"
#include "gui/Colors.h"

namespace pellory::gui {

namespace {

constexpr double kTwipsPerPixel = 15.0;

}  // namespace

MainWindowView::MainWindowView(FrmViewDepr& model, QWidget* parent)
    : QWidget(parent), model_(model), binder_(model, [this] { PaintGrid(); }) {
    setWindowTitle(QString::fromStdString(model_.caption));
    auto* outer = new QVBoxLayout(this);

    const auto label = [this](Label& control) {
        auto* widget = new QLabel(this);
        binder_.Bind(widget, control);
        widgets_[&control] = widget;
        return widget;
    };
    const auto edit = [this](EditControl& control, bool masked = false) {
        auto* widget = new QLineEdit(this);
        binder_.Bind(widget, control, masked);
        widgets_[&control] = widget;
        return widget;
    };
    const auto combo = [this](ComboBox& control) {
        auto* widget = new ModelComboBox(this);
        widget->setEditable(control.Style() == ComboStyle::DropDownCombo);
        binder_.Bind(widget, control);
        widgets_[&control] = widget;
        return widget;
    };
    const auto button = [this](Button& control) {
        auto* widget = new QPushButton(this);
        binder_.Bind(widget, control);
        widgets_[&control] = widget;
        return widget;
    };
    const auto radio = [this](OptionArray& options, int index) {
        auto* widget = new QRadioButton(this);
        binder_.Bind(widget, options, index);
        widgets_[&options[index]] = widget;
        return widget;
    };

    // Asset type strip.
    auto* strip = new QGroupBox(this);
    auto* stripLayout = new QHBoxLayout(strip);
    for (int i = 0; i < 3; ++i) {
        stripLayout->addWidget(radio(model_.optAssetType, i));
    }
    outer->addWidget(strip);

    // Input panel beside the command buttons.
    auto* middle = new QHBoxLayout;
    auto* panel = new QGroupBox(this);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(label(model_.lblCost), 0, 0);
    grid->addWidget(edit(model_.txtCost), 0, 1);
    grid->addWidget(label(model_.lblMethod), 0, 2);
    grid->addWidget(combo(model_.cboMethod), 0, 3);
    grid->addWidget(label(model_.lblInService), 0, 4);
    grid->addWidget(edit(model_.txtInService, true), 0, 5);
    grid->addWidget(label(model_.lblLife), 1, 0);
    grid->addWidget(combo(model_.cboLife), 1, 1);
    grid->addWidget(label(model_.Label2), 1, 2);
    classList_ = combo(model_.cboClass);
    grid->addWidget(classList_, 1, 3);
    grid->addWidget(label(model_.lblAutoBusiness), 1, 4);
    grid->addWidget(edit(model_.txtBusinessPercent), 1, 5);
    auto* bonus = new QCheckBox(this);
    binder_.Bind(bonus, model_.chkBonus);
    widgets_[&model_.chkBonus] = bonus;
    grid->addWidget(bonus, 2, 0, 1, 6);
    auto* convention = new QGroupBox(this);
    binder_.Bind(convention, model_.fraConvention);
    auto* conventionLayout = new QHBoxLayout(convention);
    for (int i = 0; i < 3; ++i) {
        conventionLayout->addWidget(radio(model_.optConvention, i));
    }
    grid->addWidget(convention, 3, 0, 1, 4);
    grid->addWidget(label(model_.lblSoldDate), 3, 4);
    grid->addWidget(edit(model_.mskSold, true), 3, 5);
    grid->addWidget(label(model_.lblDescription), 4, 0);
    grid->addWidget(edit(model_.txtDescription), 4, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    middle->addWidget(panel, 1);
    auto* buttons = new QVBoxLayout;
    for (Button* b : {&model_.cmdCalculate, &model_.cmdClear, &model_.cmdPrint, &model_.cmdTools,
                      &model_.cmdHelp}) {
        buttons->addWidget(button(*b));
    }
    buttons->addStretch();
    middle->addLayout(buttons);
    outer->addLayout(middle);

    // The exchange frame reads as a formula: - Sales Price + Adj Tax Basis = Adj. Cost.
    auto* exchange = new QGroupBox(this);
    binder_.Bind(exchange, model_.fraRelinquished);
    auto* exchangeLayout = new QHBoxLayout(exchange);
    exchangeLayout->addWidget(label(model_.lblSalesPrice));
    exchangeLayout->addWidget(edit(model_.txtSalesPrice));
    exchangeLayout->addWidget(label(model_.lblAdjTaxBasis));
    exchangeLayout->addWidget(edit(model_.txtAdjTaxBasis));
    exchangeLayout->addWidget(label(model_.lbladjustedCost));
    QLabel* adjCost = label(model_.lblAdjCost);
    adjCost->setMinimumWidth(100);
    adjCost->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    exchangeLayout->addWidget(adjCost);
    outer->addWidget(exchange);

    BuildGrid();
    outer->addWidget(grid_, 1);

    status_ = label(model_.stbMain);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setMinimumHeight(status_->fontMetrics().height() + 6);
    outer->addWidget(status_);

    // Tab order as the window model lists it.
    QWidget* previous = nullptr;
    for (Control* control : model_.TabOrder()) {
        QWidget* widget = WidgetFor(*control);
        if (previous != nullptr && widget != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget != nullptr ? widget : previous;
    }

    model_.popupMenu = [this](const Menu& menu) { PopUp(menu); };
    model_.selection.fitDropDownWidth = [this](ComboBox& list) { FitDropDown(list); };
    Refresh();
}

QWidget* MainWindowView::WidgetFor(const Control& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void MainWindowView::BuildGrid() {
    const Grid& model = model_.grdDepr;
    grid_ = new QTableWidget(model.Rows() - 1, model.Cols(), this);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        for (int col = 0; col < grid_->columnCount(); ++col) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(row, col, item);
        }
    }
    for (int col = 0; col < grid_->columnCount(); ++col) {
        grid_->setHorizontalHeaderItem(col, new QTableWidgetItem);
    }
    const int rowHeight = grid_->fontMetrics().height() + 6;
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    PaintGrid();
    int width = 2 * grid_->frameWidth();
    for (int col = 0; col < grid_->columnCount(); ++col) {
        width += grid_->isColumnHidden(col) ? 0 : grid_->columnWidth(col);
    }
    grid_->setMinimumSize(width, grid_->horizontalHeader()->sizeHint().height() +
                                     rowHeight * grid_->rowCount() + 2 * grid_->frameWidth());
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MainWindowView::PaintGrid() {
    const Grid& model = model_.grdDepr;
    const QFontMetrics metrics(grid_->font());
    for (int col = 0; col < model.Cols(); ++col) {
        const int width = TwipsToPixels(model.ColWidth(col));
        grid_->setColumnHidden(col, width == 0);
        if (width > 0) {
            const QString heading = QString::fromStdString(model.TextMatrix(0, col));
            grid_->setColumnWidth(col, std::max(width, metrics.horizontalAdvance(heading) + 8));
        }
        grid_->horizontalHeaderItem(col)->setText(QString::fromStdString(model.TextMatrix(0, col)));
        const Qt::Alignment align = model.ColAlignment(col) == CellAlignment::RightCenter
                                        ? Qt::AlignRight | Qt::AlignVCenter
                                        : Qt::AlignLeft | Qt::AlignVCenter;
        for (int row = 1; row < model.Rows(); ++row) {
            QTableWidgetItem* item = grid_->item(row - 1, col);
            item->setText(QString::fromStdString(model.TextMatrix(row, col)));
            item->setTextAlignment(align);
        }
    }
}

void MainWindowView::Refresh() {
    binder_.Refresh();
    PaintGrid();
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

void MainWindowView::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere in the window presses the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        binder_.Run([this] { model_.PressKey(kKeyEnter); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindowView::PopUp(const Menu& menu) {
    QMenu popup(this);
    for (const MenuEntry& entry : menu.entries) {
        if (entry.caption == "-") {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromStdString(entry.caption));
        action->setObjectName(QString::fromStdString(entry.name));
        const Handler run = entry.onClick;
        QObject::connect(action, &QAction::triggered, this, [this, run] {
            binder_.Run([run] {
                if (run) {
                    run();
                }
            });
        });
    }
    popup.exec(QCursor::pos());
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
