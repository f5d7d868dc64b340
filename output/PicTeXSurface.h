#pragma once
// The PiCTeX back end: every primitive of the drawing path as a line of PiCTeX between
// \beginpicture and \endpicture, in world units, numbers in the window's format.
#include "output/TextPictureSurface.h"

namespace korvane {

class PicTeXSurface : public TextPictureSurface {
public:
    // `cmPerUnit` is the horizontal scale of \setcoordinatesystem (filled square marks
    // are drawn as thick rules, whose thickness PiCTeX wants in centimetres).
    PicTeXSurface(const View& view, const NumberFormat& format, platform::Rgb background,
                  platform::Surface* measure, long double cmPerUnit)
        : TextPictureSurface(view, format, background, measure), cmPerUnit_(cmPerUnit) {}

protected:
    void LineStyle(platform::PenStyle style) override;
    void Rule(WorldPoint a, WorldPoint b) override;
    void Segment(WorldPoint a, WorldPoint b) override;
    void Path(const std::vector<WorldPoint>& points, bool closed, bool filled) override;
    void Dots(const std::vector<WorldPoint>& points) override;
    void Label(const std::string& text, bool math, TextAnchor anchor, WorldPoint at) override;
    void Mark(WorldPoint at, int size, bool filled) override;
    void Square(WorldPoint centre, long double half, bool filled) override;
    void Bars(const std::vector<std::pair<WorldPoint, WorldPoint>>& boxes, platform::Rgb colour) override;

private:
    long double cmPerUnit_;
};

} // namespace korvane
