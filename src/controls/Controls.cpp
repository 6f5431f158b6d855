#include "controls/Controls.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "controls/Typing.h"
#include "controls/Utf8.h"
#include "platform/RuntimeError.h"

namespace pellory {

bool Control::Usable() const {
    for (const Control* c = this; c != nullptr; c = c->container) {
        if (!c->enabled) {
            return false;
        }
    }
    return true;
}

void EditControl::SelectAll() {
    selStart = 0;
    selLength = static_cast<int>(utf8::Length(Text()));
}

bool EditControl::EditPlain(std::string& text, int keyAscii, const std::string& character) {
    EditText box{std::move(text), selStart, selLength};
    const bool typed = TypePlain(box, maxLength, keyAscii, character);
    text = std::move(box.text);
    selStart = box.selStart;
    selLength = box.selLength;
    return typed;
}

void TextBox::SetText(std::string text) {
    text_ = std::move(text);
    selStart = 0;
    selLength = 0;
}

bool TextBox::Insert(int keyAscii, const std::string& character) {
    return EditPlain(text_, keyAscii, character);
}

MaskedEdit::MaskedEdit(std::string name) : EditControl(std::move(name)), text_(EmptyText()) {}

std::string MaskedEdit::EmptyText() const {
    std::string empty = mask_;
    std::replace(empty.begin(), empty.end(), '#', prompt_);
    return empty;
}

void MaskedEdit::SetText(const std::string& text) {
    if (text.size() != mask_.size()) {
        Raise(err::kInvalidProperty);
    }
    for (std::size_t i = 0; i < mask_.size(); ++i) {
        const bool slot = mask_[i] == '#';
        const bool fits =
            slot ? (std::isdigit(static_cast<unsigned char>(text[i])) != 0 || text[i] == prompt_)
                 : text[i] == mask_[i];
        if (!fits) {
            Raise(err::kInvalidProperty);
        }
    }
    text_ = text;
    selStart = 0;
    selLength = 0;
}

bool MaskedEdit::Insert(int keyAscii, const std::string& character) {
    EditText box{std::move(text_), selStart, selLength};
    const bool typed = TypeMasked(box, mask_, prompt_, keyAscii, character);
    text_ = std::move(box.text);
    selStart = box.selStart;
    selLength = box.selLength;
    return typed;
}

void ComboBox::SetText(std::string text) {
    if (style_ == ComboStyle::DropDownList) {
        const int index = IndexOf(text);
        if (index < 0 && !text.empty()) {
            Raise(err::kInvalidProperty);
        }
        SetListIndex(index);
        return;
    }
    text_ = std::move(text);
    selStart = 0;
    selLength = 0;
}

bool ComboBox::Insert(int keyAscii, const std::string& character) {
    if (style_ == ComboStyle::DropDownList) {
        return false;
    }
    return EditPlain(text_, keyAscii, character);
}

void ComboBox::AddItem(std::string text) {
    items_.push_back({std::move(text), 0});
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    selStart = 0;
    selLength = 0;
}

int ComboBox::IndexOf(const std::string& text) const {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [&](const ComboItem& item) { return item.text == text; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int ComboBox::ItemData(int index) const {
    if (index < 0 || index >= ListCount()) {
        Raise(err::kInvalidPropertyIndex);
    }
    return items_[static_cast<std::size_t>(index)].itemData;
}

void ComboBox::SetItemData(int index, int value) {
    if (index < 0 || index >= ListCount()) {
        Raise(err::kInvalidPropertyIndex);
    }
    items_[static_cast<std::size_t>(index)].itemData = value;
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) {
        Raise(err::kInvalidProperty);
    }
    listIndex_ = index;
    text_ = index < 0 ? std::string() : items_[static_cast<std::size_t>(index)].text;
    selStart = 0;
    selLength = 0;
    if (onClick) {
        onClick();
    }
}

OptionArray::OptionArray(const std::string& name, const std::vector<std::string>& captions) {
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto button = std::make_unique<OptionButton>(name + "(" + std::to_string(i) + ")");
        button->caption = captions[i];
        buttons_.push_back(std::move(button));
    }
}

void OptionArray::SetValue(int index, bool value) {
    OptionButton& button = (*this)[index];
    if (!value) {
        button.value = false;
        return;
    }
    for (auto& other : buttons_) {
        other->value = false;
    }
    button.value = true;
    if (onClick) {
        onClick(index);
    }
}

int OptionArray::Selected() const {
    for (int i = 0; i < Count(); ++i) {
        if ((*this)[i].value) {
            return i;
        }
    }
    return -1;
}

}  // namespace pellory
