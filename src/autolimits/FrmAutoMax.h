#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "autolimits/DataFile.h"
#include "autolimits/RecordEditor.h"
#include "controls/Controls.h"
#include "controls/Window.h"
#include "platform/ErrorReport.h"

namespace pellory {

// A control's place in the window, in twips.
struct Placement {
    const Control* control = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool singleBorder = false;
};

struct ScreenSize {
    int width = 0;  // twips
    int height = 0;
};

// The auto limits editor: one record of the open table at a time, with Next, Previous, Add,
// Save, Delete and Close and a status line. The table is opened before the window loads and
// closed by Close.
class FrmAutoMax : public Window, public RecordEditor {
  public:
    static constexpr const char* kDesignCaption = "Automobile  Maximun Amounts";
    static constexpr const char* kCleanFuelCaption = "Clean Fuel Auto Max Amount";
    static constexpr int kClientWidth = 4680;
    static constexpr int kClientHeight = 2670;

    FrmAutoMax(Platform& platform, DataFile& dataFile);

    const std::string& Caption() const { return caption_; }
    // Set before Load; it also names the table Delete rewrites.
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

    // Centres the window on the screen, when its size is given, and shows record 1.
    void Load(std::optional<ScreenSize> screen = std::nullopt);
    int Left() const { return left_; }
    int Top() const { return top_; }

    // True once Close has closed the table and unloaded the window.
    bool Closed() const { return closed_; }

    // The button handlers, also run by the buttons' Click.
    void NextClick();
    void PreviousClick();
    void AddClick();
    void SaveClick();
    void DeleteClick();
    void CloseClick();

    // Shows the record of the latest year on file, where the user most often works.
    void ShowLatestYear();
    // Offers to save, then shows the record of `year`; a notice when the table holds none.
    void GoToYear(const std::string& year);

    // Save's checks of the five boxes, without writing: at the first fault its message in the
    // status line, its label red and the focus in its box, and false.
    bool CheckBoxes();

    // Every control with its position, in tab order for the boxes and buttons.
    std::vector<Placement> Layout() const;

    // RecordEditor: the five boxes and the status line, for the record operations.
    RecordTexts BoxTexts() const override;
    void ShowBoxTexts(const RecordTexts& texts) override;
    void ShowNotice(const std::string& text) override;

    Label lblYear{"lblYear"};
    TextBox txtYear{"txtYear"};
    Label lblYear1{"lblYear1"};
    TextBox txtYear1{"txtYear1"};
    Label lblYear2{"lblYear2"};
    TextBox txtYear2{"txtYear2"};
    Label lblYear3{"lblYear3"};
    TextBox txtYear3{"txtYear3"};
    Label lblYear4{"lblYear4"};
    TextBox txtYear4{"txtYear4"};
    Button cmdNext{"cmdNext"};
    Button cmdPrevious{"cmdPrevious"};
    Button cmdDelete{"cmdDelete"};
    Button cmdAdd{"cmdAdd"};
    Button cmdSave{"cmdSave"};
    Button cmdClose{"cmdClose"};
    Label stbAuto{"stbAuto"};

    // A key was typed in one of the boxes since the record was last saved or the question
    // about saving was answered.
    bool RecordChanged = false;
    // Set by every Save: the record passed the checks and was written.
    bool SaveSucceeded = false;

  private:
    void ResetStatus();
    void CheckNumericKey(int& keyAscii);
    void KeyTyped(int& keyAscii);
    // Asks about unsaved typing; false when the caller must stop.
    bool OfferToSave();
    // Moving off the current record: the offer to save it, then a cleared status line; false
    // when the user stays on it.
    bool LeaveRecord(const ErrorReport& step);
    void Save();
    void Refuse(Label& label, TextBox& box, const std::string& message);
    // The record on file that holds `year`, 0 when none does.
    std::int32_t RecordOfYear(const std::string& year) const;

    DataFile& data_;
    std::string caption_ = kDesignCaption;
    int left_ = 0;
    int top_ = 0;
    bool closed_ = false;
};

}  // namespace pellory
