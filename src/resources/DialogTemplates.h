#pragma once

#include "platform/DialogTemplate.h"

#include <string>
#include <vector>

// The ids of the controls that hold a dialog's values, shared by the templates and the
// bindings of the values to them.
namespace control_id {
inline constexpr int ionName = 101;
inline constexpr int ionSymbol = 102;
inline constexpr int ionCharge = 103;
inline constexpr int addCation = 101;
inline constexpr int addAnion = 102;
inline constexpr int number = 101;
inline constexpr int numberCation = 105;
inline constexpr int numberAnion = 106;
inline constexpr int highestCation = 101;
inline constexpr int highestAnion = 102;
inline constexpr int firstName = 101;
inline constexpr int lastName = 102;
inline constexpr int heading = 101;
} // namespace control_id

// Every dialog template of the program, in the order of DialogId.
const std::vector<DialogTemplate>& allDialogTemplates();
const DialogTemplate& dialogTemplate(DialogId id);
