#include "resources/Commands.h"

#include "resources/CommandIds.h"

#include <stdexcept>

constexpr Qt::Key noKey = Qt::Key_unknown;

const std::vector<CommandRow>& commandRows()
{
    static const std::vector<CommandRow> rows = {
        {cmd::New, "&New..F3", Qt::Key_F3, Qt::NoModifier, "Creates a new quiz"},
        {cmd::Open, "&Open...F4", Qt::Key_F4, Qt::NoModifier, "Opens an existing quiz"},
        {cmd::PrintList, "&Print List...F5", Qt::Key_F5, Qt::NoModifier,
         "Prints the current list of cations and anions"},
        {cmd::Exit, "E&xit...Alt-X", Qt::Key_X, Qt::AltModifier, "Quits the program"},
        {cmd::Add, "&Add...F6", Qt::Key_F6, Qt::NoModifier, "Adds a cation or anion to the list"},
        {cmd::Delete, "&Delete...F7", Qt::Key_F7, Qt::NoModifier,
         "Deletes a cation or anion from the list"},
        {cmd::Change, "&Change...F8", Qt::Key_F8, Qt::NoModifier,
         "Changes a cation or anion on the list"},
        {cmd::Sort, "&Sort...F9", Qt::Key_F9, Qt::NoModifier,
         "Alphabetizes both the cations and anions"},
        {cmd::Practice, "&Practice", noKey, Qt::NoModifier,
         "Provides practice in naming and writing formulas of compounds"},
        {cmd::PrintResults, "Print &Results", noKey, Qt::NoModifier,
         "Prints the results of a practice session"},
        {cmd::QuitPractice, "&Quit Practice...Home", Qt::Key_Home, Qt::NoModifier,
         "Quits the practice session"},
        {cmd::Return, "&Return", noKey, Qt::NoModifier, "After editing heading creates a quiz"},
        {cmd::PrintQuiz, "&Print", noKey, Qt::NoModifier, "Prints the quiz currently displayed"},
        {cmd::DontPrint, "&Don't Print", noKey, Qt::NoModifier,
         "Does not print the quiz currently displayed"},
        {cmd::HelpIndex, "Help &Index", noKey, Qt::NoModifier, "Provides help for this program."},
        {cmd::UsingHelp, "&Using Help", noKey, Qt::NoModifier, "Describes how to use Window Help"},
    };
    return rows;
}

namespace {

const CommandRow* findRow(int command)
{
    for (const CommandRow& row : commandRows())
        if (row.command == command)
            return &row;
    return nullptr;
}

// A menu item shows its row's text unless the menu names another: Exit reads "E&xit Program
// Alt-x" in the menus of practice and of the quiz.
MenuItem command(int id, const char* otherText = nullptr)
{
    const CommandRow* row = findRow(id);
    if (!row)
        throw std::logic_error("a menu names a command without a row");
    return {MenuItem::Kind::Command, otherText ? otherText : row->menuText, id, {}};
}

MenuItem separator()
{
    return {MenuItem::Kind::Separator, {}, 0, {}};
}

MenuItem popup(std::string text, std::vector<MenuItem> items)
{
    return {MenuItem::Kind::Popup, std::move(text), 0, std::move(items)};
}

MenuItem helpPopup()
{
    return popup("&Help", {command(cmd::HelpIndex), command(cmd::UsingHelp)});
}

const char* const exitProgram = "E&xit Program Alt-x";

} // namespace

std::string commandDescription(int command)
{
    const CommandRow* row = findRow(command);
    return row ? row->hint : std::string();
}

const std::vector<Accelerator>& acceleratorTable()
{
    static const std::vector<Accelerator> table = [] {
        std::vector<Accelerator> keys;
        for (const CommandRow& row : commandRows())
            if (row.key != noKey)
                keys.push_back({row.key, row.modifiers, row.command});
        return keys;
    }();
    return table;
}

const std::vector<MenuResource>& menuResources()
{
    static const std::vector<MenuResource> menus = {
        {"MENU_1",
         {popup("&Quiz", {command(cmd::New), command(cmd::Open), command(cmd::PrintList),
                          separator(), command(cmd::Exit)}),
          popup("&List", {command(cmd::Add), command(cmd::Delete), command(cmd::Change),
                          command(cmd::Sort)}),
          command(cmd::Practice), helpPopup()}},
        {"MENU_2",
         {popup("&Practice", {command(cmd::PrintResults), command(cmd::QuitPractice),
                              command(cmd::Exit, exitProgram)}),
          helpPopup()}},
        // No mode shows this one; it is kept with the others.
        {"MENU_3",
         {popup("&Quiz", {command(cmd::Return), command(cmd::Exit, exitProgram)}), helpPopup()}},
        {"MENU_4", {command(cmd::PrintQuiz), command(cmd::DontPrint), helpPopup()}},
    };
    return menus;
}

const MenuResource& menuResource(const std::string& name)
{
    for (const MenuResource& menu : menuResources())
        if (menu.name == name)
            return menu;
    throw std::out_of_range("no menu resource " + name);
}
