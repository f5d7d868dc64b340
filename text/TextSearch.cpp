#include "text/TextSearch.h"


#include <algorithm>
#include <cmath>

namespace korvane {
namespace {

// Case folding of the letters that Portuguese texts use: ASCII and Latin-1.
char32_t Fold(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

} // namespace

int FindWithoutCase(std::u32string_view text, std::u32string_view word, int from) {
    if (word.empty() || from < 0)
        return -1;
    const auto equal = [](char32_t a, char32_t b) { return Fold(a) == Fold(b); };
    if (std::size_t(from) > text.size())
        return -1;
    const auto found = std::search(text.begin() + from, text.end(), word.begin(), word.end(), equal);
    return found == text.end() ? -1 : int(found - text.begin());
}

std::vector<PrintedPage> PaginateText(std::u32string_view text, int linesPerPage) {
    linesPerPage = std::max(1, linesPerPage);
    std::vector<PrintedPage> pages(1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of(U"\r\n\f", pos);
        const std::size_t stop = end == std::u32string_view::npos ? text.size() : end;
        if (int(pages.back().size()) == linesPerPage)
            pages.emplace_back();
        pages.back().emplace_back(text.substr(pos, stop - pos));
        pos = stop;
        if (pos >= text.size())
            break;
        const char32_t ender = text[pos];
        pos += (ender == U'\r' && pos + 1 < text.size() && text[pos + 1] == U'\n') ? 2 : 1;
        if (ender == U'\f' && pos < text.size())
            pages.emplace_back();
    }
    return pages;
}

int LinesPerPage(double pageWidthInches, double topOffsetInches, int dotsPerInch, int lineHeight) {
    const double usable = (pageWidthInches <= 9 ? 10.0 : 7.5) - topOffsetInches;
    const long long dots = std::llround(usable * dotsPerInch);
    return lineHeight > 0 ? std::max(1, int(dots / lineHeight)) : 1;
}

} // namespace korvane
