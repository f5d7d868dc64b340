#pragma once
// The data of a map at one point, as the mapper's right button shows it in the window
// "data": the image and the derivatives (plane mode: the four partial derivatives and
// their determinant; complex mode: F'(z) and its modulus).
#include "expr/EvalContext.h"
#include "graph/GraphStyle.h"
#include "plane/ExampleRecord.h"

#include <optional>
#include <string>

namespace korvane {

struct MapJacobian {
    long double x = 0, y = 0;
    // Plane mode: U, V and dU/dx, dU/dy, dV/dx, dV/dy. Complex mode: Re F, Im F and
    // Re F', Im F' in the first two derivative places.
    std::optional<long double> u, v;
    std::optional<long double> d[4];
    bool complex = false;

    std::optional<long double> Determinant() const;
    std::optional<long double> DerivativeModulus() const;
};

// Evaluates the map record (compiled with its derivatives) at (x, y); the letters keep
// their values.
MapJacobian EvaluateMapJacobian(EvalContext& eval, const ExampleRecord& map, long double x, long double y);

// The text of the window "data", one quantity a line, numbers in the window's format and
// "indefinido" where undefined.
std::string MapJacobianText(const MapJacobian& j, const NumberFormat& format);

} // namespace korvane
