#pragma once

#include <string>
#include <vector>

// A menu bar as data. Item texts keep their '&' mnemonics and the key names that are part
// of the text ("&New..F3"); the keys themselves are the accelerator table's business.
struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    std::string text;
    int command = 0;              // Command items
    std::vector<MenuItem> items;  // Popup items
};

struct MenuResource {
    std::string name;
    std::vector<MenuItem> bar; // popups and commands standing directly on the bar
};

// "MENU_1" to "MENU_4"; an unknown name is a programming error and throws.
const MenuResource& menuResource(const std::string& name);
