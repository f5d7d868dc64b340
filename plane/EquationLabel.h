#pragma once
// The equations the inventory's "mostrar equa" puts on the graph: one line per example,
// stacked in the client area's upper left corner, in the example's colour.
#include <string>
#include <string_view>
#include <vector>

#include "plane/DocumentState.h"
#include "plane/PlaneDrawing.h"
#include "platform/DrawingTools.h"

namespace korvane {

inline constexpr std::size_t kEquationLabelCharacters = 60;

// The first 60 characters of the text, never cutting one of its UTF-8 sequences apart.
std::string EquationLabelText(std::string_view text);

// A document keeps the shown equations in its list of equation labels, one 179-byte item
// each: the example's index (int16 at 0), its colour index (int16 at 2) and the label's
// text, zero-terminated, from byte 4. The list of a document copy of the table, whose
// byte 49 is then cleared (the records do not keep it).
std::vector<TextItem> TakeEquationLabels(ExampleTable& examples);
// Shows the equations a document lists; an item naming no example of the table is left
// out. Byte 49 that an older document set stays set.
void ShowListedEquations(const std::vector<TextItem>& labels, ExampleTable& examples);

// Writes the label of every shown example whose byte 49 is set; a line that would leave
// the client area at the bottom is left out, with the ones after it.
void DrawEquationLabels(PlaneDrawContext& context, const platform::FontSpec& font);

} // namespace korvane
