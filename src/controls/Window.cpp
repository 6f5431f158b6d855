#include "controls/Window.h"

#include "controls/Utf8.h"
#include "platform/RuntimeError.h"

namespace pellory {

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
    if (auto* box = dynamic_cast<EditControl*>(focused_); box != nullptr && box->onKeyDown) {
        box->onKeyDown(keyCode);
    }
}

void Window::KeyPress(int keyAscii, const std::string& character) {
    auto* box = dynamic_cast<EditControl*>(focused_);
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
    if (auto* box = dynamic_cast<EditControl*>(focused_); box != nullptr && box->onKeyUp) {
        box->onKeyUp(keyCode);
    }
}

void Window::Type(EditControl& box, std::string_view text) {
    UserFocus(box);
    if (focused_ != &box) {
        return;
    }
    for (const auto& character : utf8::Characters(text)) {
        const auto code = utf8::CodePoint(character);
        PressKey(static_cast<int>(code), character);
    }
}

void Window::SetSelected() {
    if (auto* box = dynamic_cast<EditControl*>(focused_)) {
        box->SelectAll();
    }
}

}  // namespace pellory
