#pragma once

#include "platform/DialogTemplate.h"

#include <string>
#include <vector>

// Every dialog template of the program, by resource name ("ADDCAT", "HIGHEST", ...).
const std::vector<DialogTemplate>& allDialogTemplates();
// The named template; an unknown name is a programming error and throws.
const DialogTemplate& dialogTemplate(const std::string& name);
