#pragma once
// A print job: choose a printer (or set up its page, or look at a preview first), then
// pages of a Surface in printer pixels.
#include "platform/Geometry.h"

#include <functional>
#include <string>

namespace korvane::platform {

class Surface;
class Window;

// What a page offers, in printer pixels: the resolutions, the corner of the printable
// area on the paper and its size.
struct PageInfo {
    int dpiX = 96;
    int dpiY = 96;
    Point physicalOffset;
    Size printable;
};

class Printer {
public:
    virtual ~Printer() = default;

    // The print dialog; false when the user cancels.
    virtual bool Choose(Window* owner) = 0;
    // The page set-up dialog of this printer; false when the user cancels.
    virtual bool Setup(Window* owner) = 0;
    // Shows `print` run on a preview of the pages; the preview's own print button runs it
    // again on the printer. False when it was closed without printing.
    virtual bool Preview(Window* owner, const std::function<void(Printer&)>& print) = 0;
    virtual PageInfo Page() const = 0;
    int DotsPerInch() const { return Page().dpiX; }
    Size PageSize() const { return Page().printable; } // printable area
    // Starts the document; the surface is the first page, valid until EndDocument.
    virtual Surface* BeginDocument(const std::string& title) = 0;
    virtual void NewPage() = 0;
    // 0 when the job was sent, else a result code.
    virtual int EndDocument() = 0;
    // Abandons the job under way.
    virtual void Abort() = 0;
};

} // namespace korvane::platform
