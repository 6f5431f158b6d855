#include "classes/EntryForm.h"

#include <algorithm>
#include <cstdio>

#include "classes/Catalogue.h"
#include "classes/SelectionRules.h"
#include "controls/Utf8.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr int kEnter = 13;

struct BoxRules {
    bool selectsOnFocus;
    bool numberKeys;
    int maxLength;  // 0: none
    bool masked;
};

constexpr std::array<BoxRules, 9> kRules{{
    {true, true, 10, false},    // Cost
    {true, false, 0, true},     // InService
    {false, true, 0, false},    // Life
    {true, true, 4, false},     // Business
    {false, false, 0, true},    // Sold
    {true, true, 10, false},    // SalesPrice
    {true, true, 10, false},    // AdjTaxBasis
    {true, false, 100, false},  // Description
    {true, true, 10, false},    // Section179
}};

constexpr const char* kEmptyMonth = "__/____";

EditText& Box(EntryForm& form, EntryBox box) {
    return form.boxes[static_cast<std::size_t>(box)];
}

void SetText(EntryForm& form, EntryBox box, std::string text) {
    Box(form, box) = {std::move(text), 0, 0};
}

bool Usable(const EntryForm& form, EntryBox box) {
    switch (box) {
        case EntryBox::Business:
            return form.businessOpen;
        case EntryBox::Sold:
            return form.soldOpen;
        case EntryBox::SalesPrice:
        case EntryBox::AdjTaxBasis:
            return form.exchangeOpen;
        case EntryBox::Section179:
            return form.section179Open;
        default:
            return true;
    }
}

void Focus(EntryForm& form, EntryBox box) {
    if (form.focus == box) {
        return;
    }
    form.focus = box;
    if (kRules[static_cast<std::size_t>(box)].selectsOnFocus) {
        EditText& edit = Box(form, box);
        edit.selStart = 0;
        edit.selLength = static_cast<int>(utf8::Length(edit.text));
    }
}

void SetBusinessUse(EntryForm& form, bool usable) {
    form.businessOpen = usable;
    if (!usable) {
        SetText(form, EntryBox::Business, "");
    }
}

void SetAllowance(EntryForm& form, bool available) {
    if (!available) {
        form.allowance = false;
    }
    form.allowanceOpen = available;
}

void SetSection179(EntryForm& form, bool available) {
    form.section179Open = available;
    if (!available) {
        SetText(form, EntryBox::Section179, "");
    }
}

void EnableConvention(EntryForm& form, bool enabled) {
    form.conventionOpen = enabled;
    form.buttonOpen[0] = form.buttonOpen[1] = enabled;
    form.convention = kHalfYearButton;
}

void SelectMidMonth(EntryForm& form, bool realProperty) {
    const ConventionButtons buttons = ConventionFor(realProperty);
    form.buttonOpen = buttons.usable;
    form.convention = buttons.selected;
}

// Choosing no class empties the Business % box.
void NoClass(EntryForm& form) {
    form.classIndex = -1;
    SetText(form, EntryBox::Business, "");
}

// A life of "5" asks for the business share, with 100 and the focus; any other does not.
void BusinessUseForLife(EntryForm& form) {
    if (LifeAsksBusinessUse(form.Text(EntryBox::Life))) {
        form.businessOpen = true;
        SetText(form, EntryBox::Business, "100");
        Focus(form, EntryBox::Business);
    } else {
        SetBusinessUse(form, false);
    }
}

void LifeKeyUp(EntryForm& form) {
    if (HasClasses(form.method)) {
        NoClass(form);
        BusinessUseForLife(form);
    } else {
        SetBusinessUse(form, false);
    }
    SetSection179(form, Section179ForTypedLife(form.method, form.Text(EntryBox::Life)));
}

// One key in the box with the focus: its filter, the box's own edit, the key-up rule.
void PressKey(EntryForm& form, int key, const std::string& character) {
    const auto box = form.focus;
    const BoxRules& rules = kRules[static_cast<std::size_t>(box)];
    if (key == kEnter || (rules.numberKeys && IsRefusedNumberKey(key))) {
        return;
    }
    EditText& edit = Box(form, box);
    if (rules.masked) {
        TypeMasked(edit, "##/####", '_', key, character);
    } else {
        TypePlain(edit, rules.maxLength, key, character);
    }
    if (box == EntryBox::Life) {
        LifeKeyUp(form);
    }
    if (box == EntryBox::InService) {
        if (const auto date = MonthEntry::Of(edit.text).date) {
            form.allowanceRate = AllowanceRateFor(*date);
        }
    }
}

}  // namespace

EntryForm OpenEntryForm(int month, int year) {
    EntryForm form;
    char today[16];
    std::snprintf(today, sizeof today, "%02d/%04d", month, year);
    SetText(form, EntryBox::InService, today);
    SetText(form, EntryBox::Sold, kEmptyMonth);
    EnableConvention(form, false);
    form.allowanceRate = AllowanceRateFor({month, year});
    return form;
}

