#pragma once
// Compiles and evaluates formula texts for the compiler and evaluator tests.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "tests/support/Tolerance.h"

namespace korvane::testing {

struct Letter {
    char name;
    ComplexValue value;
};

struct Outcome {
    int code = 0;
    bool defined = false;
    ComplexValue value;
};

// A window's parser and context with a fixed random seed, so runs repeat.
struct Formulas {
    RandomGenerator random{20021};
    EvalContext ctx;
    FormulaCompiler compiler{ctx};

    explicit Formulas(bool complexMode = false, bool optimize = true) {
        ctx.random = &random;
        compiler.SetComplexMode(complexMode);
        compiler.SetOptimize(optimize);
    }

    void Set(std::initializer_list<Letter> letters) {
        for (const Letter& l : letters)
            ctx.letterValues[l.name - '@'] = l.value;
    }

    Outcome Run(const std::string& text, std::initializer_list<Letter> letters = {}) {
        Set(letters);
        Outcome out;
        out.code = compiler.CompileFormula(text);
        if (out.code != 0)
            return out;
        ExprTree tree = compiler.TakeResult();
        Set(letters); // the optimiser's test evaluations put the letters back, but be sure
        out.defined = EvaluateNode(ctx, tree.root);
        out.value = tree.root->value;
        return out;
    }
};

// Trees built from nodes, as the derivative and other parts of the program build them.
struct Built {
    ExprTree tree;
    ExprNode* Const(long double re, long double im = 0) { return tree.NewConstant({re, im}); }
    ExprNode* Node(short op, ExprNode* l = nullptr, ExprNode* r = nullptr, ExprNode* t = nullptr) {
        ExprNode* n = tree.NewNode(op, l, r);
        n->third = t;
        return n;
    }
};

// The nodes reachable from `n`.
inline std::size_t Reachable(const ExprNode* n) {
    return n ? 1 + Reachable(n->left) + Reachable(n->third) + Reachable(n->right) : 0;
}

struct ValueRow {
    std::string text;
    std::vector<Letter> letters;
    bool defined;
    long double re = 0, im = 0;
};

// Every row compiled with its letters set and evaluated, optimised and not.
inline void ExpectValues(const std::vector<ValueRow>& rows, bool complexMode = false,
                         long double tolerance = 1e-15L) {
    for (const ValueRow& row : rows) {
        for (bool optimize : {true, false}) {
            SCOPED_TRACE(::testing::Message() << '"' << row.text << "\" = " << row.re << " + "
                                              << row.im << "i, optimize " << optimize);
            Formulas formulas(complexMode, optimize);
            for (const Letter& l : row.letters)
                formulas.ctx.letterValues[l.name - '@'] = l.value;
            const Outcome out = formulas.Run(row.text);
            ASSERT_EQ(out.code, 0);
            EXPECT_EQ(out.defined, row.defined);
            if (row.defined && out.defined) {
                EXPECT_TRUE(Close(out.value, {row.re, row.im}, tolerance)) << Show(out.value);
            }
        }
    }
}

inline bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0; // the 80 bits of the x87 format, not the padding
}

// Two evaluations that must agree in the flag, the value's bits (also of an undefined value
// when `undefinedBits`), nearBreak, every letter and the random state.
inline void ExpectSameRun(const Formulas& a, bool aDefined, long double aValue, const Formulas& b,
                          bool bDefined, long double bValue, bool undefinedBits) {
    EXPECT_EQ(aDefined, bDefined);
    if (bDefined || undefinedBits) {
        EXPECT_TRUE(SameBits(aValue, bValue)) << double(aValue) << " vs " << double(bValue);
    }
    EXPECT_EQ(a.ctx.nearBreak, b.ctx.nearBreak);
    EXPECT_EQ(a.random.State(), b.random.State());
    for (int slot = 0; slot < kLetterCount; ++slot) {
        const ComplexValue& u = a.ctx.letterValues[slot];
        const ComplexValue& v = b.ctx.letterValues[slot];
        EXPECT_TRUE(SameBits(u.re, v.re) && SameBits(u.im, v.im)) << "letter slot " << slot;
    }
}

} // namespace korvane::testing
