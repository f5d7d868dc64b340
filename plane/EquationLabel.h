#pragma once
// The equations the inventory's "mostrar equa" puts on the graph: one line per example,
// stacked in the client area's upper left corner, in the example's colour.
#include <string>
#include <string_view>

#include "plane/PlaneDrawing.h"
#include "platform/DrawingTools.h"

namespace korvane {

inline constexpr std::size_t kEquationLabelCharacters = 60;

// The first 60 characters of the text, never cutting one of its UTF-8 sequences apart.
std::string EquationLabelText(std::string_view text);

// Writes the label of every shown example whose byte 49 is set; a line that would leave
// the client area at the bottom is left out, with the ones after it.
void DrawEquationLabels(PlaneDrawContext& context, const platform::FontSpec& font);

} // namespace korvane
