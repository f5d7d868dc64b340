#include "platform/qt/QtPrinter.h"

#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"

#include <QPrintDialog>
#include <QPrinter>

namespace korvane::platform {

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtPrinter::~QtPrinter() {
    page_.reset();
}

bool QtPrinter::Choose(Window* owner) {
    auto* window = dynamic_cast<QtWindow*>(owner);
    QPrintDialog dialog(printer_.get(), window ? window->Widget() : nullptr);
    return dialog.exec() == QDialog::Accepted;
}

Size QtPrinter::PageSize() const {
    const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return {page.width(), page.height()};
}

int QtPrinter::DotsPerInch() const { return printer_->resolution(); }

Surface* QtPrinter::BeginDocument(const std::string& title) {
    printer_->setDocName(QString::fromStdString(title));
    page_ = std::make_unique<QtSurface>(printer_.get(), PageSize());
    return page_.get();
}

void QtPrinter::NewPage() {
    if (page_)
        printer_->newPage();
}

int QtPrinter::EndDocument() {
    if (!page_)
        return 0;
    page_->EndPainting();
    page_.reset();
    return printer_->printerState() == QPrinter::Error ? 11 : 0;
}

} // namespace korvane::platform
