#pragma once

#include <Qt>

#include <string>
#include <vector>

// Every command of the program in a row of its own: its number (resources/CommandIds.h), the
// text of its menu item, its key in the accelerator table and the hint the string table keeps
// for it. The menus, the accelerator table and the string table below are read from the rows;
// the main window makes one action per row and runs the command.
struct CommandRow {
    int command;
    const char* menuText; // with its '&' mnemonic and the key name that is part of the text
    Qt::Key key;          // Qt::Key_unknown: no accelerator
    Qt::KeyboardModifiers modifiers;
    const char* hint;
};

const std::vector<CommandRow>& commandRows();

// The hint that the string table keeps under a command's number; empty for a number it does
// not hold. No window shows these texts: the help topics and the status tips draw on them.
std::string commandDescription(int command);

struct Accelerator {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

// ACCELERATORS_1: the rows that have a key. In force in every mode.
const std::vector<Accelerator>& acceleratorTable();

// A menu bar as data. Item texts keep their '&' mnemonics and the key names that are part of
// the text ("&New..F3"); the keys themselves are the accelerator table's business.
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

// MENU_1 to MENU_4, in that order.
const std::vector<MenuResource>& menuResources();
// "MENU_1" to "MENU_4"; an unknown name is a programming error and throws.
const MenuResource& menuResource(const std::string& name);
