#pragma once

// Command identifiers, numbered by menu in hundreds. commandRows() (resources/Commands.h) has
// what each one shows and does.
namespace cmd {
enum : int {
    New = 101,
    Open = 102,
    PrintList = 105,
    Add = 201,
    Delete = 202,
    Change = 203,
    Sort = 204,
    Practice = 301,
    PrintResults = 401,
    QuitPractice = 402,
    Return = 601,
    PrintQuiz = 602,
    DontPrint = 603,
    HelpIndex = 901,
    UsingHelp = 902,
    Exit = 24340,
};
} // namespace cmd
