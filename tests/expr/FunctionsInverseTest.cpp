// The complex inverse functions are true inverses, and agree with real mode wherever
// real mode defines them.
#include <gtest/gtest.h>

#include <vector>

#include "expr/BuiltinFunctions.h"
#include "expr/EvalContext.h"
#include "expr/Opcodes.h"
#include "tests/support/Tolerance.h"

namespace korvane {
namespace {

struct InversePair {
    const char* name;
    int function;
    int inverse;
};

constexpr InversePair kPairs[] = {
    {"sin/arcsin", op::Sin, op::Arcsin},     {"cos/arccos", op::Cos, op::Arccos},
    {"tan/arctan", op::Tan, op::Arctan},     {"cot/arccot", op::Cot, op::Arccot},
    {"sinh/argsinh", op::Sinh, op::Argsinh}, {"cosh/argcosh", op::Cosh, op::Argcosh},
    {"tanh/argtanh", op::Tanh, op::Argtanh}, {"coth/argcoth", op::Coth, op::Argcoth},
};

bool Apply(bool complexMode, int opcode, const ComplexValue& z, ComplexValue& result) {
    EvalContext ctx;
    ctx.complexMode = complexMode;
    return EvaluateFunction(ctx, opcode, kComplexZero, z, result);
}

std::vector<ComplexValue> Grid() {
    std::vector<ComplexValue> points;
    for (long double re = -3.1L; re <= 3.2L; re += 0.37L)
        for (long double im = -2.9L; im <= 3.0L; im += 0.41L)
            points.push_back({re, im});
    return points;
}

TEST(FunctionsInverse, FunctionOfInverseGivesTheArgumentBack) {
    for (const InversePair& pair : kPairs) {
        for (const ComplexValue& z : Grid()) {
            SCOPED_TRACE(::testing::Message() << pair.name << " at " << testing::Show(z));
            ComplexValue w;
            ComplexValue back;
            ASSERT_TRUE(Apply(true, pair.inverse, z, w));
            ASSERT_TRUE(Apply(true, pair.function, w, back)) << "inverse gave " << testing::Show(w);
            EXPECT_TRUE(testing::Close(back, z, 1e-15L)) << "got back " << testing::Show(back);
        }
    }
}

TEST(FunctionsInverse, ComplexModeAgreesWithRealModeOnTheRealAxis) {
    const int opcodes[] = {op::Arcsin, op::Arccos, op::Arctan, op::Arccot, op::Argsinh,
                           op::Argcosh, op::Argtanh, op::Argcoth, op::Sqrt, op::Ln, op::Exp,
                           op::Sin, op::Cos, op::Tan, op::Sinh, op::Cosh, op::Tanh, op::Coth};
    for (int opcode : opcodes) {
        int compared = 0; // points in the function's real domain
        for (long double x = -4.05L; x <= 4.1L; x += 0.1L) {
            SCOPED_TRACE(::testing::Message() << "opcode " << opcode << " at " << x);
            ComplexValue real;
            ComplexValue complex;
            if (!Apply(false, opcode, {x, 0}, real))
                continue;
            ASSERT_TRUE(Apply(true, opcode, {x, 0}, complex));
            EXPECT_TRUE(testing::Close(complex, real, 1e-17L)) << "complex " << testing::Show(complex)
                                                               << ", real " << testing::Show(real);
            ++compared;
        }
        EXPECT_GE(compared, 20) << "opcode " << opcode;
    }
}

} // namespace
} // namespace korvane
