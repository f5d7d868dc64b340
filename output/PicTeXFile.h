#pragma once
// The frame of a PiCTeX file around the picture: the header of its mode, the coordinate
// system that makes the picture TeXWidth wide with the window's proportions, the four
// invisible corners that fix its extent, and the end.
#include "graph/GraphStyle.h"
#include "graph/View.h"
#include "output/TeXSettings.h"

#include <string>

namespace korvane {

// Centimetres per world unit across and up.
long double PicTeXUnitX(const TeXSettings& settings, const View& view);
long double PicTeXUnitY(const TeXSettings& settings, const View& view);

// Everything before the picture, through \setlinear; CR LF line ends.
std::string PicTeXHeader(const TeXSettings& settings, const View& view, const NumberFormat& format);
// \endpicture, and the box's brace in the standalone modes.
std::string PicTeXFooter(const TeXSettings& settings);
// Two pictures written in an insertable mode, put side by side 5 mm apart as one picture
// of the settings' mode: in the standalone modes one box holds both.
std::string PicTeXSideBySide(const TeXSettings& settings, const std::string& left, const std::string& right);

} // namespace korvane
