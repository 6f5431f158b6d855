#include "autolimits/FrmAutoMax.h"

#include <algorithm>
#include <array>
#include <utility>

#include "controls/Utf8.h"
#include "platform/ErrorReport.h"

namespace pellory {

namespace {

const char* const kInAdd = " Error in cmdAdd. ";
const char* const kInClose = " Error in cmdClose. ";
const char* const kInDelete = " Error in cmdDelete. ";
const char* const kInSave = " Error in cmdSave. ";
const char* const kInNext = " Error in cmdNext. ";
const char* const kInPrevious = " Error in cmdPrevious. ";

const char* const kNoMoreRecords = "No more records.";
const char* const kNothingToDelete = "No record to delete.";
const char* const kYearHeld = "Year is already in the table.";
const char* const kNoSuchYear = "No record for that year.";

// The largest amount a record field keeps.
constexpr std::size_t kAmountWidth = 5;
constexpr int kAmountBoxLength = 7;

// Digits with at most one point among them, and at least one digit.
bool IsOneNumber(const std::string& text) {
    const auto digits =
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits >= 1 && points <= 1 && digits + points == static_cast<long>(text.size());
}

}  // namespace

FrmAutoMax::FrmAutoMax(Platform& platform, DataFile& dataFile) : Window(platform), data_(dataFile) {
    lblYear.caption = "Year:";
    lblYear1.caption = " 1st Year Max:";
    lblYear2.caption = " 2nd Year Max:";
    lblYear3.caption = "3rd Year Max:";
    lblYear4.caption = "4th Year Max:";

    lblYear.buddy = &txtYear;
    lblYear1.buddy = &txtYear1;
    lblYear2.buddy = &txtYear2;
    lblYear3.buddy = &txtYear3;
    lblYear4.buddy = &txtYear4;
    txtYear.maxLength = 4;
    int tab = 0;
    for (TextBox* box : {&txtYear, &txtYear1, &txtYear2, &txtYear3, &txtYear4}) {
        if (box != &txtYear) {
            box->maxLength = kAmountBoxLength;
        }
        box->tabIndex = tab++;
        box->onGotFocus = [this] { SetSelected(); };
        box->onKeyPress = [this](int& keyAscii) { KeyTyped(keyAscii); };
    }

    const std::array<std::pair<Button*, const char*>, 6> buttons{{
        {&cmdNext, "&Next"},
        {&cmdPrevious, "&Previous"},
        {&cmdDelete, "&Delete"},
        {&cmdAdd, "&Add"},
        {&cmdSave, "&Save"},
        {&cmdClose, "&Close"},
    }};
    for (const auto& [button, caption] : buttons) {
        button->caption = caption;
        button->tabIndex = tab++;
    }
    cmdNext.onClick = [this] { NextClick(); };
    cmdPrevious.onClick = [this] { PreviousClick(); };
    cmdDelete.onClick = [this] { DeleteClick(); };
    cmdAdd.onClick = [this] { AddClick(); };
    cmdSave.onClick = [this] { SaveClick(); };
    cmdClose.onClick = [this] { CloseClick(); };
    cancelButton_ = &cmdClose;

    stbAuto.foreColor = kRed;
    stbAuto.backColor = kInactiveCaptionText;
}

void FrmAutoMax::Load(std::optional<ScreenSize> screen) {
    if (screen) {
        left_ = (screen->width - kClientWidth) / 2;
        top_ = (screen->height - kClientHeight) / 2;
    }
    data_.ShowCurrentRecord(*this);
}

bool FrmAutoMax::LeaveRecord(const ErrorReport& step) {
    bool goOn = true;
    step([&] { goOn = OfferToSave(); });
    if (goOn) {
        step([&] { ResetStatus(); });
    }
    return goOn;
}

void FrmAutoMax::NextClick() {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInNext);
    if (!LeaveRecord(step)) {
        return;
    }
    step([&] {
        if (data_.CurrentRecord != data_.RecordCount) {
            ++data_.CurrentRecord;
            data_.ShowCurrentRecord(*this);
        } else {
            ShowNotice(kNoMoreRecords);
        }
    });
}

