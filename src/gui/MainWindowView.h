#pragma once

#include <QWidget>
#include <memory>

#include "app/FrmViewDepr.h"
#include "gui/Binder.h"

class QLabel;
class QTableWidget;

namespace pellory::gui {

// The main window on screen: the asset-type strip, the input panel, the button column, the
// exchange frame, the schedule grid and the status line, all painted from the window model.
class MainWindowView : public QWidget {
  public:
    explicit MainWindowView(FrmViewDepr& model, QWidget* parent = nullptr);

    // Repaints every widget from the model.
    void Refresh();
    // Centres the window on its screen.
    void Centre();

    QTableWidget* grid() const { return grid_; }
    QLabel* status() const { return status_; }
    // The widget that shows a control of the model, for tests and benchmarks.
    QWidget* WidgetFor(const Control& control) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildGrid();
    void PaintGrid();
    void PopUp(const Menu& menu);
    void FitDropDown(ComboBox& combo);

    FrmViewDepr& model_;
    Binder binder_;
    QTableWidget* grid_ = nullptr;
    QLabel* status_ = nullptr;
    ModelComboBox* classList_ = nullptr;
    std::map<const Control*, QWidget*> widgets_;
};

}  // namespace pellory::gui
