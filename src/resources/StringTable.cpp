#include "resources/StringTable.h"

#include "resources/CommandIds.h"

#include <map>

std::string commandDescription(int command)
{
    static const std::map<int, std::string> table = {
        {cmd::New, "Creates a new quiz"},
        {cmd::Open, "Opens an existing quiz"},
        {cmd::PrintList, "Prints the current list of cations and anions"},
        {cmd::Add, "Adds a cation or anion to the list"},
        {cmd::Delete, "Deletes a cation or anion from the list"},
        {cmd::Change, "Changes a cation or anion on the list"},
        {cmd::Sort, "Alphabetizes both the cations and anions"},
        {cmd::Practice, "Provides practice in naming and writing formulas of compounds"},
        {cmd::PrintResults, "Prints the results of a practice session"},
        {cmd::QuitPractice, "Quits the practice session"},
        {cmd::Return, "After editing heading creates a quiz"},
        {cmd::PrintQuiz, "Prints the quiz currently displayed"},
        {cmd::DontPrint, "Does not print the quiz currently displayed"},
        {cmd::Exit, "Quits the program"},
        {cmd::HelpIndex, "Provides help for this program."},
        {cmd::UsingHelp, "Describes how to use Window Help"},
    };
    const auto found = table.find(command);
    return found == table.end() ? std::string() : found->second;
}