void FrmAutoMax::PreviousClick() {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInPrevious);
    if (!LeaveRecord(step)) {
        return;
    }
    step([&] {
        if (data_.CurrentRecord != 1) {
            --data_.CurrentRecord;
            data_.ShowCurrentRecord(*this);
        } else {
            ShowNotice(kNoMoreRecords);
        }
    });
}

void FrmAutoMax::AddClick() {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInAdd);
    step([&] { ResetStatus(); });
    step([&] { ++data_.RecordCount; });
    step([&] { data_.Buffer = AutoLimitRecord{}; });
    step([&] { data_.CurrentRecord = data_.RecordCount; });
    step([&] { data_.ShowCurrentRecord(*this); });
    step([&] { SetFocus(txtYear); });
}

void FrmAutoMax::SaveClick() {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInSave);
    SaveSucceeded = true;
    step([&] { ResetStatus(); });
    step([&] { Save(); });
}

void FrmAutoMax::DeleteClick() {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInDelete);
    step([&] { stbAuto.caption.clear(); });
    // A record not yet saved (an empty table's blank one, or one Add started) is not on file:
    // it is dropped without a question, and nothing is said to be deleted.
    if (data_.CurrentRecord > data_.RecordsOnFile()) {
        step([&] {
            data_.RecordCount = std::max(data_.RecordsOnFile(), 1);
            data_.CurrentRecord = std::min(data_.CurrentRecord, data_.RecordCount);
            data_.ShowCurrentRecord(*this);
            ShowNotice(kNothingToDelete);
        });
        return;
    }
    step([&] { data_.Delete(caption_ == kDesignCaption ? "Automax.dat" : "Electric.Dat", *this); });
}

std::int32_t FrmAutoMax::RecordOfYear(const std::string& year) const {
    const std::vector<std::string> years = data_.Years();
    const auto found = std::find(years.begin(), years.end(), year);
    return found == years.end() ? 0 : static_cast<std::int32_t>(found - years.begin()) + 1;
}

void FrmAutoMax::ShowLatestYear() {
    ErrorReport::Procedure(platform(), kInNext)([&] {
        const std::vector<std::string> years = data_.Years();
        // Four-digit years compare as text; a blank record's empty year comes first.
        const auto latest = std::max_element(years.begin(), years.end());
        if (latest != years.end() && data_.CurrentRecord != latest - years.begin() + 1) {
            data_.CurrentRecord = static_cast<std::int32_t>(latest - years.begin()) + 1;
            data_.ShowCurrentRecord(*this);
        }
    });
}

void FrmAutoMax::GoToYear(const std::string& year) {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInNext);
    if (!LeaveRecord(step)) {
        return;
    }
    step([&] {
        const std::int32_t record = RecordOfYear(year);
        if (record == 0) {
            ShowNotice(kNoSuchYear);
            return;
        }
        data_.RecordCount = std::max(data_.RecordsOnFile(), 1);  // an unsaved new one is dropped
        data_.CurrentRecord = record;
        data_.ShowCurrentRecord(*this);
    });
}

void FrmAutoMax::CloseClick() {
    if (closed_) {
        return;
    }
    const ErrorReport step = ErrorReport::Procedure(platform(), kInClose);
    bool goOn = true;
    step([&] { goOn = OfferToSave(); });
    if (!goOn) {
        return;
    }
    step([&] { data_.CloseFile(); });
    closed_ = true;
}

std::vector<Placement> FrmAutoMax::Layout() const {
    return {
        {&lblYear, 960, 280, 375, 255, false},    {&txtYear, 1440, 240, 1215, 285, false},
        {&lblYear1, 320, 640, 1095, 255, false},  {&txtYear1, 1440, 600, 1215, 285, false},
        {&lblYear2, 320, 1020, 1095, 255, false}, {&txtYear2, 1440, 960, 1215, 285, false},
        {&lblYear3, 320, 1380, 1095, 255, false}, {&txtYear3, 1440, 1320, 1215, 285, false},
        {&lblYear4, 320, 1750, 1095, 255, false}, {&txtYear4, 1440, 1680, 1215, 285, false},
        {&cmdNext, 3240, 120, 975, 285, false},   {&cmdPrevious, 3240, 470, 975, 285, false},
        {&cmdDelete, 3240, 810, 975, 285, false}, {&cmdAdd, 3240, 1150, 975, 285, false},
        {&cmdSave, 3240, 1500, 975, 285, false},  {&cmdClose, 3240, 1850, 975, 285, false},
        {&stbAuto, 50, 2280, 4570, 315, true},
    };
}

