#pragma once
// The export settings of a window, kept for its next export: the kind of file, the width
// of the picture, the box register of the standalone modes and the blank radius around
// labels (negative where a window kind has none).
namespace korvane {

enum TeXMode : int { TeXStandalone = 0, LaTeXStandalone = 1, TeXCompilable = 2, TeXInsertable = 3 };

// The narrowest picture, and the widest TeX can set (its largest box is about 575 cm).
inline constexpr long double kLeastTeXWidth = 0.1L, kMostTeXWidth = 500;

struct TeXSettings {
    int mode = TeXStandalone;
    long double width = 8; // centimetres
    int box = 1;
    long double whitespace = -1;
};

} // namespace korvane
