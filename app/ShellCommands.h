#pragma once
// Command ids of the frame's menu "PLOTMENU".
namespace korvane {

inline constexpr int kCommandPlane = 402;
inline constexpr int kCommandSpace = 403;
inline constexpr int kCommandGuess = 404;
inline constexpr int kCommandMapper = 405;
inline constexpr int kCommandOpenLast = 48;
inline constexpr int kCommandUseDefaults = 49;
inline constexpr int kCommandExit = 24310; // the platform's standard exit: closes the window
inline constexpr int kCommandHelp = 354;
inline constexpr int kCommandAbout = 355;

} // namespace korvane