RecordTexts FrmAutoMax::BoxTexts() const {
    return {txtYear.Text(), txtYear1.Text(), txtYear2.Text(), txtYear3.Text(), txtYear4.Text()};
}

void FrmAutoMax::ShowBoxTexts(const RecordTexts& texts) {
    txtYear.SetText(texts[0]);
    txtYear1.SetText(texts[1]);
    txtYear2.SetText(texts[2]);
    txtYear3.SetText(texts[3]);
    txtYear4.SetText(texts[4]);
}

void FrmAutoMax::ShowNotice(const std::string& text) {
    stbAuto.foreColor = kBlue;
    stbAuto.bold = false;
    stbAuto.caption = text;
}

void FrmAutoMax::ResetStatus() {
    stbAuto.caption.clear();
    stbAuto.bold = true;
    stbAuto.foreColor = kRed;
    for (Label* label : {&lblYear, &lblYear1, &lblYear2, &lblYear3, &lblYear4}) {
        label->foreColor = kBlack;
    }
}

void FrmAutoMax::CheckNumericKey(int& keyAscii) {
    const bool accepted =
        keyAscii == kKeyBackspace || (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.';
    if (accepted) {
        return;
    }
    platform().Beep();
    keyAscii = 0;
    stbAuto.caption = "Only numeric data is allowed.";
}

void FrmAutoMax::KeyTyped(int& keyAscii) {
    RecordChanged = true;
    ResetStatus();
    CheckNumericKey(keyAscii);
}

bool FrmAutoMax::OfferToSave() {
    stbAuto.caption.clear();
    if (!RecordChanged) {
        return true;
    }
    switch (platform().MsgBox("Save Changes?", MsgButtons::YesNoCancel, MsgIcon::None, {})) {
        case MsgAnswer::Yes:
            SaveClick();
            if (!SaveSucceeded) {
                return false;
            }
            RecordChanged = false;
            return true;
        case MsgAnswer::No:
            RecordChanged = false;
            return true;
        default:
            return false;
    }
}

void FrmAutoMax::Save() {
    if (!CheckBoxes()) {
        return;
    }
    if (!data_.SaveCurrentRecord(*this)) {
        SaveSucceeded = false;
        return;
    }
    RecordChanged = false;
}

bool FrmAutoMax::CheckBoxes() {
    const std::array<std::pair<Label*, TextBox*>, 4> amounts{{
        {&lblYear1, &txtYear1},
        {&lblYear2, &txtYear2},
        {&lblYear3, &txtYear3},
        {&lblYear4, &txtYear4},
    }};
    if (txtYear.Text().empty()) {
        Refuse(lblYear, txtYear, "Year is required.");
        return false;
    }
    if (utf8::Length(txtYear.Text()) != 4) {
        Refuse(lblYear, txtYear, "Year must be 4 digits.");
        return false;
    }
    // A second record of a year would never be used: lookups take the first.
    if (const std::int32_t held = RecordOfYear(txtYear.Text());
        held != 0 && held != data_.CurrentRecord) {
        Refuse(lblYear, txtYear, kYearHeld);
        return false;
    }
    for (const auto& [label, box] : amounts) {
        if (box->Text().empty()) {
            Refuse(*label, *box, "Year amount is required.");
            return false;
        }
        // "." or "1..2" would make every later lookup of the year fail.
        if (!IsOneNumber(box->Text())) {
            Refuse(*label, *box, "Year amount must be a number.");
            return false;
        }
        // The record keeps five characters; a longer amount would be stored cut short.
        if (utf8::Length(box->Text()) > kAmountWidth) {
            Refuse(*label, *box, "Year amount can't be more than 5 characters.");
            return false;
        }
    }
    return true;
}

void FrmAutoMax::Refuse(Label& label, TextBox& box, const std::string& message) {
    label.foreColor = kRed;
    stbAuto.caption = message;
    SaveSucceeded = false;
    ErrorReport::Procedure(platform(), kInSave)([&] { SetFocus(box); });
}

}  // namespace pellory
