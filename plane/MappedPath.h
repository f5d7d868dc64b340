#pragma once
// Under the window's point map a straight piece of the source view is drawn as the curve
// it goes to: points about a source pixel apart, each mapped, joined where the map holds
// and the image lies in the view. Pieces that follow on from each other make one polyline,
// so dash patterns and picture export see one path.
#include <vector>

#include "plane/PlaneDrawing.h"

namespace korvane {

class MappedPath {
public:
    explicit MappedPath(PlaneDrawContext& context) : context_(context) {}
    ~MappedPath() { Lift(); }
    MappedPath(const MappedPath&) = delete;
    MappedPath& operator=(const MappedPath&) = delete;

    // The image of the piece from (x0, y0) to (x1, y1), in the surface's current pen.
    void Segment(long double x0, long double y0, long double x1, long double y1);
    // Ends the path drawn so far.
    void Lift();

    // The image of a point in pixels of the view; false where the map fails or the image
    // lies outside the view.
    static bool ImagePixel(PlaneDrawContext& context, long double x, long double y, platform::Point& pixel);

private:
    void Put(long double x, long double y);

    PlaneDrawContext& context_;
    std::vector<platform::Point> piece_;
    bool atEnd_ = false; // the last piece ended at (endX_, endY_)
    long double endX_ = 0, endY_ = 0;
};

} // namespace korvane
