#pragma once
// Command ids of the text windows' menus ("TEXTMENU", "NOTEMENU", "TABLEMENU", "DATAMENU").
namespace korvane::cmd {

inline constexpr int kTextOpen = 59;
inline constexpr int kTextSave = 57;
inline constexpr int kTextSaveAs = 58;
inline constexpr int kTextPrint = 97;
inline constexpr int kTextOffsets = 304;
inline constexpr int kTextPrinterSetup = 93;
inline constexpr int kTextCopy = 95;
inline constexpr int kTextCut = 96;
inline constexpr int kTextPaste = 99;
inline constexpr int kTextSelectAll = 119;
inline constexpr int kTextSearch = 353;      // F1
inline constexpr int kTextSearchAgain = 352; // F3
inline constexpr int kTextStartAgain = 53;   // F2
inline constexpr int kTextFont = 61;
inline constexpr int kTextMinusSign = 92;
inline constexpr int kTextSearchHelp = 351;
inline constexpr int kTextClose = 357;

} // namespace korvane::cmd
