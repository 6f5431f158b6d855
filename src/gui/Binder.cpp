#include "gui/Binder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/Utf8.h"
#include "gui/Colors.h"
#include "gui/Readable.h"
#include "platform/ErrorReport.h"
#include "platform/RuntimeError.h"

namespace pellory::gui {

namespace {

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

// Puts the model's text into the box as one edit of the box's own, which Ctrl+Z takes back:
// only the part that differs is replaced.
void ShowText(QLineEdit* widget, const QString& text) {
    const QString old = widget->text();
    qsizetype head = 0;
    while (head < old.size() && head < text.size() && old[head] == text[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < text.size() - head &&
           old[old.size() - 1 - tail] == text[text.size() - 1 - tail]) {
        ++tail;
    }
    const auto replaced = static_cast<int>(old.size() - head - tail);
    if (replaced > 0) {
        widget->setSelection(static_cast<int>(head), replaced);
    } else {
        widget->setCursorPosition(static_cast<int>(head));
    }
    widget->insert(text.mid(head, text.size() - head - tail));
}

bool SameItems(const QComboBox* widget, const ComboBox& combo) {
    if (widget->count() != combo.ListCount()) {
        return false;
    }
    for (int i = 0; i < widget->count(); ++i) {
        if (widget->itemText(i).toStdString() != combo.Items()[static_cast<std::size_t>(i)].text) {
            return false;
        }
    }
    return true;
}

bool EnterOrEscape(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

}  // namespace

void ModelComboBox::showPopup() {
    if (beforePopup) {
        beforePopup();
    }
    QComboBox::showPopup();
}

void ModelComboBox::focusOutEvent(QFocusEvent* event) {
    leaving_ = true;
    QComboBox::focusOutEvent(event);
    leaving_ = false;
}

Binder::Binder(Window& model, std::function<void()> afterEvent)
    : model_(model), afterEvent_(std::move(afterEvent)) {}

void Binder::Run(const std::function<void()>& action) {
    ErrorReport::Engine(model_.platform(), {})(action);
    Refresh();
    if (afterEvent_) {
        afterEvent_();
    }
}

void Binder::Refresh() {
    refreshing_ = true;
    for (const auto& paint : painters_) {
        paint();
    }
    FollowModelFocus();
    refreshing_ = false;
}

void Binder::FollowModelFocus() {
    const Control* focused = model_.Focused();
    const auto it = focusWidgets_.find(focused);
    if (focused == nullptr || it == focusWidgets_.end()) {
        return;
    }
    QWidget* widget = it->second;
    if (!widget->isEnabled() || !widget->isVisibleTo(widget->window())) {
        return;
    }
    if (!widget->hasFocus()) {
        widget->setFocus(Qt::OtherFocusReason);
    }
    if (const Edit* edit = EditOf(focused)) {
        ShowSelection(*edit);
    }
}

const Binder::Edit* Binder::EditOf(const Control* control) const {
    for (const auto& [widget, edit] : edits_) {
        if (edit.box == control) {
            return &edit;
        }
    }
    return nullptr;
}

void Binder::Watch(QWidget* widget, Control& control) {
    controls_[widget] = &control;
    focusWidgets_.emplace(&control, widget);  // an editable list keeps the focus on the list
    widget->installEventFilter(this);
}

void Binder::Bind(QLabel* widget, Label& label) {
    labels_.emplace_back(widget, &label);
    painters_.push_back([this, widget, &label] {
        const auto keyed = keyedCaptions_.find(&label);
        widget->setText(keyed != keyedCaptions_.end() ? keyed->second : ToQ(label.caption));
        QPalette palette = widget->palette();
        const QColor text = LabelColor(label.foreColor, palette, palette.color(QPalette::Window));
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        widget->setPalette(palette);
        QFont font = widget->font();
        font.setBold(label.bold);
        widget->setFont(font);
        widget->setEnabled(label.enabled);
        widget->setVisible(label.visible);
    });
}

void Binder::Bind(QLineEdit* widget, EditControl& box, bool masked) {
    Watch(widget, box);
    edits_[widget] = Edit{widget, &box, masked};
    if (masked) {
        widget->setContextMenuPolicy(Qt::NoContextMenu);
    }
    auto* text = dynamic_cast<TextBox*>(&box);
    if (text != nullptr && text->rightAligned) {
        widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // Edits the box itself does (Delete, paste, cut) reach the model's text.
    QObject::connect(widget, &QLineEdit::textEdited, this,
                     [this, widget, &box](const QString& now) {
                         if (refreshing_) {
                             return;
                         }
                         std::string value = now.toStdString();
                         if (box.maxLength > 0 &&
                             utf8::Length(value) > static_cast<std::size_t>(box.maxLength)) {
                             value = utf8::Mid(value, 0, static_cast<std::size_t>(box.maxLength));
                         }
                         try {
                             if (auto* t = dynamic_cast<TextBox*>(&box)) {
                                 t->SetText(value);
                             } else if (auto* c = dynamic_cast<ComboBox*>(&box)) {
                                 c->SetText(value);
                             } else if (auto* m = dynamic_cast<MaskedEdit*>(&box)) {
                                 m->SetText(value);  // Ctrl+Z: an earlier text of the mask
                             }
                         } catch (const RuntimeError&) {
                             Refresh();  // a text the box cannot hold: it shows its own again
                             return;
                         }
                         TakeSelection(edits_.at(widget));
                         Refresh();
                     });
    // The caret and the selection the user moves (keys, mouse) are the model's.
    const auto follow = [this, widget] {
        const Edit& edit = edits_.at(widget);
        if (!refreshing_ && focusingClick_ != edit.box) {
            TakeSelection(edit);
        }
    };
    QObject::connect(widget, &QLineEdit::cursorPositionChanged, this, follow);
    QObject::connect(widget, &QLineEdit::selectionChanged, this, follow);
    painters_.push_back([this, widget, &box] {
        if (widget->text().toStdString() != box.Text()) {
            ShowText(widget, ToQ(box.Text()));
            ShowSelection(edits_.at(widget));
        }
        // White and enabled, or grey and disabled: as the style draws an enabled or a disabled
        // box in the palette in use.
        if (dynamic_cast<ComboBox*>(&box) == nullptr) {
            widget->setEnabled(box.enabled);
        }
    });
}

void Binder::Bind(ModelComboBox* widget, ComboBox& combo) {
    Watch(widget, combo);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->beforePopup = [this, &combo] { Run([&combo] { combo.DropDown(); }); };
    QObject::connect(widget, &QComboBox::activated, this, [this, widget, &combo](int index) {
        if (!refreshing_ && !widget->Leaving()) {
            Run([&combo, index] { combo.SetListIndex(index); });
        }
    });
    painters_.push_back([widget, &combo] {
        if (!SameItems(widget, combo)) {
            widget->clear();
            for (const ComboItem& item : combo.Items()) {
                widget->addItem(ToQ(item.text));
            }
        }
        if (widget->currentIndex() != combo.ListIndex()) {
            widget->setCurrentIndex(combo.ListIndex());
        }
        if (widget->isEditable() && widget->lineEdit()->text().toStdString() != combo.Text()) {
            widget->lineEdit()->setText(ToQ(combo.Text()));
        }
        if (combo.droppedWidth > 0) {
            widget->view()->setMinimumWidth(combo.droppedWidth);
        }
        widget->setEnabled(combo.enabled);
    });
    if (widget->isEditable()) {
        Bind(widget->lineEdit(), combo);
        // Keys reach the list box, which has the focus, before its editor.
        edits_[widget] = Edit{widget->lineEdit(), &combo, false};
    }
}

void Binder::Bind(QAbstractButton* widget, Button& button) {
    Watch(widget, button);
    buttons_.push_back(&button);
    if (auto* push = qobject_cast<QPushButton*>(widget)) {
        push->setAutoDefault(false);
    }
    QObject::connect(widget, &QAbstractButton::clicked, this,
                     [this, &button] { Run([&button] { button.Click(); }); });
    painters_.push_back([widget, &button] {
        widget->setText(ToQ(button.caption));
        widget->setEnabled(button.enabled);
    });
}

void Binder::Bind(QCheckBox* widget, CheckBox& check) {
    Watch(widget, check);
    QObject::connect(widget, &QCheckBox::clicked, this,
                     [this, &check](bool on) { Run([&check, on] { check.value = on ? 1 : 0; }); });
    painters_.push_back([widget, &check] {
        widget->setText(ToQ(check.caption));
        widget->setChecked(check.value == 1);
        widget->setEnabled(check.enabled);
    });
}

void Binder::Bind(QRadioButton* widget, OptionArray& options, int index) {
    // Exclusive, as radio buttons are to the keyboard (one Tab stop, arrows move and select)
    // and to a screen reader.
    Watch(widget, options[index]);
    QObject::connect(widget, &QRadioButton::clicked, this, [this, &options, index] {
        Run([&options, index] { options.SetValue(index, true); });
    });
    painters_.push_back([widget, &options, index] {
        const OptionButton& button = options[index];
        widget->setText(ToQ(button.caption));
        if (widget->isChecked() != button.value) {
            widget->setAutoExclusive(false);  // the model may leave none of them selected
            widget->setChecked(button.value);
            widget->setAutoExclusive(true);
        }
        widget->setEnabled(button.enabled);
    });
}

void Binder::Bind(QGroupBox* widget, Frame& frame) {
    painters_.push_back([widget, &frame] {
        widget->setTitle(ToQ(frame.caption));
        widget->setEnabled(frame.enabled);
    });
}

void Binder::BindFocus(QWidget* widget, Control& control) {
    Watch(widget, control);
}

void Binder::TieLabels() {
    QString used;
    for (const Button* button : buttons_) {
        WithAccessKey(ToQ(button->caption), used);
    }
    for (const auto& [widget, label] : labels_) {
        const auto field = focusWidgets_.find(label->buddy);
        if (field == focusWidgets_.end()) {
            continue;
        }
        widget->setBuddy(field->second);
        keyedCaptions_[label] = WithAccessKey(ToQ(label->caption), used);
        field->second->setAccessibleName(ToQ(label->caption).trimmed());
    }
    Refresh();
}

void Binder::ShowSelection(const Edit& edit) {
    const int start = edit.box->selStart;
    const int length = edit.box->selLength;
    QLineEdit* widget = edit.widget;
    if (length > 0) {
        if (widget->selectionStart() != start || widget->selectionLength() != length) {
            widget->setSelection(start, length);
        }
    } else if (widget->hasSelectedText() || widget->cursorPosition() != start) {
        widget->setCursorPosition(start);
    }
}

void Binder::TakeSelection(const Edit& edit) {
    if (edit.widget->hasSelectedText()) {
        edit.box->selStart = edit.widget->selectionStart();
        edit.box->selLength = edit.widget->selectionLength();
    } else {
        edit.box->selStart = edit.widget->cursorPosition();
        edit.box->selLength = 0;
    }
}

void Binder::FocusIn(QWidget* widget, const QFocusEvent& event) {
    const auto it = controls_.find(widget);
    if (refreshing_ || it == controls_.end()) {
        return;
    }
    // The toolkit giving the focus back to a window, or to a list after its pop-up, is no
    // choice of the user's; the window's first focus is where the model starts.
    const Qt::FocusReason reason = event.reason();
    if ((reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) &&
        model_.Focused() != nullptr) {
        return;
    }
    Control* control = it->second;
    if (reason == Qt::MouseFocusReason) {
        focusingClick_ = dynamic_cast<EditControl*>(control);
    }
    Run([this, control] { model_.UserFocus(*control); });
}

void Binder::FocusOut() {
    // The user moves the focus from one control of the window to another. Qt tells the widget
    // that loses it first, and that widget's own code may run model handlers (an editable list
    // matching its text), so the model learns of the move now: from here on the model and the
    // toolkit agree about where the focus is.
    const auto it = controls_.find(QApplication::focusWidget());
    if (refreshing_ || it == controls_.end()) {
        return;
    }
    Control* control = it->second;
    Run([this, control] { model_.UserFocus(*control); });
}

bool Binder::MouseEvent(QWidget* widget, QEvent* event) {
    keyboardInput_ = false;
    const auto edit = edits_.find(widget);
    if (event->type() != QEvent::MouseButtonRelease || edit == edits_.end() ||
        focusingClick_ != edit->second.box) {
        return false;
    }
    // The press that gave the box the focus also put the caret down; the box keeps the text it
    // selected on getting the focus unless the user dragged a selection of their own.
    focusingClick_ = nullptr;
    if (edit->second.widget->hasSelectedText()) {
        TakeSelection(edit->second);
    } else {
        ShowSelection(edit->second);
    }
    return false;
}

bool Binder::HandleKeyPress(const Edit& edit, QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Run([this] { model_.PressKey(kKeyEnter); });
        return true;
    }
    if (key == Qt::Key_Escape) {
        Run([this] { model_.PressKey(kKeyEscape); });
        return true;
    }
    const QString text = event->text();
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const bool typed =
        key == Qt::Key_Backspace || (!command && !text.isEmpty() && text.at(0).unicode() >= 0x20);
    if (typed) {
        TakeSelection(edit);
        const std::string character = key == Qt::Key_Backspace ? std::string() : text.toStdString();
        const int ascii =
            key == Qt::Key_Backspace ? kKeyBackspace : static_cast<int>(utf8::CodePoint(character));
        Run([this, key, ascii, character] {
            model_.KeyDown(key);
            model_.KeyPress(ascii, character);
        });
        return true;
    }
    Run([this, key] { model_.KeyDown(key); });
    if (event->matches(QKeySequence::Paste)) {
        // Pasted text is typed into the box, through its filters.
        const std::string pasted = QGuiApplication::clipboard()->text().toStdString();
        Run([this, &pasted] { model_.Paste(pasted); });
        return true;
    }
    if (edit.masked && (key == Qt::Key_Delete || event->matches(QKeySequence::Cut))) {
        return true;  // the month/year boxes change only through their mask
    }
    return false;
}

bool Binder::KeyRelease(const Edit& edit, const QKeyEvent& event) {
    // A key counts here only when it went down in this box (a Tab released in the next box is
    // not a keystroke there); Enter and Esc belong to the buttons.
    const int key = event.key();
    if (event.isAutoRepeat() || pressedIn_ != edit.box || EnterOrEscape(key)) {
        return false;
    }
    pressedIn_ = nullptr;
    Run([this, key] { model_.KeyUp(key); });
    return false;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    const auto edit = edits_.find(widget);
    switch (event->type()) {
        case QEvent::FocusIn:
            FocusIn(widget, *static_cast<QFocusEvent*>(event));
            return false;
        case QEvent::FocusOut:
            FocusOut();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return MouseEvent(widget, event);
        case QEvent::Shortcut:
            keyboardInput_ = true;
            return false;
        case QEvent::KeyPress:
            keyboardInput_ = true;
            focusingClick_ = nullptr;
            if (edit == edits_.end()) {
                return false;
            }
            pressedIn_ = edit->second.box;
            return HandleKeyPress(edit->second, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return edit != edits_.end() &&
                   KeyRelease(edit->second, *static_cast<QKeyEvent*>(event));
        default:
            return false;
    }
}

}  // namespace pellory::gui
