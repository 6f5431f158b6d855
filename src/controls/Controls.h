#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Colors.h"

namespace pellory {

using Handler = std::function<void()>;
// A typed character on its way into a box; setting it to 0 discards it.
using KeyPressHandler = std::function<void(int& keyAscii)>;
using KeyHandler = std::function<void(int keyCode)>;

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

class EditControl;

// What every control of a window has: a name, an enabled state and the frame it sits in.
class Control {
  public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    // Enabled itself and inside frames that are all enabled: only such a control takes input.
    bool Usable() const;
    // The control as a box that takes typed text; null for any other control. Asked at every
    // key, so quicker than a dynamic_cast.
    virtual EditControl* AsEdit() { return nullptr; }

    bool enabled = true;
    bool visible = true;
    Control* container = nullptr;
    int tabIndex = -1;
    Handler onGotFocus;
    Handler onLostFocus;

  private:
    std::string name_;
};

class Label : public Control {
  public:
    using Control::Control;
    std::string caption;
    Color foreColor = kWindowText;
    Color backColor = kWhite;
    bool bold = false;
    // The field the label names: the label gives it its name and an access key for Alt.
    Control* buddy = nullptr;
};

class Frame : public Control {
  public:
    using Control::Control;
    std::string caption;
};

class Button : public Control {
  public:
    using Control::Control;
    void Click() const {
        if (onClick) {
            onClick();
        }
    }
    std::string caption;
    Handler onClick;
};

class CheckBox : public Control {
  public:
    using Control::Control;
    std::string caption;
    int value = 0;  // 0 unticked, 1 ticked
};

// A control that takes typed text: a text box, the editable part of a combo box or a masked box.
class EditControl : public Control {
  public:
    using Control::Control;

    virtual const std::string& Text() const = 0;
    // Puts one accepted character into the text at the caret; false when it cannot go in.
    virtual bool Insert(int keyAscii, const std::string& character) = 0;
    // Selects the whole text.
    void SelectAll();
    EditControl* AsEdit() override { return this; }

    int selStart = 0;
    int selLength = 0;
    int maxLength = 0;  // 0: no limit
    Color backColor = kWhite;
    KeyPressHandler onKeyPress;
    KeyHandler onKeyDown;
    KeyHandler onKeyUp;
    // What the box makes of pasted text before it is typed in; none takes it as it is.
    std::function<std::string(const std::string&)> onPaste;

  protected:
    // Replaces the selection with `character` (or deletes for Backspace) in `text`.
    bool EditPlain(std::string& text, int keyAscii, const std::string& character);
};

class TextBox : public EditControl {
  public:
    using EditControl::EditControl;
    const std::string& Text() const override { return text_; }
    // Text set from code: not limited by maxLength; the caret goes to the start.
    void SetText(std::string text);
    bool Insert(int keyAscii, const std::string& character) override;
    bool rightAligned = false;

  private:
    std::string text_;
};

// A month/year box with the mask "##/####" and the prompt "_".
class MaskedEdit : public EditControl {
  public:
    explicit MaskedEdit(std::string name);
    const std::string& Text() const override { return text_; }
    // Text set from code must fit the mask (digits or the prompt where "#" stands, the literal
    // elsewhere); anything else raises "Invalid property value".
    void SetText(const std::string& text);
    bool Insert(int keyAscii, const std::string& character) override;
    bool IsEmpty() const { return text_ == EmptyText(); }
    std::string EmptyText() const;
    const std::string& Mask() const { return mask_; }

  private:
    std::string mask_ = "##/####";
    char prompt_ = '_';
    std::string text_;
};

struct ComboItem {
    std::string text;
    int itemData = 0;
};

enum class ComboStyle { DropDownCombo, DropDownList };

class ComboBox : public EditControl {
  public:
    ComboBox(std::string name, ComboStyle style) : EditControl(std::move(name)), style_(style) {}

    ComboStyle Style() const { return style_; }
    const std::string& Text() const override { return text_; }
    // The editable text of a drop-down combo; a drop-down list only takes one of its items.
    void SetText(std::string text);
    bool Insert(int keyAscii, const std::string& character) override;

    void AddItem(std::string text);
    void Clear();  // removes every item and empties the text
    int NewIndex() const { return static_cast<int>(items_.size()) - 1; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::vector<ComboItem>& Items() const { return items_; }
    // The index of the first item with this text, -1 when there is none.
    int IndexOf(const std::string& text) const;
    int ItemData(int index) const;
    void SetItemData(int index, int value);
    int ListIndex() const { return listIndex_; }
    // Selecting from code runs the click handler at once, as a user's pick does.
    void SetListIndex(int index);
    // The user opens the list.
    void DropDown() const {
        if (onDropDown) {
            onDropDown();
        }
    }

    Handler onClick;
    Handler onDropDown;
    int droppedWidth = 0;  // width of the drop-down part in pixels; 0 leaves the toolkit's own

  private:
    ComboStyle style_;
    std::vector<ComboItem> items_;
    int listIndex_ = -1;
    std::string text_;
};

class OptionButton : public Control {
  public:
    using Control::Control;
    std::string caption;
    bool value = false;
};

struct MenuEntry {
    std::string name;
    std::string caption;  // "-" is a separator
    Handler onClick;
    // Whether the entry can be chosen now; none means always. A greyed entry runs nothing.
    std::function<bool()> available = {};

    bool Available() const { return !available || available(); }
};

// A pop-up menu: shown at the mouse position by its button, never in a menu bar.
struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuEntry> entries;
};

// Option buttons that exclude each other; selecting one from code runs the click handler.
class OptionArray {
  public:
    OptionArray(const std::string& name, const std::vector<std::string>& captions);

    OptionButton& operator[](int index) { return *buttons_.at(static_cast<std::size_t>(index)); }
    const OptionButton& operator[](int index) const {
        return *buttons_.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(buttons_.size()); }
    // Setting true clears the others and runs the click handler with the index.
    void SetValue(int index, bool value);
    // The first selected index, -1 when none is.
    int Selected() const;

    std::function<void(int index)> onClick;

  private:
    std::vector<std::unique_ptr<OptionButton>> buttons_;
};

}  // namespace pellory
