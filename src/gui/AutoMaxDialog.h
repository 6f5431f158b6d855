#pragma once

#include <QDialog>
#include <map>

#include "autolimits/FrmAutoMax.h"
#include "gui/Binder.h"

namespace pellory::gui {

// The auto limits editor on screen: the five boxes with their labels, the six buttons and the
// status line, in a modal dialog of fixed size that fits them.
class AutoMaxDialog : public QDialog {
  public:
    AutoMaxDialog(FrmAutoMax& model, QWidget* parent);

    void Refresh();
    QWidget* WidgetFor(const Control& control) const;

    // Loads the model and runs the dialog until the editor closes.
    static void Run(FrmAutoMax& model, QWidget* parent);

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* Create(const Placement& place);
    void CloseIfDone();

    FrmAutoMax& model_;
    Binder binder_;
    std::map<const Control*, QWidget*> widgets_;
};

}  // namespace pellory::gui
