#pragma once

#include <string>
#include <string_view>

#include "controls/Controls.h"
#include "platform/Platform.h"

namespace pellory {

// The focus and keyboard of one window. A view forwards the user's focus changes and key
// presses here; tests and the command line drive the same paths.
class Window {
  public:
    explicit Window(Platform& platform) : platform_(platform) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Control* Focused() const { return focused_; }
    bool HasFocus(const Control& control) const { return focused_ == &control; }

    // Moving the focus from code raises "Invalid procedure call or argument" for a control
    // that takes no input, as the toolkit does.
    void SetFocus(Control& control);
    // The user clicks or tabs into a control; a control that takes no input keeps no focus.
    void UserFocus(Control& control);

    // One key pressed and released in the focused control. Enter presses the default button
    // and Esc the cancel button instead of reaching the box.
    void PressKey(int keyAscii, const std::string& character = {});
    // The three steps of a key in the focused box, for a view that sees them apart: key down,
    // the typed character (filtered, then put into the text), key up.
    void KeyDown(int keyCode);
    void KeyPress(int keyAscii, const std::string& character = {});
    void KeyUp(int keyCode);
    // The user clicks into a box and types `text`, one key per character.
    void Type(EditControl& box, std::string_view text);

    // Text pasted into the focused box: what the box makes of it (onPaste), typed one key at a
    // time through its filters.
    void Paste(const std::string& text);

    // Selects the whole text of the focused box so that typing replaces it.
    void SetSelected();

    Platform& platform() const { return platform_; }

  protected:
    Button* defaultButton_ = nullptr;  // Enter presses it
    Button* cancelButton_ = nullptr;   // Esc presses it

  private:
    Platform& platform_;
    Control* focused_ = nullptr;
};

}  // namespace pellory
