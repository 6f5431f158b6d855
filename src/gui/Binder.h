#pragma once

#include <QComboBox>
#include <QObject>
#include <functional>
#include <map>

#include "controls/Controls.h"
#include "controls/Window.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace pellory::gui {

// A list box that tells its model when the user opens the list.
class ModelComboBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;
    void showPopup() override;
};

// Binds the widgets of one window to the controls of its model, both ways: the user's focus
// changes, keys, clicks and picks go to the model's handlers; after each of them every widget
// is repainted from its control.
class Binder : public QObject {
  public:
    Binder(Window& model, std::function<void()> afterEvent);

    void Bind(QLabel* widget, Label& label);
    void Bind(QLineEdit* widget, EditControl& box, bool masked = false);
    void Bind(ModelComboBox* widget, ComboBox& combo);
    void Bind(QAbstractButton* widget, Button& button);
    void Bind(QCheckBox* widget, CheckBox& check);
    void Bind(QRadioButton* widget, OptionArray& options, int index);
    void Bind(QGroupBox* widget, Frame& frame);

    // Repaints every bound widget from its control and moves the keyboard focus where the
    // model has it.
    void Refresh();
    // Runs a model action from a widget event, then repaints.
    void Run(const std::function<void()>& action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Edit {
        QLineEdit* widget;
        EditControl* box;
        bool masked;
    };
    bool HandleKeyPress(Edit& edit, class QKeyEvent* event);
    void ShowSelection(const Edit& edit);
    void TakeSelection(const Edit& edit);

    Window& model_;
    std::function<void()> afterEvent_;
    bool refreshing_ = false;
    EditControl* pressedIn_ = nullptr;
    std::map<QWidget*, Control*> controls_;
    std::map<QWidget*, Edit> edits_;
    std::vector<std::function<void()>> painters_;
};

}  // namespace pellory::gui
