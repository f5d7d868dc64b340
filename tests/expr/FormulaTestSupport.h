#pragma once
// Compiles and evaluates formula texts for the compiler and evaluator tests.
#include <initializer_list>
#include <string>
#include <utility>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"

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

inline Outcome Evaluate(const std::string& text, std::initializer_list<Letter> letters = {},
                        bool complexMode = false, bool optimize = true) {
    Formulas formulas(complexMode, optimize);
    return formulas.Run(text, letters);
}

inline int CompileCode(const std::string& text, bool complexMode = false) {
    Formulas formulas(complexMode);
    return formulas.compiler.CompileFormula(text);
}

} // namespace korvane::testing
