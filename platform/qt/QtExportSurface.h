#pragma once
// The files a picture can be written to: PNG from a QImage, SVG through QSvgGenerator and
// PDF through QPdfWriter, one page of the picture's size.
#include "platform/ExportSurface.h"
#include "platform/ForwardingSurface.h"
#include "platform/qt/QtSurface.h"

#include <memory>
#include <string>

class QPaintDevice;

namespace korvane::platform {

// The device and the surface drawing on it, made before the forwarding base needs them
// and gone after it (the device outlives the surface's painter).
struct ExportTarget {
    std::unique_ptr<QPaintDevice> device; // null for PNG
    std::unique_ptr<QtSurface> surface;
};

class QtExportSurface : private ExportTarget, public ForwardingSurface<ExportSurface> {
public:
    enum class Format { Png, Svg, Pdf };

    // Null for a path whose extension is none of .png, .svg, .pdf.
    static std::unique_ptr<QtExportSurface> Create(const std::string& path, Size size);
    ~QtExportSurface() override;

    int Finish() override;

private:
    QtExportSurface(Format format, const std::string& path, ExportTarget target);

    Format format_;
    std::string path_;
    bool finished_ = false;
};

} // namespace korvane::platform