void ChooseAssetType(EntryForm& form, AssetType type) {
    form.type = type;
    form.exchangeOpen = type == AssetType::Replacement;
    if (!form.exchangeOpen) {
        SetText(form, EntryBox::SalesPrice, "");
        SetText(form, EntryBox::AdjTaxBasis, "");
    }
    form.soldOpen = type == AssetType::Relinquished;
    if (!form.soldOpen) {
        SetText(form, EntryBox::Sold, kEmptyMonth);
    }
}

void ChooseMethod(EntryForm& form, Method method) {
    form.method = method;
    SetText(form, EntryBox::Life, "");
    SetBusinessUse(form, false);
    EnableConvention(form, false);
    NoClass(form);
    form.classOpen = HasClasses(method);
    if (form.classOpen) {
        EnableConvention(form, true);
    }
    SetAllowance(form, false);
    SetSection179(form, Section179ForLife(method, 0));
}

bool LifeListHolds(const EntryForm& form, std::string_view life) {
    const auto lives = LivesFor(form.method);
    return std::ranges::find(lives, life) != lives.end();
}

void PickLife(EntryForm& form, std::string_view life) {
    SetText(form, EntryBox::Life, std::string(life));
    const bool classes = HasClasses(form.method);
    if (classes) {
        NoClass(form);
        BusinessUseForLife(form);
    } else {
        SetBusinessUse(form, false);
    }
    const double years = Val(life);
    SelectMidMonth(form, IsRealProperty(form.method, years));
    SetAllowance(form, AllowanceForLife(form.method, years));
    SetSection179(form, Section179ForLife(form.method, years));
}

int ClassIndexOf(const EntryForm& form, std::string_view label) {
    const auto list = ClassListFor(form.method);
    const auto found = std::ranges::find(list, label, &AssetClass::label);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void PickClass(EntryForm& form, int index) {
    if (HasClasses(form.method)) {
        SetText(form, EntryBox::Life, "");  // opening the class list empties the life
    }
    form.classIndex = index;
    SetText(form, EntryBox::Business, "");
    const AssetClass& entry = ClassListFor(form.method)[static_cast<std::size_t>(index)];
    if (ClassAsksBusinessUse(entry.label, entry.life)) {
        form.businessOpen = true;
        SetText(form, EntryBox::Business, "100");
    } else if (entry.life != 5) {  // an unlisted 5-year class leaves the box as it is
        SetBusinessUse(form, false);
    }
    SelectMidMonth(form, IsRealProperty(form.method, entry.life));
    SetAllowance(form, AllowanceForClass(entry.life));
    SetSection179(form, Section179ForLife(form.method, entry.life));
}

bool ConventionUsable(const EntryForm& form, int button) {
    return form.conventionOpen && form.buttonOpen[static_cast<std::size_t>(button)];
}

void TypeInto(EntryForm& form, EntryBox box, std::string_view text) {
    if (!Usable(form, box)) {
        return;
    }
    Focus(form, box);
    bool valid = true;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view bytes = utf8::NextCharacter(text, pos, valid);
        // Bytes that do not form a character type the replacement character.
        const std::string character(valid ? bytes : utf8::kReplacement);
        PressKey(form, static_cast<int>(utf8::CodePoint(character)), character);
        pos += bytes.size();
    }
}

Asset AssetOf(const EntryForm& form) {
    Asset a;
    a.type = form.type;
    a.cost = NumberEntry::Of(form.Text(EntryBox::Cost));
    a.method = form.method;
    a.inService = MonthEntry::Of(form.Text(EntryBox::InService));
    a.life = NumberEntry::Of(form.Text(EntryBox::Life));
    if (form.classIndex >= 0) {
        const AssetClass& entry =
            ClassListFor(form.method)[static_cast<std::size_t>(form.classIndex)];
        a.assetClass = ClassChoice::Of(entry.label, entry.life);
    }
    a.business = BusinessEntry::Of(form.Text(EntryBox::Business), form.businessOpen);
    if (form.allowance) {
        a.allowanceRate = form.allowanceRate;
    }
    a.section179 = NumberEntry::Of(form.Text(EntryBox::Section179));
    a.convention = form.conventionOpen ? static_cast<AveragingConvention>(form.convention)
                                       : AveragingConvention::None;
    a.sold = MonthEntry::Of(form.Text(EntryBox::Sold));
    a.salesPrice = NumberEntry::Of(form.Text(EntryBox::SalesPrice));
    a.adjTaxBasis = NumberEntry::Of(form.Text(EntryBox::AdjTaxBasis));
    a.description = form.Text(EntryBox::Description);
    return a;
}

}  // namespace pellory
