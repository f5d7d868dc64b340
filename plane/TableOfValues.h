#pragma once
// The table of values of an example ("tabela", 757): one row per argument between the first
// and last argument of TABLELOHI (bytes 91 and 101, the step count at byte 44), with the
// example's coordinates: x, y for explicit curves; t, x, y for parametric; t, r, x, y for
// polar ones. Undefined values read "indefinido".
#include "expr/EvalContext.h"
#include "graph/GraphStyle.h"
#include "plane/ExampleRecord.h"

#include <string>

namespace korvane {

inline constexpr int kMaxTableSteps = 10000; // more rows than a text window holds

// Whether the example's kind has a table of values.
bool HasTableOfValues(const ExampleRecord& example);
// 0, code 6 when the range is empty or the count not positive, code 17 beyond kMaxTableSteps.
int CheckTableRange(long double first, long double last, long double steps);
// The table as text, its columns aligned; the parameter letter keeps its value.
std::string TableOfValues(EvalContext& context, const ExampleRecord& example, const NumberFormat& format);

} // namespace korvane
