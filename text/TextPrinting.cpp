#include "text/TextPrinting.h"

#include "platform/Surface.h"
#include "platform/Utf8.h"
#include "text/TextSearch.h"

#include <algorithm>
#include <cmath>

namespace korvane {

int PrintText(platform::Printer& printer, const TextPrintJob& job) {
    const int dpi = std::max(1, printer.DotsPerInch());
    const double left = std::max(0.25, job.leftInches);
    const double top = std::max(0.25, job.topInches);
    platform::FontSpec font = job.font;
    font.height = std::max(1, int(std::lround(job.pointSize * dpi / 72.0)));
    const double pageWidth = double(printer.PageSize().width) / dpi;
    const int lines = LinesPerPage(pageWidth, top, dpi, font.height);
    const std::vector<PrintedPage> pages = PaginateText(platform::Utf8ToU32(job.text), lines);
    platform::Surface* surface = printer.BeginDocument(job.title);
    if (!surface)
        return 12;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.NewPage();
        surface->SetFont(font);
        surface->SetTextAlign(platform::AlignLeft | platform::AlignTop);
        int y = int(std::lround(top * dpi));
        for (const std::u32string& line : pages[p]) {
            surface->TextOut({int(std::lround(left * dpi)), y}, platform::U32ToUtf8(line));
            y += font.height;
        }
    }
    return printer.EndDocument();
}

} // namespace korvane
