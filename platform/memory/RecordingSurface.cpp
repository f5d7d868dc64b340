#include "platform/memory/RecordingSurface.h"

#include "platform/memory/RasterSurface.h"

#include <cstdio>

namespace korvane::platform {
namespace {

const char* KindName(Primitive::Kind kind) {
    static const char* const names[] = {"Line", "Polyline", "Polygon", "Rectangle", "FillRect", "Ellipse",
                                        "Arc", "SetPixel", "InvertRect", "TextOut", "Blit"};
    return names[kind];
}

std::string Hex(Rgb c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
    return buffer;
}

int CodePoints(std::string_view text) {
    int n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

std::string Describe(const Primitive& p) {
    std::string out = KindName(p.kind);
    for (const Point& q : p.points)
        out += " (" + std::to_string(q.x) + "," + std::to_string(q.y) + ")";
    if (!p.rect.Empty())
        out += " [" + std::to_string(p.rect.left) + "," + std::to_string(p.rect.top) + "," +
               std::to_string(p.rect.right) + "," + std::to_string(p.rect.bottom) + ")";
    if (!p.text.empty())
        out += " \"" + p.text + "\"";
    static const char* const styles[] = {"Solid", "Dotted", "Dashed", "DashDot", "None"};
    out += " pen " + Hex(p.pen.colour) + " w" + std::to_string(p.pen.width) + " " + styles[int(p.pen.style)];
    if (p.kind == Primitive::FillRect || p.kind == Primitive::SetPixel)
        out += " colour " + Hex(p.colour);
    return out;
}

RecordingSurface::RecordingSurface(Size size) : size_(size) {}

RecordingSurface::RecordingSurface(Surface& below) : below_(&below), size_(below.GetSize()) {}

Size RecordingSurface::GetSize() const { return below_ ? below_->GetSize() : size_; }

std::vector<Primitive> RecordingSurface::OfKind(Primitive::Kind kind) const {
    std::vector<Primitive> found;
    for (const Primitive& p : primitives_)
        if (p.kind == kind)
            found.push_back(p);
    return found;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> texts;
    for (const Primitive& p : primitives_)
        if (p.kind == Primitive::TextOut)
            texts.push_back(p.text);
    return texts;
}

Primitive& RecordingSurface::Record(Primitive::Kind kind) {
    Primitive& p = primitives_.emplace_back(state_);
    p.kind = kind;
    return p;
}

void RecordingSurface::SetPen(const Pen& pen) {
    state_.pen = pen;
    if (below_) below_->SetPen(pen);
}
void RecordingSurface::SetBrush(const Brush& brush) {
    state_.brush = brush;
    if (below_) below_->SetBrush(brush);
}
void RecordingSurface::SetFont(const FontSpec& font) {
    state_.font = font;
    if (below_) below_->SetFont(font);
}
void RecordingSurface::SetTextColour(Rgb colour) {
    state_.textColour = colour;
    if (below_) below_->SetTextColour(colour);
}
void RecordingSurface::SetBackgroundColour(Rgb colour) {
    state_.backgroundColour = colour;
    if (below_) below_->SetBackgroundColour(colour);
}
void RecordingSurface::SetBackgroundMode(BackgroundMode mode) {
    state_.backgroundMode = mode;
    if (below_) below_->SetBackgroundMode(mode);
}
void RecordingSurface::SetTextAlign(int alignFlags) {
    state_.align = alignFlags;
    if (below_) below_->SetTextAlign(alignFlags);
}
void RecordingSurface::SetDrawMode(DrawMode mode) {
    state_.drawMode = mode;
    if (below_) below_->SetDrawMode(mode);
}
void RecordingSurface::SetClip(std::optional<Rect> clip) {
    clip_ = clip;
    if (below_) below_->SetClip(clip);
}

void RecordingSurface::Line(Point from, Point to) {
    Record(Primitive::Line).points = {from, to};
    if (below_) below_->Line(from, to);
}
void RecordingSurface::Polyline(std::span<const Point> points) {
    Record(Primitive::Polyline).points.assign(points.begin(), points.end());
    if (below_) below_->Polyline(points);
}
void RecordingSurface::Polygon(std::span<const Point> points) {
    Record(Primitive::Polygon).points.assign(points.begin(), points.end());
    if (below_) below_->Polygon(points);
}
void RecordingSurface::Rectangle(const Rect& rect) {
    Record(Primitive::Rectangle).rect = rect;
    if (below_) below_->Rectangle(rect);
}
void RecordingSurface::FillRect(const Rect& rect, Rgb colour) {
    Primitive& p = Record(Primitive::FillRect);
    p.rect = rect;
    p.colour = colour;
    if (below_) below_->FillRect(rect, colour);
}
void RecordingSurface::Ellipse(const Rect& bounds) {
    Record(Primitive::Ellipse).rect = bounds;
    if (below_) below_->Ellipse(bounds);
}
void RecordingSurface::Arc(const Rect& bounds, Point start, Point end) {
    Primitive& p = Record(Primitive::Arc);
    p.rect = bounds;
    p.points = {start, end};
    if (below_) below_->Arc(bounds, start, end);
}
void RecordingSurface::SetPixel(Point at, Rgb colour) {
    Primitive& p = Record(Primitive::SetPixel);
    p.points = {at};
    p.colour = colour;
    if (below_) below_->SetPixel(at, colour);
}
std::optional<Rgb> RecordingSurface::GetPixel(Point p) const {
    return below_ ? below_->GetPixel(p) : std::nullopt;
}
void RecordingSurface::InvertRect(const Rect& rect) {
    Record(Primitive::InvertRect).rect = rect;
    if (below_) below_->InvertRect(rect);
}

void RecordingSurface::TextOut(Point at, std::string_view text) {
    Primitive& p = Record(Primitive::TextOut);
    p.points = {at};
    p.text = std::string(text);
    if (below_) below_->TextOut(at, text);
}
Size RecordingSurface::TextExtent(std::string_view text) const {
    if (below_)
        return below_->TextExtent(text);
    const FontMetrics m = RasterSurface::FixedPitchMetrics(state_.font);
    return {CodePoints(text) * m.averageWidth, m.height};
}
FontMetrics RecordingSurface::GetFontMetrics() const {
    return below_ ? below_->GetFontMetrics() : RasterSurface::FixedPitchMetrics(state_.font);
}

void RecordingSurface::Blit(Point to, const Surface& source, const Rect& from, BlitOp op) {
    Primitive& p = Record(Primitive::Blit);
    p.points = {to};
    p.rect = from;
    p.blitOp = op;
    if (below_) below_->Blit(to, source, from, op);
}

} // namespace korvane::platform
