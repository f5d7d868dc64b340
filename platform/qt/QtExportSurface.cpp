#include "platform/qt/QtExportSurface.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace korvane::platform {
namespace {

constexpr int kCannotWrite = 11;
constexpr int kPdfDpi = 96;

std::string Extension(const std::string& path) {
    std::string ext = QFileInfo(QString::fromStdString(path)).suffix().toLower().toStdString();
    return ext;
}

ExportTarget TargetFor(std::unique_ptr<QPaintDevice> device, Size size) {
    ExportTarget target;
    if (!device) {
        target.surface = std::make_unique<QtSurface>(size);
        return target;
    }
    target.surface = std::make_unique<QtSurface>(device.get(), size);
    target.device = std::move(device);
    // Files start white, as a new raster surface does.
    target.surface->FillRect(Rect::FromSize({0, 0}, size), kWhite);
    return target;
}

} // namespace

std::unique_ptr<QtExportSurface> QtExportSurface::Create(const std::string& path, Size size) {
    size = {std::max(1, size.width), std::max(1, size.height)};
    const std::string ext = Extension(path);
    const QString file = QString::fromStdString(path);
    if (ext == "png")
        return std::unique_ptr<QtExportSurface>(new QtExportSurface(Format::Png, path, TargetFor(nullptr, size)));
    if (ext == "svg") {
        auto svg = std::make_unique<QSvgGenerator>();
        svg->setFileName(file);
        svg->setSize(QSize(size.width, size.height));
        svg->setViewBox(QRect(0, 0, size.width, size.height));
        svg->setResolution(kPdfDpi);
        svg->setTitle(QFileInfo(file).completeBaseName());
        return std::unique_ptr<QtExportSurface>(new QtExportSurface(Format::Svg, path, TargetFor(std::move(svg), size)));
    }
    if (ext == "pdf") {
        auto pdf = std::make_unique<QPdfWriter>(file);
        pdf->setResolution(kPdfDpi);
        const QSizeF points(size.width * 72.0 / kPdfDpi, size.height * 72.0 / kPdfDpi);
        pdf->setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
        return std::unique_ptr<QtExportSurface>(new QtExportSurface(Format::Pdf, path, TargetFor(std::move(pdf), size)));
    }
    return nullptr;
}

QtExportSurface::QtExportSurface(Format format, const std::string& path, ExportTarget target)
    : ExportTarget(std::move(target)), ForwardingSurface(*surface), format_(format), path_(path) {}

QtExportSurface::~QtExportSurface() {
    // The painter must end before its device goes.
    surface.reset();
}

int QtExportSurface::Finish() {
    if (finished_)
        return 0;
    finished_ = true;
    const QString file = QString::fromStdString(path_);
    if (format_ == Format::Png)
        return surface->Image()->save(file, "PNG") ? 0 : kCannotWrite;
    surface->EndPainting();
    const QFileInfo written(file);
    return written.exists() && written.size() > 0 ? 0 : kCannotWrite;
}

} // namespace korvane::platform
