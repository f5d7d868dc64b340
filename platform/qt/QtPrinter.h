#pragma once
// A print job on QPrinter (sketch: no page set-up yet). The pages are one QtSurface on the
// printer, in printer pixels.
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
    Size PageSize() const override;
    int DotsPerInch() const override;
    Surface* BeginDocument(const std::string& title) override;
    void NewPage() override;
    int EndDocument() override;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QtSurface> page_;
};

} // namespace korvane::platform
