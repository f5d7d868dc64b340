#pragma once
// Printing a text window's text: lines and pages by the rules of TextSearch.h, one font.
#include "platform/DrawingTools.h"
#include "platform/Printer.h"

#include <string>

namespace korvane {

struct TextPrintJob {
    std::string title;        // the document's name in the print queue
    std::string text;         // UTF-8
    platform::FontSpec font;  // its height is set here from the point size
    int pointSize = 10;
    double leftInches = 0.25; // each raised to 0.25 when smaller
    double topInches = 0.25;
};

// Prints on a printer already chosen; 0, or the printer's code.
int PrintText(platform::Printer& printer, const TextPrintJob& job);

} // namespace korvane
