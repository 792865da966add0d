#pragma once

#include "platform/TextSurface.h"

#include <string>
#include <vector>

// A text broken at its blanks into lines no wider than width on the surface, each line as
// full as it can be; a single word wider than that stands alone on its line.
std::vector<std::string> wrapWords(TextSurface& surface, const std::string& text, int width);
