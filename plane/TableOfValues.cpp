#include "plane/TableOfValues.h"

#include "expr/Evaluator.h"
#include "plane/CurveTracer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace korvane {
namespace {

constexpr const char* kUndefined = "indefinido";

using Row = std::vector<std::string>;

std::string Cell(bool defined, long double v, const NumberFormat& format) {
    return defined && std::isfinite(v) ? format.Format(v) : kUndefined;
}

// Right-aligned columns, two spaces apart.
std::string Align(const std::vector<Row>& rows) {
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const Row& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    std::string out;
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += "  ";
            out += std::string(widths[c] - std::min(widths[c], row[c].size()), ' ') + row[c];
        }
        out += '\n';
    }
    return out;
}

bool At(EvalContext& context, ExprNode* tree, int letter, long double s, long double& v) {
    return tree && EvaluateAt(context, tree, letter, s, v);
}

} // namespace

bool HasTableOfValues(const ExampleRecord& example) {
    const std::int16_t kind = example.Kind();
    return kind == kExplicit || kind == kParametric || kind == kPolar;
}

int CheckTableRange(long double first, long double last, long double steps) {
    if (!std::isfinite(first) || !std::isfinite(last) || !(last > first + 1e-18L) || !(steps >= 1) ||
        steps != std::floor(steps))
        return 6;
    return steps > kMaxTableSteps ? 17 : 0;
}

std::string TableOfValues(EvalContext& context, const ExampleRecord& example, const NumberFormat& format) {
    const long double first = example.Real(exo::kTableFirst), last = example.Real(exo::kTableLast);
    const int steps = example.I16(exo::kTableSteps);
    if (!HasTableOfValues(example) || CheckTableRange(first, last, steps) != 0)
        return {};
    const std::int16_t kind = example.Kind();
    const int letter = PlotVariable(example);
    const ComplexValue saved = context.letterValues[letter];
    const std::string name(1, char(std::tolower('A' + letter - 1)));
    std::vector<Row> rows;
    rows.push_back(kind == kExplicit ? Row{"x", "y"} : kind == kParametric ? Row{name, "x", "y"}
                                                                             : Row{name, "r", "x", "y"});
    for (int i = 0; i <= steps; ++i) {
        const long double s = i == steps ? last : first + (last - first) * i / steps;
        long double x = s, y = 0;
        const bool xDefined = kind == kExplicit || At(context, example.Tree(0), letter, s, x);
        const bool yDefined = At(context, example.Tree(1), letter, s, y);
        Row row;
        if (kind != kExplicit)
            row.push_back(format.Format(s));
        // r from the compiled x = r cos t and y = r sin t, which keep r's sign.
        if (kind == kPolar)
            row.push_back(Cell(xDefined && yDefined, x * std::cos(s) + y * std::sin(s), format));
        row.push_back(Cell(xDefined, x, format));
        row.push_back(Cell(yDefined, y, format));
        rows.push_back(std::move(row));
    }
    context.letterValues[letter] = saved;
    return Align(rows);
}

} // namespace korvane
