#pragma once
// A print job on QPrinter: CUPS printers and printing to a PDF file alike. The printer
// works at the screen's resolution, so that the pixel sizes of the drawing (widths,
// fonts, ticks) come out as on screen, while the painter keeps the page a vector page.
#include "platform/Printer.h"
#include "platform/qt/QtSurface.h"

#include <memory>

class QPrinter;

namespace korvane::platform {

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool Choose(Window* owner) override;
    bool Setup(Window* owner) override;
    bool Preview(Window* owner, const std::function<void(Printer&)>& print) override;
    PageInfo Page() const override;
    Surface* BeginDocument(const std::string& title) override;
    void NewPage() override;
    int EndDocument() override;
    void Abort() override;

    // Tests print to a file without a dialog.
    QPrinter& Device() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QtSurface> page_;
};

} // namespace korvane::platform
