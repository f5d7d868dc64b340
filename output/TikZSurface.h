#pragma once
// The TikZ back end: the picture as one tikzpicture in world units, clipped to the window,
// its colours named after the program's colour table by \definecolor lines before it.
#include "output/TeXSettings.h"
#include "output/TextPictureSurface.h"

#include <vector>

namespace korvane {

// The opening of the picture: its units (TeXWidth wide with the window's proportions) and
// the clip to the window, which also fixes the picture's extent.
std::string TikZHeader(const TeXSettings& settings, const View& view, const NumberFormat& format);

class TikZSurface : public TextPictureSurface {
public:
    TikZSurface(const View& view, const NumberFormat& format, platform::Rgb background, platform::Surface* measure)
        : TextPictureSurface(view, format, background, measure) {}

    // The \definecolor lines of every colour drawn so far, in order of first use.
    std::string ColourDefinitions() const;

protected:
    void LineStyle(platform::PenStyle style) override { style_ = style; }
    void Rule(WorldPoint a, WorldPoint b) override { Segment(a, b); }
    void Segment(WorldPoint a, WorldPoint b) override;
    void Path(const std::vector<WorldPoint>& points, bool closed, bool filled) override;
    void Dots(const std::vector<WorldPoint>& points) override;
    void Label(const std::string& text, bool math, TextAnchor anchor, WorldPoint at) override;
    void Mark(WorldPoint at, int size, bool filled) override;
    void Square(WorldPoint centre, long double half, bool filled) override;
    void Bars(const std::vector<std::pair<WorldPoint, WorldPoint>>& boxes, platform::Rgb colour) override;

private:
    std::string Point(WorldPoint p) const;
    // The name of an RGB colour, defined on first use.
    std::string ColourOf(platform::Rgb colour);
    std::string PenOptions();

    platform::PenStyle style_ = platform::PenStyle::Solid;
    std::vector<std::pair<platform::Rgb, std::string>> colours_;
};

} // namespace korvane
