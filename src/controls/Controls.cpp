#include "controls/Controls.h"

#include <algorithm>
#include <cctype>
#include <utility>

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
    const auto length = static_cast<int>(utf8::Length(text));
    selStart = std::clamp(selStart, 0, length);
    selLength = std::clamp(selLength, 0, length - selStart);
    const auto start = static_cast<std::size_t>(selStart);
    const auto count = static_cast<std::size_t>(selLength);
    if (keyAscii == kKeyBackspace) {
        if (count > 0) {
            text = utf8::Mid(text, 0, start) + utf8::Mid(text, start + count);
        } else if (start > 0) {
            text = utf8::Mid(text, 0, start - 1) + utf8::Mid(text, start);
            --selStart;
        }
        selLength = 0;
        return true;
    }
    if (keyAscii < 32) {
        return false;  // other control keys put nothing in a one-line box
    }
    if (maxLength > 0 && length - selLength + 1 > maxLength) {
        return false;
    }
    text = utf8::Mid(text, 0, start) + character + utf8::Mid(text, start + count);
    selStart += 1;
    selLength = 0;
    return true;
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
    const auto size = static_cast<int>(mask_.size());
    selStart = std::clamp(selStart, 0, size);
    selLength = std::clamp(selLength, 0, size - selStart);
    const auto isSlot = [&](int i) { return mask_[static_cast<std::size_t>(i)] == '#'; };
    if (keyAscii == kKeyBackspace) {
        int from = selStart;
        int to = selStart + selLength;
        if (selLength == 0) {
            from = selStart - 1;
            while (from >= 0 && !isSlot(from)) {
                --from;
            }
            if (from < 0) {
                return true;
            }
            to = from + 1;
        }
        for (int i = from; i < to; ++i) {
            if (isSlot(i)) {
                text_[static_cast<std::size_t>(i)] = prompt_;
            }
        }
        selStart = from;
        selLength = 0;
        return true;
    }
    if (keyAscii < 32 || character.size() != 1) {
        return false;
    }
    const char c = character[0];
    // Typing over a selection first blanks it.
    for (int i = selStart; i < selStart + selLength; ++i) {
        if (isSlot(i)) {
            text_[static_cast<std::size_t>(i)] = prompt_;
        }
    }
    selLength = 0;
    int pos = selStart;
    if (StepOverLiteral(pos, c)) {
        return true;
    }
    if (pos > 0 && !isSlot(pos - 1) && c == mask_[static_cast<std::size_t>(pos - 1)]) {
        return true;  // the caret already stepped over that literal
    }
    while (pos < size && !isSlot(pos)) {
        ++pos;
    }
    if (pos >= size || std::isdigit(static_cast<unsigned char>(c)) == 0) {
        return false;
    }
    text_[static_cast<std::size_t>(pos)] = c;
    ++pos;
    while (pos < size && !isSlot(pos)) {
        ++pos;
    }
    selStart = pos;
    return true;
}

bool MaskedEdit::StepOverLiteral(int pos, char c) {
    // "3/" in a month: the digits typed so far go to the right of their part, led by zeros, and
    // the caret steps over the literal, as "03/".
    const auto at = static_cast<std::size_t>(pos);
    if (at < mask_.size() && mask_[at] != '#' && c == mask_[at]) {
        selStart = pos + 1;  // typing the literal steps over it
        return true;
    }
    const std::size_t literal = mask_.find_first_not_of('#', at);
    if (literal == std::string::npos || mask_[literal] != c) {
        return false;
    }
    const std::size_t before = mask_.find_last_not_of('#', literal - 1);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    const std::size_t typed = at - start;
    const std::string digits = text_.substr(start, typed);
    if (typed == 0 || digits.find(prompt_) != std::string::npos ||
        text_.find_first_not_of(prompt_, at) < literal) {
        return false;
    }
    text_.replace(start, literal - start, std::string(literal - start - typed, '0') + digits);
    selStart = static_cast<int>(literal) + 1;
    return true;
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
