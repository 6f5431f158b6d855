#include "gui/Binder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "controls/Utf8.h"
#include "gui/Colors.h"
#include "platform/RuntimeError.h"

namespace pellory::gui {

namespace {

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

void PaintBase(QWidget* widget, Color color) {
    QPalette palette = widget->palette();
    const QColor base = ToQColor(color, palette);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, base);
    }
    widget->setPalette(palette);
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

}  // namespace

void ModelComboBox::showPopup() {
    if (beforePopup) {
        beforePopup();
    }
    QComboBox::showPopup();
}

Binder::Binder(Window& model, std::function<void()> afterEvent)
    : model_(model), afterEvent_(std::move(afterEvent)) {}

void Binder::Run(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        model_.platform().Notify(EngineErrorText(error));
    }
    if (afterEvent_) {
        afterEvent_();
    }
    Refresh();
}

void Binder::Refresh() {
    refreshing_ = true;
    for (const auto& paint : painters_) {
        paint();
    }
    for (const auto& [widget, control] : controls_) {
        const bool comboEditor = qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr &&
                                 qobject_cast<QLineEdit*>(widget) != nullptr;
        if (control == model_.Focused() && !comboEditor && !widget->hasFocus() &&
            widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            if (const auto edit = edits_.find(widget); edit != edits_.end()) {
                ShowSelection(edit->second);
            }
        }
    }
    refreshing_ = false;
}

void Binder::Bind(QLabel* widget, Label& label) {
    painters_.push_back([widget, &label] {
        widget->setText(ToQ(label.caption));
        QPalette palette = widget->palette();
        const QColor text = ToQColor(label.foreColor, QPalette());
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
    controls_[widget] = &box;
    edits_[widget] = Edit{widget, &box, masked};
    widget->installEventFilter(this);
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
                         if (auto* t = dynamic_cast<TextBox*>(&box)) {
                             t->SetText(value);
                         } else if (auto* c = dynamic_cast<ComboBox*>(&box)) {
                             c->SetText(value);
                         }
                         TakeSelection(edits_.at(widget));
                         Refresh();
                     });
    painters_.push_back([this, widget, &box] {
        if (widget->text().toStdString() != box.Text()) {
            widget->setText(ToQ(box.Text()));
            ShowSelection(edits_.at(widget));
        }
        if (dynamic_cast<ComboBox*>(&box) == nullptr) {
            widget->setEnabled(box.enabled);
            PaintBase(widget, box.backColor);
        }
    });
}

void Binder::Bind(ModelComboBox* widget, ComboBox& combo) {
    controls_[widget] = &combo;
    widget->installEventFilter(this);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->beforePopup = [this, &combo] { Run([&combo] { combo.DropDown(); }); };
    QObject::connect(widget, &QComboBox::activated, this, [this, &combo](int index) {
        if (!refreshing_) {
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
        PaintBase(widget, combo.backColor);
    });
    if (widget->isEditable()) {
        Bind(widget->lineEdit(), combo);
        // Keys may reach the list box before its editor; both lead to the same text.
        edits_[widget] = Edit{widget->lineEdit(), &combo, false};
    }
}

void Binder::Bind(QAbstractButton* widget, Button& button) {
    controls_[widget] = &button;
    widget->installEventFilter(this);
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
    controls_[widget] = &check;
    widget->installEventFilter(this);
    QObject::connect(widget, &QCheckBox::clicked, this,
                     [this, &check](bool on) { Run([&check, on] { check.value = on ? 1 : 0; }); });
    painters_.push_back([widget, &check] {
        widget->setText(ToQ(check.caption));
        widget->setChecked(check.value == 1);
        widget->setEnabled(check.enabled);
    });
}

void Binder::Bind(QRadioButton* widget, OptionArray& options, int index) {
    controls_[widget] = &options[index];
    widget->installEventFilter(this);
    widget->setAutoExclusive(false);
    QObject::connect(widget, &QRadioButton::clicked, this, [this, &options, index] {
        Run([&options, index] { options.SetValue(index, true); });
    });
    painters_.push_back([widget, &options, index] {
        const OptionButton& button = options[index];
        widget->setText(ToQ(button.caption));
        widget->setChecked(button.value);
        widget->setEnabled(button.enabled);
    });
}

void Binder::Bind(QGroupBox* widget, Frame& frame) {
    painters_.push_back([widget, &frame] {
        widget->setTitle(ToQ(frame.caption));
        widget->setEnabled(frame.enabled);
    });
}

void Binder::ShowSelection(const Edit& edit) {
    const int start = edit.box->selStart;
    if (edit.box->selLength > 0) {
        edit.widget->setSelection(start, edit.box->selLength);
    } else {
        edit.widget->setCursorPosition(start);
    }
}

void Binder::TakeSelection(const Edit& edit) {
    if (edit.widget->hasSelectedText()) {
        edit.box->selStart = edit.widget->selectionStart();
        edit.box->selLength = static_cast<int>(edit.widget->selectedText().size());
    } else {
        edit.box->selStart = edit.widget->cursorPosition();
        edit.box->selLength = 0;
    }
}

bool Binder::HandleKeyPress(Edit& edit, QKeyEvent* event) {
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
        if (model_.Focused() == edit.box) {
            ShowSelection(edit);
        }
        return true;
    }
    Run([this, key] { model_.KeyDown(key); });
    if (edit.masked && (key == Qt::Key_Delete || event->matches(QKeySequence::Paste) ||
                        event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Undo) ||
                        event->matches(QKeySequence::Redo))) {
        return true;  // the month/year boxes change only through their mask
    }
    return false;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    if (event->type() == QEvent::FocusIn && !refreshing_) {
        QWidget* key = widget;
        if (auto* line = qobject_cast<QLineEdit*>(widget); line != nullptr) {
            if (auto* combo = qobject_cast<QComboBox*>(line->parentWidget())) {
                key = combo;
            }
        }
        if (const auto it = controls_.find(key); it != controls_.end()) {
            Control* control = it->second;
            Run([this, control] { model_.UserFocus(*control); });
            if (const auto edit = edits_.find(widget); edit != edits_.end()) {
                ShowSelection(edit->second);
            }
        }
        return false;
    }
    const auto edit = edits_.find(widget);
    if (edit == edits_.end()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        pressedIn_ = edit->second.box;
        return HandleKeyPress(edit->second, keyEvent);
    }
    if (event->type() == QEvent::KeyRelease) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        // A key counts here only when it went down in this box (a Tab released in the next box
        // is not a keystroke there); Enter and Esc belong to the buttons.
        if (keyEvent->isAutoRepeat() || pressedIn_ != edit->second.box || key == Qt::Key_Return ||
            key == Qt::Key_Enter || key == Qt::Key_Escape) {
            return false;
        }
        pressedIn_ = nullptr;
        Run([this, key] { model_.KeyUp(key); });
        return false;
    }
    return false;
}

}  // namespace pellory::gui
