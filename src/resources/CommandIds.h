#pragma once

// Command identifiers, numbered by menu in hundreds.
namespace cmd {
inline constexpr int New = 101;
inline constexpr int Open = 102;
inline constexpr int PrintList = 105;
inline constexpr int Add = 201;
inline constexpr int Delete = 202;
inline constexpr int Change = 203;
inline constexpr int Sort = 204;
inline constexpr int Practice = 301;
inline constexpr int PrintResults = 401;
inline constexpr int QuitPractice = 402;
inline constexpr int Return = 601;
inline constexpr int PrintQuiz = 602;
inline constexpr int DontPrint = 603;
inline constexpr int HelpIndex = 901;
inline constexpr int UsingHelp = 902;
inline constexpr int Exit = 24340;
} // namespace cmd
