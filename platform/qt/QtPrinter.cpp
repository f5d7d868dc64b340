#include "platform/qt/QtPrinter.h"

#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace korvane::platform {

namespace {

QWidget* ParentOf(Window* owner) {
    auto* window = dynamic_cast<QtWindow*>(owner);
    return window ? window->Widget() : nullptr;
}

} // namespace

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::ScreenResolution)) {}

QtPrinter::~QtPrinter() { page_.reset(); }

bool QtPrinter::Choose(Window* owner) {
    QPrintDialog dialog(printer_.get(), ParentOf(owner));
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::Setup(Window* owner) {
    QPageSetupDialog dialog(printer_.get(), ParentOf(owner));
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::Preview(Window* owner, const std::function<void(Printer&)>& print) {
    QPrintPreviewDialog dialog(printer_.get(), ParentOf(owner));
    dialog.setWindowTitle(QString::fromUtf8("Visualizar impressão"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [this, &print](QPrinter*) { print(*this); });
    return dialog.exec() == QDialog::Accepted;
}

PageInfo QtPrinter::Page() const {
    const int dpi = printer_->resolution();
    const QRect paper = printer_->pageLayout().fullRectPixels(dpi);
    const QRect printable = printer_->pageLayout().paintRectPixels(dpi);
    PageInfo page;
    page.dpiX = page.dpiY = dpi;
    page.physicalOffset = {printable.left() - paper.left(), printable.top() - paper.top()};
    page.printable = {printable.width(), printable.height()};
    return page;
}

Surface* QtPrinter::BeginDocument(const std::string& title) {
    printer_->setDocName(QString::fromStdString(title));
    page_ = std::make_unique<QtSurface>(printer_.get(), Page().printable);
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

void QtPrinter::Abort() {
    if (!page_)
        return;
    printer_->abort();
    page_->EndPainting();
    page_.reset();
}

} // namespace korvane::platform
