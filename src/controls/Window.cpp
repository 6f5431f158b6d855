#include "controls/Window.h"

#include "controls/Utf8.h"
#include "platform/RuntimeError.h"

namespace pellory {

namespace {

EditControl* AsEdit(Control* control) {
    return control != nullptr ? control->AsEdit() : nullptr;
}

}  // namespace

void Window::SetFocus(Control& control) {
    if (!control.Usable() || !control.visible) {
        Raise(err::kInvalidCall);
    }
    if (focused_ == &control) {
        return;
    }
    Control* previous = focused_;
    focused_ = &control;
    if (previous != nullptr && previous->onLostFocus) {
        previous->onLostFocus();
    }
    if (control.onGotFocus) {
        control.onGotFocus();
    }
}

void Window::UserFocus(Control& control) {
    if (control.Usable() && control.visible) {
        SetFocus(control);
    }
}

void Window::PressKey(int keyAscii, const std::string& character) {
    // A focused button takes Enter itself, as on every desktop.
    if (auto* button = dynamic_cast<Button*>(focused_);
        keyAscii == kKeyEnter && button != nullptr) {
        button->Click();
        return;
    }
    if (keyAscii == kKeyEnter && defaultButton_ != nullptr && defaultButton_->Usable()) {
        defaultButton_->Click();
        return;
    }
    if (keyAscii == kKeyEscape && cancelButton_ != nullptr && cancelButton_->Usable()) {
        cancelButton_->Click();
        return;
    }
    KeyDown(keyAscii);
    KeyPress(keyAscii, character);
    KeyUp(keyAscii);
}

void Window::KeyDown(int keyCode) {
    if (auto* box = AsEdit(focused_); box != nullptr && box->onKeyDown) {
        box->onKeyDown(keyCode);
    }
}

void Window::KeyPress(int keyAscii, const std::string& character) {
    auto* box = AsEdit(focused_);
    if (box == nullptr) {
        return;
    }
    int key = keyAscii;
    if (box->onKeyPress) {
        box->onKeyPress(key);
    }
    if (key != 0) {
        const std::string typed = key == keyAscii && !character.empty()
                                      ? character
                                      : std::string(1, static_cast<char>(key));
        if (!box->Insert(key, typed) && key >= 32) {
            platform_.Beep();
        }
    }
}

void Window::KeyUp(int keyCode) {
    if (auto* box = AsEdit(focused_); box != nullptr && box->onKeyUp) {
        box->onKeyUp(keyCode);
    }
}

void Window::Type(EditControl& box, std::string_view text) {
    UserFocus(box);
    if (focused_ != &box) {
        return;
    }
    bool valid = true;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view bytes = utf8::NextCharacter(text, pos, valid);
        // Bytes that do not form a character type the replacement character, never a control key.
        const std::string character(valid ? bytes : utf8::kReplacement);
        PressKey(static_cast<int>(utf8::CodePoint(character)), character);
        pos += bytes.size();
    }
}

void Window::Paste(const std::string& text) {
    auto* box = AsEdit(focused_);
    if (box == nullptr) {
        return;
    }
    const std::string pasted = box->onPaste ? box->onPaste(text) : text;
    bool valid = true;
    for (std::size_t pos = 0; pos < pasted.size();) {
        const std::string_view bytes = utf8::NextCharacter(pasted, pos, valid);
        const std::string character(valid ? bytes : utf8::kReplacement);
        const auto code = static_cast<int>(utf8::CodePoint(character));
        if (code >= 32) {  // a pasted line break or tab is no key of the box's
            KeyPress(code, character);
        }
        pos += bytes.size();
    }
}

void Window::SetSelected() {
    if (auto* box = AsEdit(focused_)) {
        box->SelectAll();
    }
}

}  // namespace pellory
