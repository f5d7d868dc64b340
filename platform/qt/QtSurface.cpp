#include "platform/qt/QtSurface.h"

#include "platform/SymbolCharset.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace korvane::platform {
namespace {

Qt::PenStyle ToQtPenStyle(PenStyle s) {
    switch (s) {
    case PenStyle::Dotted: return Qt::DotLine;
    case PenStyle::Dashed: return Qt::DashLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::None: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle ToQtBrushStyle(BrushStyle s) {
    switch (s) {
    case BrushStyle::Hollow: return Qt::NoBrush;
    case BrushStyle::HatchHorizontal: return Qt::HorPattern;
    case BrushStyle::HatchVertical: return Qt::VerPattern;
    case BrushStyle::HatchCross: return Qt::CrossPattern;
    case BrushStyle::HatchDiagonal: return Qt::BDiagPattern;
    default: return Qt::SolidPattern;
    }
}

QPolygon ToQPolygon(std::span<const Point> points) {
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    return polygon;
}

// Rectangles exclude their right and bottom edges; Qt's outlines include them.
QRect OutlineRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width() - 1, r.Height() - 1);
}

int ScreenAngle16(const Rect& r, Point p) {
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    const double degrees = std::atan2(-(p.y - cy), p.x - cx) * 180.0 / 3.14159265358979323846;
    return int(std::lround(degrees * 16));
}

} // namespace

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Rgb FromQColor(const QColor& c) {
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

QFont ToQFont(const FontSpec& font) {
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, std::abs(font.height)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

FontSpec FromQFont(const QFont& font) {
    FontSpec request;
    request.face = font.family().toStdString();
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : int(std::lround(font.pointSizeF() * 96.0 / 72.0));
    request.height = std::max(1, pixels);
    request.bold = font.bold();
    request.italic = font.italic();
    request.underline = font.underline();
    return request;
}

QtSurface::QtSurface(Size size, Rgb fill)
    : size_{std::max(0, size.width), std::max(0, size.height)},
      image_(std::make_unique<QImage>(std::max(1, size_.width), std::max(1, size_.height), QImage::Format_RGB32)),
      device_(image_.get()) {
    image_->fill(ToQColor(fill));
    SetPen(Pen{});
    SetBrush(Brush{});
    SetFont(FontSpec{});
}

QtSurface::QtSurface(QPaintDevice* device, Size size) : size_(size), device_(device) {
    SetPen(Pen{});
    SetBrush(Brush{});
    SetFont(FontSpec{});
}

QtSurface::~QtSurface() {
    EndPainting();
}

QPainter& QtSurface::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device_);
        ApplyState(*painter_);
    }
    return *painter_;
}

void QtSurface::EndPainting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

const QImage* QtSurface::Image() const {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    return image_.get();
}

