#include "gui/ScheduleTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <numeric>

#include "gui/Colors.h"

namespace pellory::gui {

ScheduleTable::ScheduleTable(const Grid& model, QWidget* parent)
    : QTableWidget(model.Rows() - 1, model.Cols(), parent),
      model_(model),
      natural_(static_cast<std::size_t>(model.Cols()), 0) {
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col) {
            setItem(row, col, new QTableWidgetItem);
        }
    }
    for (int col = 0; col < columnCount(); ++col) {
        setHorizontalHeaderItem(col, new QTableWidgetItem);
    }
    // Rows a little lower than they like before the grid scrolls.
    rowHeight_ = fontMetrics().height() + 6;
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(rowHeight_);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    Paint();
    setFocusPolicy(Qt::StrongFocus);  // reached and left by Tab like any other control
    setTabKeyNavigation(false);
}

void ScheduleTable::Paint() {
    for (int col = 0; col < model_.Cols(); ++col) {
        const Qt::Alignment align = model_.ColAlignment(col) == CellAlignment::RightCenter
                                        ? Qt::AlignRight | Qt::AlignVCenter
                                        : Qt::AlignLeft | Qt::AlignVCenter;
        horizontalHeaderItem(col)->setText(QString::fromStdString(model_.TextMatrix(0, col)));
        for (int row = 1; row < model_.Rows(); ++row) {
            QTableWidgetItem* cell = item(row - 1, col);
            cell->setText(QString::fromStdString(model_.TextMatrix(row, col)));
            cell->setTextAlignment(align);
        }
    }
    const QFontMetrics heading(horizontalHeader()->font());
    const int headingMargins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    std::vector<int> natural(natural_.size(), 0);
    for (int col = 0; col < model_.Cols(); ++col) {
        const int twips = model_.ColWidth(col);
        setColumnHidden(col, twips == 0);
        if (twips > 0) {
            const QString text = horizontalHeaderItem(col)->text();
            natural[static_cast<std::size_t>(col)] =
                std::max({TwipsToPixels(twips), heading.horizontalAdvance(text) + headingMargins,
                          sizeHintForColumn(col)});
        }
    }
    if (natural != natural_) {
        natural_ = std::move(natural);
        updateGeometry();
    }
    FitColumns();
}

int ScheduleTable::NaturalWidth() const {
    return std::accumulate(natural_.begin(), natural_.end(), 0);
}

void ScheduleTable::FitColumns() {
    const int natural = NaturalWidth();
    if (natural == 0) {
        return;
    }
    const int extra = std::max(0, viewport()->width() - natural);
    int given = 0;
    int last = -1;
    for (int col = 0; col < columnCount(); ++col) {
        const int width = natural_[static_cast<std::size_t>(col)];
        if (width == 0) {
            continue;
        }
        const int share = static_cast<int>(static_cast<long long>(extra) * width / natural);
        setColumnWidth(col, width + share);
        given += share;
        last = col;
    }
    if (last >= 0) {
        setColumnWidth(last, columnWidth(last) + extra - given);
    }
}

QSize ScheduleTable::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {NaturalWidth() + frame,
            horizontalHeader()->sizeHint().height() + rowHeight_ * rowCount() + frame};
}

QSize ScheduleTable::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    return {200, horizontalHeader()->sizeHint().height() + 3 * rowHeight_ + frame};
}

bool ScheduleTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        FitColumns();
    }
    return QTableWidget::viewportEvent(event);
}

void ScheduleTable::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (onCopy) {
            onCopy();
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace pellory::gui
