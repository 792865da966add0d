#pragma once

#include <string>

// The two help documents compiled into the program: the program's own help, "valkora.hlp",
// and the help viewer's "Using Help", "WINHELP.HLP".
struct HelpDocument {
    std::string fileName;
    std::string title;
    std::string html; // contents page first, then the topics, linked by anchors
};

// The document of that file name, or null.
const HelpDocument* helpDocument(const std::string& fileName);
