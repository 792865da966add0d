#pragma once

#include <string>

// The description that the string table keeps under a command's number; empty for a number
// it does not hold. No window shows these texts: the help topics and tool tips draw on them.
std::string commandDescription(int command);
