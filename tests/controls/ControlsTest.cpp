#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "controls/Controls.h"
#include "controls/Window.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

// A window with a four-character box that selects its text on focus, a month-year box and a
// default button.
class TestWindow : public Window {
  public:
    explicit TestWindow(Platform& p) : Window(p) {
        box.maxLength = 4;
        box.onGotFocus = [this] { SetSelected(); };
        defaultButton_ = &ok;
        ok.onClick = [this] { ++okClicks; };
    }
    TextBox box{"box"};
    TextBox other{"other"};
    MaskedEdit date{"date"};
    Button ok{"ok"};
    int okClicks = 0;
};

class Controls : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    TestWindow w{platform};
};

// The month-year box starts empty, takes digits step by step over the slash (beeping at any
// other key), blanks the previous digit on Backspace and refuses a text that does not fit.
TEST_F(Controls, TheMonthYearBoxTakesDigitsOverTheSlash) {
    EXPECT_EQ(w.date.Text(), "__/____");
    EXPECT_TRUE(w.date.IsEmpty());
    w.Type(w.date, "12/2002");
    EXPECT_EQ(w.date.Text(), "12/2002");
    w.date.SetText("__/____");
    w.date.SelectAll();
    w.Type(w.date, "0520x");
    EXPECT_EQ(w.date.Text(), "05/20__");
    EXPECT_EQ(platform.beeps, 1);
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.date.Text(), "05/2___");
    for (const char* bad : {"1/2002", "12-2002", "ab/2002", "12/20021"}) {
        EXPECT_THROW(w.date.SetText(bad), RuntimeError) << bad;
    }
    w.date.SetText("07/____");
    EXPECT_EQ(w.date.Text(), "07/____");
}

// Typing replaces the selection and stops at the limit in characters, not bytes; bytes that are
// not UTF-8 type as replacement characters (0xCD alone once read as code 13, which pressed
// Enter); Enter presses the default button without reaching the box.
TEST_F(Controls, TypingReplacesTheSelectionUpToTheLimit) {
    int pressed = 0;
    w.box.onKeyPress = [&](int&) { ++pressed; };
    w.box.SetText("99");
    w.Type(w.box, "12345");
    EXPECT_EQ(w.box.Text(), "1234");
    EXPECT_EQ(platform.beeps, 1);
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.box.Text(), "123");
    w.box.selStart = 1;
    w.box.selLength = 1;
    w.Type(w.box, "x");  // over a selection inside the text
    EXPECT_EQ(w.box.Text(), "1x3");
    const int keys = pressed;
    w.PressKey(kKeyEnter);
    EXPECT_EQ(w.okClicks, 1);
    EXPECT_EQ(pressed, keys);
    w.box.SetText("");
    w.Type(w.box, "\xc3\xa9t\xe0\xa4\x85\xf0\x9f\x98\x80");  // 0xE0 and 0xF0 lead 3 and 4 bytes
    EXPECT_EQ(w.box.Text(), "\xc3\xa9t\xe0\xa4\x85\xf0\x9f\x98\x80");
    w.Type(w.other,
           "\xef\xbc\xa1"
           "a\xcd\xcd\x80z\xe2\x82");
    EXPECT_EQ(w.okClicks, 1);
    EXPECT_EQ(w.other.Text(),
              "\xEF\xBC\xA1"
              "a\xEF\xBF\xBD\xCD\x80z\xEF\xBF\xBD");
}

TEST_F(Controls, FocusFromCodeOnADisabledControlRaisesAndTheUserCannotFocusIt) {
    Frame frame("frame");
    w.other.container = &frame;
    frame.enabled = false;
    EXPECT_THROW(w.SetFocus(w.other), RuntimeError);
    w.UserFocus(w.other);
    EXPECT_EQ(w.Focused(), nullptr);
    frame.enabled = true;
    int lost = 0;
    w.box.onLostFocus = [&] { ++lost; };
    w.SetFocus(w.box);
    w.SetFocus(w.box);
    w.SetFocus(w.other);
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(w.HasFocus(w.other));
}

// Setting a list's index or an option from code runs its click at once; a list without typing
// takes only its items; selecting one option clears the others.
TEST(ComboBoxAndOptions, SettingTheSelectionRunsTheClick) {
    ComboBox list("list", ComboStyle::DropDownList);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.AddItem("ADS");
    list.AddItem("MACRS");
    list.SetItemData(list.NewIndex(), 7);
    list.SetListIndex(1);
    EXPECT_EQ(list.Text(), "MACRS");
    EXPECT_EQ(list.ItemData(1), 7);
    EXPECT_THROW(list.SetText("Straight Line"), RuntimeError);
    list.SetListIndex(-1);
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(clicks, 2);

    OptionArray options("opt", {"Half Year", "Mid Quarter", "Mid Month"});
    int clicked = -1;
    options.onClick = [&](int i) { clicked = i; };
    options.SetValue(2, true);
    options.SetValue(0, true);
    EXPECT_EQ(options.Selected(), 0);
    EXPECT_FALSE(options[2].value);
    EXPECT_EQ(clicked, 0);
    options.SetValue(0, false);
    EXPECT_EQ(options.Selected(), -1);
}

}  // namespace
}  // namespace pellory
