#pragma once

#include <string>
#include <string_view>

namespace pellory {

// A box's text with its selection (in characters), as typing changes it.
struct EditText {
    std::string text;
    int selStart = 0;
    int selLength = 0;
};

// One key typed into a one-line box: the selection replaced by `character`, or Backspace
// deleting it (or the character before the caret). False when the key cannot go in: another
// control key, or a character past `maxLength` (0: no limit).
bool TypePlain(EditText& box, int maxLength, int keyAscii, const std::string& character);

// One key typed into a masked box ("#" a digit's place, any other character a literal shown as
// is; an empty place shows `prompt`). Typing over a selection blanks it first; a literal typed
// where it stands steps over it, and typed after part of its digits ("3/") fills their part from
// the right with zeros ("03/"). False when the key cannot go in.
bool TypeMasked(EditText& box, std::string_view mask, char prompt, int keyAscii,
                const std::string& character);

// The keys a number box turns away (with a beep): anything but digits, the decimal point and
// control keys.
inline bool IsRefusedNumberKey(int keyAscii) {
    return keyAscii != '.' && keyAscii > 31 && (keyAscii < '0' || keyAscii > '9');
}

}  // namespace pellory
