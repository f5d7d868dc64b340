#pragma once
// Command ids of the plane window's menus.
namespace korvane::cmd {

// "&Arquivo"
inline constexpr int kNew = 24301;
inline constexpr int kOpen = 24302;
inline constexpr int kSave = 24303;
inline constexpr int kSaveAs = 24304;
inline constexpr int kNotebook = 75;
inline constexpr int kPassword = 76;
inline constexpr int kAuthor = 77;

// "&Equação": a new example of each kind.
inline constexpr int kNewExplicit = 901;
inline constexpr int kNewParametric = 902;
inline constexpr int kNewImplicit = 903;
inline constexpr int kNewPolar = 904;
inline constexpr int kNewPolynomial = 905;
inline constexpr int kNewSegmentXY = 906;
inline constexpr int kNewSegmentRT = 907;
inline constexpr int kNewCycloid = 908;
inline constexpr int kNewLine = 909;
inline constexpr int kNewPointXY = 910;
inline constexpr int kNewPointRT = 911;
inline constexpr int kNewSystem = 912;   // dy/dt
inline constexpr int kNewSlopeField = 913; // dy/dx
inline constexpr int kNewRecursive = 914;
inline constexpr int kNewPointList = 915;
inline constexpr int kNewIndefinite = 916; // in menu "Um"
inline constexpr int kInventory = 920;
inline constexpr int kToggleAllPoints = 921;
inline constexpr int kToggleAllEquations = 922;
inline constexpr int kRedraw = 923; // F5
inline constexpr int kWindowHelp = 360; // the window kind's help text

// Window switches and tolerances.
inline constexpr int kConnectPoints = 702;
inline constexpr int kNullVector = 732;
inline constexpr int kLoopTolerance = 733;
inline constexpr int kSharpAngles = 734;
inline constexpr int kInfiniteSlope = 790;
inline constexpr int kResearchImplicit = 810;
inline constexpr int kShadeImplicit = 769;

// Initial-value problems (menu "Um") and the trajectory mouse mode.
inline constexpr int kTrajectoryDyDx = 930;
inline constexpr int kTrajectoryDyDt = 931;
inline constexpr int kSequences = 932;
inline constexpr int kMouseData = 126; // the example that mode 125 marks

} // namespace korvane::cmd

namespace korvane::cmd {

// "Anim": the slider of the symbol parameter (600) and of A..W (601..623).
inline constexpr int kSymbolSlider = 600;
inline constexpr int kSliderSteps = 1169;
inline constexpr int kLinkedLetters = 627;
inline constexpr int kLinkedWindow = 874;

} // namespace korvane::cmd
