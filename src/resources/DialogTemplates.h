#pragma once

#include "platform/DialogTemplate.h"

#include <string>
#include <vector>

// Every dialog template of the program, in the order of DialogId.
const std::vector<DialogTemplate>& allDialogTemplates();
const DialogTemplate& dialogTemplate(DialogId id);
