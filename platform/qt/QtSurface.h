#pragma once
// A Surface drawn with QPainter: on its own QImage (layers, window fronts, PNG files) or
// on another paint device that keeps no pixels (SVG and PDF files, printer pages). The
// inverting draw modes are applied through a mask, so each pixel of a shape changes once.
#include "platform/Surface.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

namespace korvane::platform {

class QtSurface : public Surface {
public:
    explicit QtSurface(Size size, Rgb fill = kWhite);
    // Draws on `device`, which must outlive this surface; `size` is its extent in pixels.
    QtSurface(QPaintDevice* device, Size size);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    // The pixels, with every pending drawing done; null for device surfaces.
    const QImage* Image() const;
    // Ends the painter on the device (device surfaces write their file then).
    void EndPainting();
    // The device surface's painter is kept for the whole document; a printer moves to the
    // next page through it.
    QPainter* ActivePainter() { return &Painter(); }

    Size GetSize() const override { return size_; }
    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override;
    void SetFont(const FontSpec& font) override;
    void SetTextColour(Rgb colour) override { textColour_ = colour; }
    void SetBackgroundColour(Rgb colour) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetTextAlign(int alignFlags) override { align_ = alignFlags; }
    void SetDrawMode(DrawMode mode) override { drawMode_ = mode; }
    void SetClip(std::optional<Rect> clip) override;

    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect& bounds, Point start, Point end) override;
    void SetPixel(Point p, Rgb colour) override;
    std::optional<Rgb> GetPixel(Point p) const override;
    void InvertRect(const Rect& rect) override;

    void TextOut(Point at, std::string_view text) override;
    Size TextExtent(std::string_view text) const override;
    FontMetrics GetFontMetrics() const override;

    void Blit(Point to, const Surface& source, const Rect& from, BlitOp op = BlitOp::Copy) override;

private:
    QPainter& Painter();
    void ApplyState(QPainter& p) const;
    // Runs `paint` with the current state: straight onto the device in Copy mode, else
    // onto a mask over `bounds` that is then combined with the pixels.
    void Draw(const QRect& bounds, const std::function<void(QPainter&)>& paint);
    void CombineMask(const QImage& mask, QPoint origin);
    QString DisplayText(std::string_view text) const;
    QRect TextRect(Point at, const QString& text) const;
    QRect PenBounds(const QRect& r) const;

    Size size_;
    std::unique_ptr<QImage> image_; // null for device surfaces
    QPaintDevice* device_;
    mutable std::unique_ptr<QPainter> painter_;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    bool symbol_ = false;
    int angle_ = 0;
    Rgb textColour_ = kBlack;
    QColor background_ = Qt::white;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    int align_ = AlignLeft | AlignTop;
    DrawMode drawMode_ = DrawMode::Copy;
    std::optional<QRect> clip_;
};

// Conversions at the edge, shared by the Qt classes.
QColor ToQColor(Rgb c);
Rgb FromQColor(const QColor& c);
QFont ToQFont(const FontSpec& font);
FontSpec FromQFont(const QFont& font);

} // namespace korvane::platform
