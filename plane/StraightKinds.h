#pragma once
// Lines and segments, and the pieces that the simple geometric kinds (lines, segments,
// points, cycloids) share: the example's pen, the family loop and world segments drawn
// through the view.
#include <functional>

#include "graph/View.h"
#include "plane/PlaneDrawing.h"

namespace korvane {

// The pen of a line or segment: colour and width of the example, style from the radio
// choice at byte 16 (0 solid, 1 dotted, 2 dashed); a solid choice takes the style that
// the pen attribute names (1 dashed, 2 dotted, 3 dash-dot).
platform::Pen StraightPen(const PlaneDrawContext& context, const ExampleRecord& example);
// The style a pen attribute names (0 solid, 1 dashed, 2 dotted, 3 dash-dot, 5 none).
platform::PenStyle AttributeStyle(int attribute);

// Evaluates a compiled slot and gives its real part; false when the slot is empty or the
// value is undefined.
bool EvaluateReal(EvalContext& eval, ExprNode* tree, long double& out);

// What one family member's drawing asks of the loop.
inline constexpr int kEndExample = -1;

// Runs `member` once, or once per member of the example's family with the family letter
// set to each value in turn; the letter gets its own value back at the end. `member`
// returns the last key it read (0 none) or kEndExample. The keyboard is polled after
// every member; S ends the loop. A negative family count shows the picture and pauses
// after each member. Returns the last key read.
int ForEachFamilyMember(PlaneDrawContext& context, const ExampleRecord& example,
                        const std::function<int()>& member);

// Draws the world segment with the current pen: a line on screen and on paper, a
// two-point polyline in picture-export mode.
void DrawWorldSegment(PlaneDrawContext& context, long double x0, long double y0, long double x1,
                      long double y1);

// The piece of ax + by = c inside the window less one pixel on every side; false when
// the line misses it or a = b = 0.
bool LineInWindow(const View& view, long double a, long double b, long double c, long double& x0,
                  long double& y0, long double& x1, long double& y1);

} // namespace korvane
