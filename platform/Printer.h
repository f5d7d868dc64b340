#pragma once
// A print job. Sketched: the printing Part fills in page set-up and margins; the shape
// is choose a printer, then pages of a Surface in printer pixels.
#include "platform/Geometry.h"

#include <string>

namespace korvane::platform {

class Surface;
class Window;

class Printer {
public:
    virtual ~Printer() = default;

    // The print dialog; false when the user cancels.
    virtual bool Choose(Window* owner) = 0;
    virtual Size PageSize() const = 0;   // printable area, printer pixels
    virtual int DotsPerInch() const = 0;
    // Starts the document; the surface is the first page, valid until EndDocument.
    virtual Surface* BeginDocument(const std::string& title) = 0;
    virtual void NewPage() = 0;
    // 0 when the job was sent, else a result code.
    virtual int EndDocument() = 0;
};

} // namespace korvane::platform
