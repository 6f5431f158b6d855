#pragma once

#include <QWidget>
#include <memory>

#include "app/FrmViewDepr.h"
#include "gui/Binder.h"
#include "gui/DesktopServices.h"
#include "gui/ScheduleTable.h"

class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;

namespace pellory::gui {

// The main window on screen: the asset-type strip, the input panel, the button column, the
// exchange frame, the schedule grid and the status line, all painted from the window model. The
// model's services are the desktop's while the view lives.
class MainWindowView : public QWidget {
  public:
    explicit MainWindowView(FrmViewDepr& model, QWidget* parent = nullptr);
    ~MainWindowView() override;
    MainWindowView(const MainWindowView&) = delete;
    MainWindowView& operator=(const MainWindowView&) = delete;

    // Repaints every widget from the model.
    void Refresh();
    // Centres the window on its screen.
    void Centre();

    ScheduleTable* grid() const { return grid_; }
    QLabel* status() const { return status_; }
    // The widget that shows a control of the model, for tests and benchmarks.
    QWidget* WidgetFor(const Control& control) const;

    // A menu of the Tools or Help button: below it when the keyboard opened it, else at the
    // mouse.
    void PopUp(const Menu& menu);
    // The class list's drop-down part as wide as its longest label in the window's font.
    void FitDropDown(ComboBox& combo);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* AddLabel(Label& control);
    QLineEdit* AddEdit(EditControl& control, bool masked = false);
    ModelComboBox* AddCombo(ComboBox& control);
    QRadioButton* AddRadio(OptionArray& options, int index);
    QWidget* BuildAssetTypes();
    QWidget* BuildInputPanel();
    QLayout* BuildButtons();
    QWidget* BuildExchange();
    QWidget* BuildGrid();
    // Tab order as the window model lists it.
    void FollowTabOrder();
    void PaintGrid();
    // F1 at the focused control's topic, Ctrl+P for Print, Ctrl+Q to quit.
    void AddShortcuts();
    // Tells a screen reader of news in the status line.
    void AnnounceStatus();
    void WidenForGrid();

    FrmViewDepr& model_;
    Binder binder_;
    ScheduleTable* grid_ = nullptr;
    QLabel* status_ = nullptr;
    ModelComboBox* classList_ = nullptr;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const Menu*, QWidget*> menuButtons_;
    std::unique_ptr<DesktopServices> services_;
};

}  // namespace pellory::gui
