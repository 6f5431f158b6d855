#pragma once

#include <QTableWidget>
#include <functional>
#include <vector>

#include "engine/Grid.h"

namespace pellory::gui {

// The schedule grid on screen. Each column is as wide as its widest text, heading included, and
// never narrower than the model's width; the room the window gives beyond that is shared out
// among the columns, and the height among the rows. Nothing is ever cut short or elided: a
// window too small for the grid scrolls it.
class ScheduleTable : public QTableWidget {
  public:
    ScheduleTable(const Grid& model, QWidget* parent);

    // Paints the model's cells, headings and alignment, and fits the columns to them.
    void Paint();
    // The width the columns need, without the room they are given.
    int NaturalWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Ctrl+C, whatever cell is current.
    std::function<void()> onCopy;

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FitColumns();

    const Grid& model_;
    std::vector<int> natural_;
    int rowHeight_ = 0;
};

}  // namespace pellory::gui
