#include "plane/ExampleCompiler.h"

#include "expr/Derivative.h"
#include "expr/Opcodes.h"
#include "expr/TreeOps.h"
#include "plane/CurveTracer.h"

namespace korvane {

namespace {

constexpr short kLetterT = 'T';

// Which text feeds which slot, by kind.
bool IsSpaceKind(int kind) { return kind > 300 && kind < 400; }
bool IsMapKind(int kind) { return kind == kMapComplex || kind == kMapPlane; }

bool CompilesSlot0(int kind) {
    return kind == kParametric || kind == kSegment || kind == kLine || kind == kPoint || kind == kSystem ||
           kind == kRecursive || IsSpaceKind(kind) || IsMapKind(kind);
}

bool CompilesSlot1(const ExampleRecord& e) {
    const int kind = e.Kind();
    if (kind == kExplicit)
        return !e.Flag(exo::kFlag59);
    // The integrand of an indefinite integral is slot 1 as well.
    return kind == kIndefiniteIntegral || kind == kParametric || kind == kSegment || kind == kLine ||
           kind == kPoint || kind == kSystem || kind == kRecursive || IsSpaceKind(kind) || kind == kMapPlane;
}

bool CompilesSlot2(const ExampleRecord& e) {
    const int kind = e.Kind();
    if (kind == kPoint) // the size, when one was given
        return !e.texts[2].empty();
    return kind == kPolar || kind == kImplicit || kind == kSegment || kind == kLine || kind == kSlopeField ||
           IsSpaceKind(kind);
}

bool CompilesSlot3(const ExampleRecord& e) {
    const int kind = e.Kind();
    return kind == kSegment || (kind == kSystem && e.Flag(exo::kFlag50)) || (IsSpaceKind(kind) && !e.texts[3].empty());
}

int CompileText(FormulaCompiler& compiler, const std::string& text, ExprTree& slot) {
    if (const int code = compiler.CompileFormula(text); code != 0)
        return code;
    slot = compiler.TakeResult();
    return 0;
}

ExprNode* Function(ExprTree& tree, short op, ExprNode* argument) {
    return tree.NewNode(op, nullptr, argument);
}

// r * cos(angle) and r * sin(angle), each in a tree of its own.
void ToCartesian(ExampleRecord& e, const ExprNode* r, const ExprNode* angle) {
    ExprTree x, y;
    x.root = x.NewNode(op::Times, CopyTree(r, x), Function(x, op::Cos, CopyTree(angle, x)));
    y.root = y.NewNode(op::Times, CopyTree(r, y), Function(y, op::Sin, CopyTree(angle, y)));
    e.compiled[0] = std::move(x);
    e.compiled[1] = std::move(y);
}

void WrapPeriodic(ExampleRecord& e) {
    ExprTree wrapped;
    ExprNode* f = CopyTree(e.Tree(1), wrapped);
    ExprNode* node = wrapped.NewNode(op::Periodic, wrapped.NewConstant({e.Real(exo::kPeriodStart), 0.0L}), f);
    node->third = wrapped.NewConstant({e.Real(exo::kPeriodLength), 0.0L});
    wrapped.root = node;
    e.compiled[1] = std::move(wrapped);
}

// A point's radio choice 0 is "(r,t)".
bool PolarPoint(const ExampleRecord& e) { return e.I16(exo::kRadio) == 0; }

// The (r,t) forms of points and segments become x, y pairs here, so that drawing sees
// only cartesian coordinates.
void ApplyPolarForms(ExampleRecord& e) {
    const int kind = e.Kind();
    if (kind == kPolar && e.Tree(2)) {
        ExprTree t;
        t.root = t.NewNode(kLetterT);
        ToCartesian(e, e.Tree(2), t.root);
    } else if (((kind == kParametric && e.Flag(exo::kFlag60)) || (kind == kPoint && PolarPoint(e))) && e.Tree(0) &&
               e.Tree(1)) {
        ExprTree r = std::move(e.compiled[0]), angle = std::move(e.compiled[1]);
        ToCartesian(e, r.root, angle.root);
    } else if (kind == kSegment && e.Flag(exo::kFlag60) && e.Tree(2) && e.Tree(3)) {
        ExprTree r0 = std::move(e.compiled[0]), a0 = std::move(e.compiled[1]);
        ExprTree r1 = std::move(e.compiled[2]), a1 = std::move(e.compiled[3]);
        ToCartesian(e, r1.root, a1.root);
        e.compiled[2] = std::move(e.compiled[0]);
        e.compiled[3] = std::move(e.compiled[1]);
        ToCartesian(e, r0.root, a0.root);
    }
}

void Derive(EvalContext& ctx, ExampleRecord& e, int from, int letter, int into) {
    ExprTree& out = e.compiled[static_cast<std::size_t>(into)];
    out = ExprTree();
    if (!e.Tree(from))
        return;
    // A derivative too large to build is left out: the example draws without it.
    if (!Differentiate(ctx, e.Tree(from), letter, out))
        out = ExprTree();
}

// Byte 32 holds a letter slot (1..26), as the tracer reads it; the trees want its code.
int ParameterLetter(const ExampleRecord& e) { return op::LetterAt + PlotVariable(e); }

void CompileDerivatives(EvalContext& ctx, ExampleRecord& e) {
    switch (e.Kind()) {
    case kExplicit:
        if (e.Tree(1)) {
            ExprTree one;
            one.root = one.NewConstant({1.0L, 0.0L});
            e.compiled[4] = std::move(one);
            Derive(ctx, e, 1, op::LetterX, 5);
        }
        break;
    case kPolar:
    case kParametric: {
        const int letter = e.Kind() == kPolar ? kLetterT : ParameterLetter(e);
        for (int slot = 0; slot < 3; ++slot)
            Derive(ctx, e, slot, letter, 4 + slot);
        break;
    }
    case kImplicit:
        Derive(ctx, e, 2, op::LetterX, 4);
        Derive(ctx, e, 2, op::LetterY, 5);
        break;
    case kMapComplex: Derive(ctx, e, 0, op::LetterZ, kMapDerivativeSlot); break;
    case kMapPlane:
        // The Jacobian: dU/dx, dU/dy, dV/dx, dV/dy.
        for (int i = 0; i < 4; ++i)
            Derive(ctx, e, i / 2, i % 2 == 0 ? op::LetterX : op::LetterY, kMapDerivativeSlot + i);
        break;
    default: break;
    }
}

void MarkTree(const ExprNode* node, std::array<bool, 256>& inUse) {
    while (node) {
        if (node->op >= op::LetterAt && node->op <= op::LetterZ && !node->left && !node->right)
            inUse[static_cast<std::size_t>(node->op)] = true;
        MarkTree(node->left, inUse);
        MarkTree(node->third, inUse);
        node = node->right;
    }
}

} // namespace

bool CanMakeDerivative(const ExampleRecord& source) {
    switch (source.Kind()) {
    case kExplicit: return !source.Flag(exo::kFlag59) && source.Tree(1);
    case kPolar:
    case kParametric: return source.Tree(0) && source.Tree(1);
    default: return false;
    }
}

int CompileDerivative(EvalContext& ctx, const ExampleRecord& source, ExampleRecord& derived) {
    for (auto& slot : derived.compiled)
        slot = ExprTree();
    if (!CanMakeDerivative(source))
        return 0;
    const bool explicitSource = source.Kind() == kExplicit;
    const int letter = explicitSource ? op::LetterX : source.Kind() == kPolar ? kLetterT : ParameterLetter(source);
    const int first = explicitSource ? 1 : 0;
    for (int slot = first; slot <= 1; ++slot) {
        if (!Differentiate(ctx, source.Tree(slot), letter, derived.compiled[static_cast<std::size_t>(slot)])) {
            for (auto& tree : derived.compiled)
                tree = ExprTree();
            return 117;
        }
    }
    return 0;
}

int CompileExample(FormulaCompiler& compiler, ExampleRecord& e, bool derivatives) {
    for (auto& slot : e.compiled)
        slot = ExprTree();
    const int kind = e.Kind();
    if (kind == kPointList) // a list of numbers, read by its own routine
        return 0;
    int code = 0;
    if (CompilesSlot0(kind))
        code = CompileText(compiler, e.texts[0], e.compiled[0]);
    if (code == 0 && CompilesSlot1(e))
        code = CompileText(compiler, e.texts[1], e.compiled[1]);
    if (code == 0 && CompilesSlot2(e))
        code = CompileText(compiler, e.texts[2], e.compiled[2]);
    if (code == 0 && CompilesSlot3(e))
        code = CompileText(compiler, e.texts[3], e.compiled[3]);
    if (code != 0) {
        for (auto& slot : e.compiled)
            slot = ExprTree();
        return code;
    }
    if (kind == kExplicit && e.Flag(exo::kFlag57) && e.Tree(1))
        WrapPeriodic(e);
    ApplyPolarForms(e);
    if (derivatives)
        CompileDerivatives(compiler.Context(), e);
    return 0;
}

void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse) {
    for (const ExprTree& tree : example.compiled)
        MarkTree(tree.root, inUse);
}

void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse, FormulaCompiler& compiler) {
    MarkLettersInUse(example, inUse);
    for (const TrajectoryRecord& trajectory : example.trajectories) {
        if (!trajectory.HasFormulas())
            continue;
        for (const std::string& text : trajectory.formulas) {
            if (!text.empty() && compiler.CompileFormula(text) == 0)
                MarkTree(compiler.Result().root, inUse);
        }
    }
}

int CompileDerivedIntegral(const ExampleRecord& first, const ExampleRecord* second, ExampleRecord& derived) {
    for (auto& slot : derived.compiled)
        slot = ExprTree();
    if (!first.Tree(1) || (second && !second->Tree(1)))
        return 1;
    ExprTree tree;
    ExprNode* f = CopyTree(first.Tree(1), tree);
    tree.root = second ? tree.NewNode(op::Minus, f, CopyTree(second->Tree(1), tree)) : f;
    derived.compiled[1] = std::move(tree);
    return 0;
}

} // namespace korvane
