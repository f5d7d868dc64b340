#include "windows/MapJacobian.h"

#include "expr/Evaluator.h"
#include "plane/ExampleCompiler.h"

#include <cmath>

namespace korvane {

namespace {

constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;
constexpr int kSlotZ = 'Z' - 64;

std::optional<long double> Real(EvalContext& eval, ExprNode* tree) {
    if (!tree || !EvaluateNode(eval, tree))
        return std::nullopt;
    return tree->value.re;
}

std::optional<ComplexValue> Complex(EvalContext& eval, ExprNode* tree) {
    if (!tree || !EvaluateNode(eval, tree))
        return std::nullopt;
    return tree->value;
}

std::string Number(const std::optional<long double>& value, const NumberFormat& format) {
    return value ? format.Format(*value) : "indefinido";
}

std::string ComplexText(const std::optional<long double>& re, const std::optional<long double>& im,
                        const NumberFormat& format) {
    if (!re || !im)
        return "indefinido";
    if (*im == 0)
        return format.Format(*re);
    const std::string imaginary = format.Format(std::fabs(*im)) + "i";
    if (*re == 0)
        return (*im < 0 ? "-" : "") + imaginary;
    return format.Format(*re) + (*im < 0 ? " - " : " + ") + imaginary;
}

} // namespace

std::optional<long double> MapJacobian::Determinant() const {
    if (complex) {
        const auto m = DerivativeModulus();
        return m ? std::optional<long double>(*m * *m) : std::nullopt;
    }
    if (!d[0] || !d[1] || !d[2] || !d[3])
        return std::nullopt;
    return *d[0] * *d[3] - *d[1] * *d[2];
}

std::optional<long double> MapJacobian::DerivativeModulus() const {
    if (!d[0] || !d[1])
        return std::nullopt;
    return std::sqrt(*d[0] * *d[0] + *d[1] * *d[1]);
}

MapJacobian EvaluateMapJacobian(EvalContext& eval, const ExampleRecord& map, long double x, long double y) {
    MapJacobian j;
    j.x = x;
    j.y = y;
    j.complex = map.Kind() == kMapComplex;
    const ComplexValue saved[3] = {eval.letterValues[kSlotX], eval.letterValues[kSlotY], eval.letterValues[kSlotZ]};
    if (j.complex) {
        eval.letterValues[kSlotZ] = {x, y};
        if (const auto f = Complex(eval, map.Tree(0))) {
            j.u = f->re;
            j.v = f->im;
        }
        if (const auto f1 = Complex(eval, map.Tree(kMapDerivativeSlot))) {
            j.d[0] = f1->re;
            j.d[1] = f1->im;
        }
    } else {
        eval.SetLetter(kSlotX, x);
        eval.SetLetter(kSlotY, y);
        j.u = Real(eval, map.Tree(0));
        j.v = Real(eval, map.Tree(1));
        for (int i = 0; i < 4; ++i)
            j.d[i] = Real(eval, map.Tree(kMapDerivativeSlot + i));
    }
    eval.letterValues[kSlotX] = saved[0];
    eval.letterValues[kSlotY] = saved[1];
    eval.letterValues[kSlotZ] = saved[2];
    return j;
}

std::string MapJacobianText(const MapJacobian& j, const NumberFormat& format) {
    if (j.complex) {
        return "z = " + ComplexText(j.x, j.y, format) + "\n" + "F(z) = " + ComplexText(j.u, j.v, format) + "\n" +
               "F'(z) = " + ComplexText(j.d[0], j.d[1], format) + "\n" + "|F'(z)| = " +
               Number(j.DerivativeModulus(), format) + "\n";
    }
    std::string text = "x = " + format.Format(j.x) + "\n" + "y = " + format.Format(j.y) + "\n";
    text += "F(x,y) = " + Number(j.u, format) + "\n" + "G(x,y) = " + Number(j.v, format) + "\n";
    const char* names[4] = {"DxF = ", "DyF = ", "DxG = ", "DyG = "};
    for (int i = 0; i < 4; ++i)
        text += names[i] + Number(j.d[i], format) + "\n";
    return text + "det = " + Number(j.Determinant(), format) + "\n";
}

} // namespace korvane
