#pragma once

#include <QComboBox>
#include <QObject>
#include <functional>
#include <map>

#include "controls/Controls.h"
#include "controls/Window.h"

class QAbstractButton;
class QCheckBox;
class QFocusEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace pellory::gui {

// A list box that tells its model when the user opens the list, and knows when it is losing
// the focus: an editable list then matches its typed text against the items on its own, which
// is no pick of the user's.
class ModelComboBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;
    void showPopup() override;
    bool Leaving() const { return leaving_; }

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool leaving_ = false;
};

// Binds the widgets of one window to the controls of its model, both ways. The user's focus
// changes, keys, clicks and picks go to the model's handlers; after each of them every widget
// is repainted from its control. The rule that holds after every event: the widget with the
// keyboard focus is the one of the model's focused control (the one the user chose unless a
// handler moved the focus), and every box shows the model's text and selection.
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
    // A widget that only takes the focus, such as the schedule grid.
    void BindFocus(QWidget* widget, Control& control);
    // Once every widget is bound: each label with a field is its buddy, with an access key no
    // button or other label of the window has, and names the field to a screen reader.
    void TieLabels();

    // Repaints every bound widget from its control, puts the keyboard focus where the model has
    // it and shows the focused box's selection.
    void Refresh();
    // Runs a model action from a widget event, then repaints.
    void Run(const std::function<void()>& action);
    // True when the user's last input in the window came from the keyboard, not the mouse.
    bool KeyboardInput() const { return keyboardInput_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Edit {
        QLineEdit* widget;
        EditControl* box;
        bool masked;
    };
    void Watch(QWidget* widget, Control& control);
    void FocusIn(QWidget* widget, const QFocusEvent& event);
    void FocusOut();
    bool MouseEvent(QWidget* widget, QEvent* event);
    bool KeyRelease(const Edit& edit, const QKeyEvent& event);
    bool HandleKeyPress(const Edit& edit, QKeyEvent* event);
    void FollowModelFocus();
    const Edit* EditOf(const Control* control) const;
    void ShowSelection(const Edit& edit);
    void TakeSelection(const Edit& edit);

    Window& model_;
    std::function<void()> afterEvent_;
    bool refreshing_ = false;
    bool keyboardInput_ = false;
    EditControl* pressedIn_ = nullptr;
    // The box a mouse press has just given the focus: until the button comes up, the caret the
    // press put down does not replace the text the box selected on getting the focus.
    EditControl* focusingClick_ = nullptr;
    std::map<QWidget*, Control*> controls_;
    std::map<const Control*, QWidget*> focusWidgets_;
    std::map<QWidget*, Edit> edits_;
    std::vector<std::function<void()>> painters_;
    std::vector<std::pair<QLabel*, Label*>> labels_;
    std::vector<const Button*> buttons_;
    std::map<const Label*, QString> keyedCaptions_;
};

}  // namespace pellory::gui