void QtSurface::ApplyState(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(pen_);
    p.setBrush(brush_);
    p.setFont(font_);
    p.setBackground(QBrush(background_));
    p.setBackgroundMode(backgroundMode_ == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (clip_)
        p.setClipRect(*clip_);
    else
        p.setClipping(false);
}

void QtSurface::SetPen(const Pen& pen) {
    pen_ = QPen(ToQColor(pen.colour), std::max(1, pen.width), ToQtPenStyle(pen.style), Qt::SquareCap, Qt::MiterJoin);
    pen_.setCosmetic(pen.width <= 1);
    if (painter_)
        painter_->setPen(pen_);
}

void QtSurface::SetBrush(const Brush& brush) {
    brush_ = QBrush(ToQColor(brush.colour), ToQtBrushStyle(brush.style));
    if (painter_)
        painter_->setBrush(brush_);
}

void QtSurface::SetFont(const FontSpec& font) {
    font_ = ToQFont(font);
    symbol_ = font.symbol;
    angle_ = font.angle;
    if (painter_)
        painter_->setFont(font_);
}

void QtSurface::SetBackgroundColour(Rgb colour) {
    background_ = ToQColor(colour);
    if (painter_)
        painter_->setBackground(QBrush(background_));
}

void QtSurface::SetBackgroundMode(BackgroundMode mode) {
    backgroundMode_ = mode;
    if (painter_)
        painter_->setBackgroundMode(mode == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

void QtSurface::SetClip(std::optional<Rect> clip) {
    clip_.reset();
    if (clip)
        clip_ = QRect(clip->left, clip->top, clip->Width(), clip->Height());
    if (painter_)
        ApplyState(*painter_);
}

QRect QtSurface::PenBounds(const QRect& r) const {
    const int w = std::max(1, pen_.width()) + 1;
    return r.normalized().adjusted(-w, -w, w + 1, w + 1);
}

void QtSurface::Draw(const QRect& bounds, const std::function<void(QPainter&)>& paint) {
    if (drawMode_ == DrawMode::Copy || !image_) {
        paint(Painter());
        return;
    }
    QRect area = bounds & QRect(0, 0, size_.width, size_.height);
    if (clip_)
        area &= *clip_;
    if (area.isEmpty())
        return;
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.translate(-area.topLeft());
        ApplyState(p);
        paint(p);
    }
    Image();
    CombineMask(mask, area.topLeft());
}

void QtSurface::CombineMask(const QImage& mask, QPoint origin) {
    for (int y = 0; y < mask.height(); ++y) {
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(image_->scanLine(origin.y() + y)) + origin.x();
        for (int x = 0; x < mask.width(); ++x) {
            if (qAlpha(m[x]) == 0)
                continue;
            const QRgb s = m[x] & 0xFFFFFF, old = d[x] & 0xFFFFFF;
            QRgb v = old;
            switch (drawMode_) {
            case DrawMode::Xor: v = old ^ s; break;
            case DrawMode::NotXor: v = ~(old ^ s) & 0xFFFFFF; break;
            case DrawMode::Invert: v = ~old & 0xFFFFFF; break;
            case DrawMode::Copy: v = s; break;
            }
            d[x] = 0xFF000000 | v;
        }
    }
}

void QtSurface::Line(Point from, Point to) {
    const QPoint a(from.x, from.y), b(to.x, to.y);
    Draw(PenBounds(QRect(a, b)), [&](QPainter& p) { p.drawLine(a, b); });
}

void QtSurface::Polyline(std::span<const Point> points) {
    if (points.empty())
        return;
    const QPolygon polygon = ToQPolygon(points);
    Draw(PenBounds(polygon.boundingRect()), [&](QPainter& p) {
        if (polygon.size() == 1)
            p.drawPoint(polygon[0]);
        else
            p.drawPolyline(polygon);
    });
}

void QtSurface::Polygon(std::span<const Point> points) {
    if (points.empty())
        return;
    const QPolygon polygon = ToQPolygon(points);
    Draw(PenBounds(polygon.boundingRect()), [&](QPainter& p) { p.drawPolygon(polygon, Qt::OddEvenFill); });
}

void QtSurface::Rectangle(const Rect& rect) {
    if (rect.Empty())
        return;
    const QRect r = OutlineRect(rect);
    Draw(PenBounds(r), [&](QPainter& p) { p.drawRect(r); });
}

void QtSurface::FillRect(const Rect& rect, Rgb colour) {
    if (rect.Empty())
        return;
    QPainter& p = Painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
    p.restore();
}

void QtSurface::Ellipse(const Rect& bounds) {
    if (bounds.Empty())
        return;
    const QRect r = OutlineRect(bounds);
    Draw(PenBounds(r), [&](QPainter& p) { p.drawEllipse(r); });
}

void QtSurface::Arc(const Rect& bounds, Point start, Point end) {
    if (bounds.Empty())
        return;
    const QRect r = OutlineRect(bounds);
    const int from = ScreenAngle16(bounds, start);
    int span = ScreenAngle16(bounds, end) - from;
    if (span <= 0)
        span += 360 * 16;
    Draw(PenBounds(r), [&](QPainter& p) { p.drawArc(r, from, span); });
}

void QtSurface::SetPixel(Point at, Rgb colour) {
    if (at.x < 0 || at.y < 0 || at.x >= size_.width || at.y >= size_.height)
        return;
    if (clip_ && !clip_->contains(at.x, at.y))
        return;
    if (!image_) {
        Painter().fillRect(at.x, at.y, 1, 1, ToQColor(colour));
        return;
    }
    Image();
    image_->setPixel(at.x, at.y, 0xFF000000 | (QRgb(colour.r) << 16) | (QRgb(colour.g) << 8) | colour.b);
}

std::optional<Rgb> QtSurface::GetPixel(Point at) const {
    if (!image_ || at.x < 0 || at.y < 0 || at.x >= size_.width || at.y >= size_.height)
        return std::nullopt;
    const QRgb v = Image()->pixel(at.x, at.y);
    return Rgb{std::uint8_t(qRed(v)), std::uint8_t(qGreen(v)), std::uint8_t(qBlue(v))};
}

void QtSurface::InvertRect(const Rect& rect) {
    if (!image_)
        return;
    QRect area = QRect(rect.left, rect.top, rect.Width(), rect.Height()) & QRect(0, 0, size_.width, size_.height);
    if (clip_)
        area &= *clip_;
    Image();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(image_->scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            d[x] = 0xFF000000 | (~d[x] & 0xFFFFFF);
    }
}

QString QtSurface::DisplayText(std::string_view text) const {
    if (symbol_)
        return QString::fromStdString(SymbolToUtf8(text));
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The text's box relative to the reference point, before any rotation.
QRect QtSurface::TextRect(Point, const QString& text) const {
    const QFontMetrics m(font_);
    const int width = m.horizontalAdvance(text);
    int x = 0, y = 0;
    if (align_ & AlignRight)
        x = -width;
    else if (align_ & AlignCenter)
        x = -width / 2;
    if (align_ & AlignBottom)
        y = -m.height();
    else if (align_ & AlignBaseline)
        y = -m.ascent();
    return QRect(x, y, width, m.height());
}

void QtSurface::TextOut(Point at, std::string_view text) {
    const QString s = DisplayText(text);
    const QRect box = TextRect(at, s);
    const int ascent = QFontMetrics(font_).ascent();
    QTransform place;
    place.translate(at.x, at.y);
    place.rotate(-angle_ / 10.0);
    const QRect bounds = place.mapRect(box).adjusted(-2, -2, 2, 2);
    Draw(bounds, [&](QPainter& p) {
        p.save();
        p.setTransform(place, true);
        if (backgroundMode_ == BackgroundMode::Opaque)
            p.fillRect(box, background_);
        p.setBackgroundMode(Qt::TransparentMode);
        p.setPen(ToQColor(textColour_));
        p.drawText(QPoint(box.left(), box.top() + ascent), s);
        p.restore();
    });
}

Size QtSurface::TextExtent(std::string_view text) const {
    const QFontMetrics m(font_);
    return {m.horizontalAdvance(DisplayText(text)), m.height()};
}

FontMetrics QtSurface::GetFontMetrics() const {
    const QFontMetrics m(font_);
    return {m.ascent(), m.descent(), m.height(), m.averageCharWidth()};
}

void QtSurface::Blit(Point to, const Surface& source, const Rect& from, BlitOp op) {
    if (from.Empty())
        return;
    if (op == BlitOp::InvertDest) {
        InvertRect(Rect::FromSize(to, {from.Width(), from.Height()}));
        return;
    }
    const QRect sourceRect(from.left, from.top, from.Width(), from.Height());
    QImage pixels;
    if (const auto* qt = dynamic_cast<const QtSurface*>(&source); qt && qt->Image()) {
        pixels = qt->Image()->copy(sourceRect); // a copy, so a surface can blit onto itself
    } else {
        pixels = QImage(sourceRect.size(), QImage::Format_RGB32);
        pixels.fill(Qt::white);
        for (int y = 0; y < sourceRect.height(); ++y)
            for (int x = 0; x < sourceRect.width(); ++x)
                if (auto c = source.GetPixel({from.left + x, from.top + y}))
                    pixels.setPixel(x, y, 0xFF000000 | (QRgb(c->r) << 16) | (QRgb(c->g) << 8) | c->b);
    }
    QPainter& p = Painter();
    p.save();
    if (image_) {
        switch (op) {
        case BlitOp::Xor: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
        case BlitOp::And: p.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
        case BlitOp::Or: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
        default: p.setCompositionMode(QPainter::CompositionMode_Source); break;
        }
    }
    p.drawImage(QPoint(to.x, to.y), pixels);
    p.restore();
}

} // namespace korvane::platform
