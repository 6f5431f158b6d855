#pragma once

#include <array>
#include <string>
#include <string_view>

#include "controls/Typing.h"
#include "engine/AllowanceRates.h"
#include "engine/Asset.h"

namespace pellory {

// The main window's boxes that take typed text.
enum class EntryBox {
    Cost,
    InService,
    Life,
    Business,
    Sold,
    SalesPrice,
    AdjTaxBasis,
    Description,
    Section179,
    None
};

// The main window's inputs as its rules leave them, without the window: the boxes' texts and
// selections, which box has the focus, the lists' choices and which boxes are open. Each
// function below does what the same action does in the window: the method, life and class
// open and fill the boxes they rule; typing keeps what the box keeps (its length, the keys it
// refuses), and a key goes where the focus is.
struct EntryForm {
    AssetType type = AssetType::Regular;
    Method method = Method::None;
    std::array<EditText, 9> boxes;
    EntryBox focus = EntryBox::None;
    int classIndex = -1;  // in the method's class list
    bool classOpen = false;
    bool businessOpen = false;
    bool allowanceOpen = false;
    bool allowance = false;
    // The rate list's pick: the in-service month's rate until the user picks another.
    int allowanceRate = kDefaultAllowanceRate;
    bool section179Open = false;
    bool conventionOpen = false;  // the frame
    std::array<bool, 3> buttonOpen{};
    int convention = 0;  // the selected button
    bool soldOpen = false;
    bool exchangeOpen = false;

    const std::string& Text(EntryBox box) const {
        return boxes[static_cast<std::size_t>(box)].text;
    }
};

// The window as it opens in `month`/`year`: a Regular Asset placed in service this month.
EntryForm OpenEntryForm(int month, int year);

void ChooseAssetType(EntryForm& form, AssetType type);
void ChooseMethod(EntryForm& form, Method method);
// The Life list's entries for the chosen method; PickLife takes one of them.
bool LifeListHolds(const EntryForm& form, std::string_view life);
void PickLife(EntryForm& form, std::string_view life);
// The index of a label in the chosen method's class list; -1 when it is not there.
int ClassIndexOf(const EntryForm& form, std::string_view label);
void PickClass(EntryForm& form, int index);
bool ConventionUsable(const EntryForm& form, int button);
// Types `text` key by key into `box`, which takes the focus first; a line break is a key that
// puts nothing in a one-line box.
void TypeInto(EntryForm& form, EntryBox box, std::string_view text);

// The asset the boxes hold, as Calculate reads it.
Asset AssetOf(const EntryForm& form);

}  // namespace pellory
