#pragma once
// Command ids of the space window's menu.
namespace korvane::cmd {

// Observer ("&Observador").
inline constexpr int kObserverDialog = 981;
inline constexpr int kApproach = 982;
inline constexpr int kMoveAway = 983;
inline constexpr int kTurnRight = 984;
inline constexpr int kTurnBack = 985;
inline constexpr int kMoveVeryFar = 986;
inline constexpr int kRaise = 987;
inline constexpr int kLower = 988;
inline constexpr int kRotationStep = 989;
inline constexpr int kIsometric = 990;
inline constexpr int kRotateAboutOrigin = 991;
inline constexpr int kFitWindow = 764;
inline constexpr int kRotationSlides = 725;
inline constexpr int kSlideCount = 748;
inline constexpr int kAxisExtent = 830;

// View flags.
inline constexpr int kBoxShown = 773;
inline constexpr int kBoxCoordinates = 775;
inline constexpr int kBoxDotted = 794;
inline constexpr int kCubeMode = 700;
inline constexpr int kHideSegments = 776;
inline constexpr int kHideParametric = 788;
inline constexpr int kSpaceAxisNames = 116;
inline constexpr int kPlanarity = 763;

// Surfaces.
inline constexpr int kNewSurfaceExplicit = 1001;
inline constexpr int kNewSurfaceCylindrical = 1002;
inline constexpr int kNewSurfaceParametric = 1003;
inline constexpr int kNewSurfaceSpherical = 1016;
inline constexpr int kNewSurfaceImplicit = 1005;
inline constexpr int kLevelCurves = 796;
inline constexpr int kStereograms = 783;
inline constexpr int kNewCurve = 1004;
inline constexpr int kNewTube = 1006;
inline constexpr int kNewSegment = 1008;
inline constexpr int kNewPoint = 1009;
inline constexpr int kNewCylindricalPoint = 1013;
inline constexpr int kNewSphericalPoint = 1014;
inline constexpr int kNewPlane = 1015;
inline constexpr int kNewSystem = 1010;
inline constexpr int kNewRecursive = 1012;
inline constexpr int kSystemTrajectory = 780;
inline constexpr int kSpaceSequence = 782;
inline constexpr int kAllFast = 826;
inline constexpr int kAllSlow = 827;

} // namespace korvane::cmd
