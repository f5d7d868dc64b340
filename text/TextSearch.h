#pragma once
// Searching and paging the text of a text window.
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The first place at or after `from` (in characters) where `word` stands, without regard to
// case and not limited to whole words; -1 when there is none or the word is empty.
int FindWithoutCase(std::u32string_view text, std::u32string_view word, int from);

// The printed pages of a text: lines end at CR LF, at LF alone, at a form feed (which also
// ends the page) or at the end; a page takes at most `linesPerPage` lines (at least one).
using PrintedPage = std::vector<std::u32string>;
std::vector<PrintedPage> PaginateText(std::u32string_view text, int linesPerPage);

// The lines a page takes under the printing rules: the usable height is 10 inches on a page
// at most 9 inches wide, else 7.5 inches, less the top offset.
int LinesPerPage(double pageWidthInches, double topOffsetInches, int dotsPerInch, int lineHeight);

} // namespace korvane
