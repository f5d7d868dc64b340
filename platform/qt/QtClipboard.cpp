#include "platform/qt/QtClipboard.h"

#include "platform/qt/QtSurface.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace korvane::platform {
namespace {

constexpr const char* kSvgMime = "image/svg+xml";

QImage PixelsOf(const Surface& picture) {
    if (const auto* qt = dynamic_cast<const QtSurface*>(&picture); qt && qt->Image())
        return qt->Image()->copy();
    const Size size = picture.GetSize();
    QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            if (auto c = picture.GetPixel({x, y}))
                image.setPixel(x, y, qRgb(c->r, c->g, c->b));
    return image;
}

} // namespace

void QtClipboard::SetText(const std::string& utf8) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

std::optional<std::string> QtClipboard::GetText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text().toStdString();
}

void QtClipboard::SetImage(const Surface& picture) {
    QGuiApplication::clipboard()->setImage(PixelsOf(picture));
}

bool QtClipboard::HasImage() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage();
}

std::unique_ptr<Surface> QtClipboard::GetImage() const {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull())
        return nullptr;
    auto surface = std::make_unique<QtSurface>(Size{image.width(), image.height()});
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb v = rgb.pixel(x, y);
            surface->SetPixel({x, y}, {std::uint8_t(qRed(v)), std::uint8_t(qGreen(v)), std::uint8_t(qBlue(v))});
        }
    return surface;
}

void QtClipboard::SetSvg(const std::string& svgBytes) {
    auto* data = new QMimeData;
    data->setData(kSvgMime, QByteArray(svgBytes.data(), qsizetype(svgBytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::SetPicture(const std::string& svgBytes, const Surface& pixels) {
    auto* data = new QMimeData;
    data->setData(kSvgMime, QByteArray(svgBytes.data(), qsizetype(svgBytes.size())));
    data->setImageData(PixelsOf(pixels));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<std::string> QtClipboard::GetSvg() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(kSvgMime))
        return std::nullopt;
    return data->data(kSvgMime).toStdString();
}

std::optional<std::vector<std::uint8_t>> QtClipboard::GetPictureData() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return std::nullopt;
    QByteArray bytes;
    if (data->hasFormat(kSvgMime)) {
        bytes = data->data(kSvgMime);
    } else if (data->hasImage()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!qvariant_cast<QImage>(data->imageData()).save(&buffer, "PNG"))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace korvane::platform
