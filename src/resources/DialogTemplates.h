#pragma once

#include "platform/DialogTemplate.h"

#include <string>
#include <vector>

// The ids of the controls that hold a dialog's values, shared by the templates and the
// bindings of the values to them.
namespace control_id {
enum : int {
    ionName = 101,
    ionSymbol = 102,
    ionCharge = 103,
    addCation = 101,
    addAnion = 102,
    number = 101,
    numberCation = 105,
    numberAnion = 106,
    highestCation = 101,
    highestAnion = 102,
    firstName = 101,
    lastName = 102,
    heading = 101,
};
} // namespace control_id

// Every dialog template of the program, in the order of DialogId.
const std::vector<DialogTemplate>& allDialogTemplates();
const DialogTemplate& dialogTemplate(DialogId id);
