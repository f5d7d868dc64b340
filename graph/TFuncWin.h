#pragma once
// Expression level: the window's evaluation context (letters, registers, flags), and the
// paint sequence over the picture layers.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "expr/UserFunctionLibrary.h"
#include "graph/TZalWinm.h"

namespace korvane {

class TFuncWin : public TZalWinm {
public:
    TFuncWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    EvalContext& Context() { return context_; }
    FormulaCompiler& Compiler() { return compiler_; }
    // The window's user-defined functions, expanded by its compiler.
    UserFunctionLibrary& Functions() { return functions_; }
    // Every numeric field accepts a constant expression ("pi/4", "2e").
    int EvaluateNumber(const std::string& text, long double& value) override;

    // Layer 1 when stale, then the overlay onto layer 0, then layer 0 to the screen.
    void OnPaint(platform::Surface& front) override;
    // How many times the base picture was rebuilt (a repaint that changes nothing keeps it).
    int BaseRebuilds() const { return baseRebuilds_; }

protected:
    EvalContext context_;
    FormulaCompiler compiler_{context_};
    UserFunctionLibrary functions_;

private:
    int baseRebuilds_ = 0;
};

} // namespace korvane
