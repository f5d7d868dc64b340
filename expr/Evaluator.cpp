#include "expr/Evaluator.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "expr/Arithmetic.h"
#include "expr/BuiltinFunctions.h"
#include "expr/EvalContext.h"
#include "expr/ExprNode.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"
#include "expr/ZeroBits.h"

namespace korvane {

namespace {

constexpr int kSlotR = 'R' - op::LetterAt;
constexpr int kSlotT = 'T' - op::LetterAt;
constexpr int kSlotU = 'U' - op::LetterAt;
constexpr int kSlotX = 'X' - op::LetterAt;
constexpr int kSlotZ = 'Z' - op::LetterAt;

inline long double Size(const ComplexValue& v) { return std::fabs(v.re) + std::fabs(v.im); }

// The common case of Multiply, inline: both operands of normal size or smaller.
inline bool Product(bool complexMode, const ComplexValue& a, const ComplexValue& b,
                    ComplexValue& result) {
    if (!complexMode && Size(a) < kInfinity && Size(b) < kInfinity) {
        result = {a.re * b.re, 0.0L};
        return true;
    }
    return Multiply(complexMode, a, b, result);
}

bool Fail(ExprNode* node) {
    node->value = kComplexZero;
    return false;
}

int JoinSlot(int op) {
    switch (op) {
    case op::JoinX: return kSlotX;
    case op::JoinT: return kSlotT;
    case op::JoinR: return kSlotR;
    default: return kSlotU;
    }
}

bool EvaluateJoin(EvalContext& ctx, ExprNode* node, bool leftDefined, bool thirdDefined,
                  bool rightDefined) {
    if (!node->third || !thirdDefined)
        return Fail(node);
    const long double c = node->third->value.re;
    const long double v = ctx.letterValues[JoinSlot(node->op)].re;
    if (std::fabs(c - v) < ctx.tolerance)
        ctx.nearBreak = true;
    ExprNode* chosen = c <= v ? node->right : node->left;
    const bool defined = c <= v ? rightDefined : leftDefined;
    if (!chosen || !defined)
        return Fail(node);
    node->value = chosen->value;
    return true;
}

bool EvaluateSelect(EvalContext& ctx, ExprNode* node, bool thirdDefined) {
    if (!node->third || !thirdDefined)
        return Fail(node);
    const long double c = node->third->value.re;
    if (std::fabs(c) < ctx.tolerance)
        ctx.nearBreak = true;
    const bool firstBranch = (c >= 0) == (node->op == op::SelectMax);
    const ExprNode* chosen = firstBranch ? node->left : node->right;
    node->value = chosen ? chosen->value : kComplexZero;
    return true;
}

bool EvaluateIteration(EvalContext& ctx, ExprNode* node) {
    ComplexValue& x = ctx.letterValues[kSlotX];
    if (node->aux < 1 || !node->right) {
        node->value = x;
        return true;
    }
    const ComplexValue saved = x;
    ComplexValue last = node->right->value;
    bool defined = true;
    for (std::int32_t i = 1; i < node->aux && defined; ++i) {
        x = last;
        defined = EvaluateNode(ctx, node->right);
        last = node->right->value;
    }
    x = saved;
    if (!defined)
        return Fail(node);
    node->value = last;
    return true;
}

bool EvaluateIterateDerivative(EvalContext& ctx, ExprNode* node) {
    if (node->aux < 1) {
        node->value = kComplexOne;
        return true;
    }
    ComplexValue& x = ctx.letterValues[kSlotX];
    const ComplexValue saved = x;
    ComplexValue product = node->left->value;
    ComplexValue last = node->right->value;
    bool defined = true;
    for (std::int32_t i = 1; i < node->aux && defined; ++i) {
        x = last;
        defined = EvaluateNode(ctx, node->left) && EvaluateNode(ctx, node->right) &&
                  Product(ctx.complexMode, product, node->left->value, product);
        last = node->right->value;
    }
    x = saved;
    if (!defined)
        return Fail(node);
    node->value = product;
    return true;
}

bool BoundIsInteger(const ComplexValue& v, long double& rounded) {
    if (!(std::fabs(v.re) <= kIntegerRange))
        return false;
    rounded = std::round(v.re);
    return std::fabs(rounded - v.re) <= kIntegerTolerance;
}

bool EvaluateSumOrProduct(EvalContext& ctx, ExprNode* node) {
    const bool isSum = node->op == op::Sum;
    node->value = isSum ? kComplexZero : kComplexOne;
    const ExprNode* term = node->left;
    const ExprNode* range = node->right;
    if (!term || term->op != op::SumTerm || !range || range->op != op::SumRange ||
        !range->left || !range->right || term->aux < 0 || term->aux >= kLetterCount)
        return Fail(node);
    long double lo = 0.0L;
    long double hi = 0.0L;
    if (!BoundIsInteger(range->left->value, lo) || !BoundIsInteger(range->right->value, hi) ||
        hi < lo)
        return Fail(node);
    ComplexValue& index = ctx.letterValues[term->aux];
    ExprNode* summand = term->left;
    ComplexValue total = node->value;
    bool defined = true;
    for (auto k = static_cast<long long>(lo); k <= static_cast<long long>(hi) && defined; ++k) {
        index = {static_cast<long double>(k), 0.0L};
        defined = EvaluateNode(ctx, summand);
        const ComplexValue& v = summand ? summand->value : kComplexZero;
        if (!defined)
            break;
        if (isSum)
            total = {total.re + v.re, total.im + v.im};
        else
            defined = Product(ctx.complexMode, total, v, total);
    }
    ctx.nearBreak = false;
    if (!defined)
        return Fail(node);
    node->value = total;
    return true;
}

bool EvaluatePeriodic(EvalContext& ctx, ExprNode* node, bool thirdDefined) {
    if (!node->third || !thirdDefined || !node->right)
        return Fail(node);
    const long double a = node->left ? node->left->value.re : 0.0L;
    const long double p = node->third->value.re;
    if (std::fabs(p) < kZeroTolerance) // no period: the shift would be 0 * infinity
        return Fail(node);
    ComplexValue& x = ctx.letterValues[kSlotX];
    const ComplexValue saved = x;
    const long double shifted = x.re - p * std::floor((x.re - a) / p);
    x = {shifted, 0.0L};
    if (p + a < ctx.tolerance + shifted)
        ctx.nearBreak = true;
    const bool defined = EvaluateNode(ctx, node->right);
    x = saved;
    if (!defined)
        return Fail(node);
    node->value = node->right->value;
    return true;
}

ComplexValue LetterValue(const EvalContext& ctx, int op) {
    if (ctx.complexMode && (op == op::LetterX || op == op::LetterY)) {
        const ComplexValue& z = ctx.letterValues[kSlotZ];
        return {op == op::LetterX ? z.re : z.im, 0.0L};
    }
    return ctx.letterValues[op - op::LetterAt];
}

// Step 6: the node's own operation, with its operands evaluated and defined.
bool Dispatch(EvalContext& ctx, ExprNode* node, bool leftDefined, bool thirdDefined) {
    static const ComplexValue zero{};
    const ComplexValue& l = node->left ? node->left->value : zero;
    const ComplexValue& r = node->right ? node->right->value : zero;
    const int op = node->op;
    switch (op) {
    case op::Plus: node->value = {l.re + r.re, l.im + r.im}; return true;
    case op::Minus: node->value = {l.re - r.re, l.im - r.im}; return true;
    case op::Times: return Product(ctx.complexMode, l, r, node->value);
    case op::Divide: return Divide(ctx.complexMode, l, r, node->value);
    case op::Fallback: node->value = leftDefined ? l : r; return true;
    case op::UnaryMinus: node->value = {-r.re, -r.im}; return true;
    case op::Square: return Product(ctx.complexMode, r, r, node->value);
    case op::AbsMany: node->value = {std::sqrt(l.re * l.re + r.re * r.re), 0.0L}; return true;
    case op::Iter: return EvaluateIteration(ctx, node);
    case op::Sum: case op::Prod: return EvaluateSumOrProduct(ctx, node);
    case op::SelectMax: case op::SelectMin: return EvaluateSelect(ctx, node, thirdDefined);
    case op::IterDerivative: return EvaluateIterateDerivative(ctx, node);
    case op::Periodic: return EvaluatePeriodic(ctx, node, thirdDefined);
    default: break;
    }
    if (op >= op::Register0 && op < op::Register0 + kRegisterCount) {
        node->value = ctx.registers[op - op::Register0];
        return true;
    }
    if (op >= op::LetterAt && op <= op::LetterZ) {
        node->value = LetterValue(ctx, op);
        return true;
    }
    if (IsLibraryFunction(op))
        return EvaluateFunction(ctx, op, l, r, node->value);
    return true; // a stray '|' or a bare 221 is 0
}

// Real mode without imaginary parts. Every value the general rules would compute has
// imaginary part 0 here, so only real parts are carried; a leaf or a function result with
// an imaginary part makes the whole evaluation start again on the general path.
enum class Fast { Undefined, Defined, Restart };

inline Fast Flag(bool defined) { return defined ? Fast::Defined : Fast::Undefined; }

// What a real-path evaluation changed before it gave up: the letters that sums set and the
// random state. The general path then starts from what the caller left.
struct RealRun {
    explicit RealRun(EvalContext& context)
        : ctx(context), randomState(context.random ? context.random->State() : 0) {}

    void Keep(int slot) {
        const std::uint32_t bit = 1u << slot;
        if ((kept & bit) != 0)
            return;
        kept |= bit;
        keptLetters[slot] = ctx.letterValues[slot];
    }
    void KeepAll() {
        for (int slot = 0; slot < kLetterCount; ++slot)
            Keep(slot);
    }
    void Undo() {
        for (int slot = 0; slot < kLetterCount; ++slot)
            if ((kept & (1u << slot)) != 0)
                ctx.letterValues[slot] = keptLetters[slot];
        if (ctx.random)
            ctx.random->Seed(randomState);
    }

    EvalContext& ctx;
    std::uint64_t randomState;
    std::uint32_t kept = 0;
    struct Slot {
        Slot() {} // left unset: only kept slots are ever read
        Slot& operator=(const ComplexValue& v) {
            re = v.re;
            im = v.im;
            return *this;
        }
        operator ComplexValue() const { return {re, im}; }
        long double re, im;
    } keptLetters[kLetterCount];
};

// The value of a node on this path comes back in a register besides being stored in the
// node: reading an 80-bit value straight back from where the child just stored it stalls
// until the store is done, and that was most of the time of a plain arithmetic formula.
long double EvaluateReal(RealRun& run, ExprNode* node, Fast& status);


inline Fast RealIfZero(const long double& im) { return IsZeroBits(im) ? Fast::Defined : Fast::Restart; }

inline long double Store(ExprNode* node, long double v) {
    node->value.re = v;
    std::memset(&node->value.im, 0, sizeof node->value.im);
    return v;
}

inline Fast RealFail(ExprNode* node) {
    node->value = kComplexZero;
    return Fast::Undefined;
}

inline bool IsLeafLetter(const ExprNode* node, int op) {
    return op >= op::LetterAt && op <= op::LetterZ && !node->left && !node->right;
}

inline long double ReadLetter(const EvalContext& ctx, ExprNode* node, int op, Fast& status) {
    const ComplexValue& v = ctx.letterValues[op - op::LetterAt];
    if (!IsZeroBits(v.im)) {
        status = Fast::Restart;
        return 0.0L;
    }
    status = Fast::Defined;
    return Store(node, v.re);
}

// Leaves are answered here, without a call. A missing node is a defined 0.
inline long double Operand(RealRun& run, ExprNode* node, Fast& status) {
    if (!node) {
        status = Fast::Defined;
        return 0.0L;
    }
    const int op = node->op;
    if (op == op::Constant) {
        status = RealIfZero(node->value.im);
        return node->value.re;
    }
    if (IsLeafLetter(node, op))
        return ReadLetter(run.ctx, node, op, status);
    return EvaluateReal(run, node, status);
}

inline Fast General(RealRun& run, ExprNode* node) {
    if (node->left || node->right || node->third)
        run.KeepAll(); // a sum below may leave its index letter changed
    const bool defined = EvaluateNode(run.ctx, node);
    if (node->value.im != 0.0L)
        return Fast::Restart;
    return Flag(defined);
}

// The rare cases, out of line so that the common path keeps a small frame.
[[gnu::noinline]] long double GuardedProduct(long double a, long double b, ExprNode* node,
                                             Fast& status) {
    status = Flag(Multiply(false, {a, 0.0L}, {b, 0.0L}, node->value));
    return node->value.re;
}

[[gnu::noinline]] long double GuardedQuotient(long double a, long double b, ExprNode* node,
                                              Fast& status) {
    status = Flag(Divide(false, {a, 0.0L}, {b, 0.0L}, node->value));
    return node->value.re;
}

inline long double RealProduct(long double a, long double b, ExprNode* node, Fast& status) {
    if (std::fabs(a) < kInfinity && std::fabs(b) < kInfinity) {
        status = Fast::Defined;
        return Store(node, a * b);
    }
    return GuardedProduct(a, b, node, status);
}

inline long double RealQuotient(long double a, long double b, ExprNode* node, Fast& status) {
    if (std::fabs(a) <= kInfinity && std::fabs(b) >= kZeroTolerance) {
        long double q = a / b;
        const long double size = std::fabs(q);
        status = Fast::Defined;
        if (size > kInfinity)
            status = Fast::Undefined;
        else if (size < kZeroTolerance)
            q = 0.0L;
        return Store(node, q);
    }
    return GuardedQuotient(a, b, node, status);
}

// The optimiser keeps the exponent of POW in `aux` as well; when it still matches the
// constant, the power is the same chain of guarded products as IntegerPower makes.
long double ChainedPower(long double base, std::int32_t n, ExprNode* node, Fast& status);

inline long double RealIntegerPower(long double base, std::int32_t n, ExprNode* node,
                                    Fast& status) {
    if (n == 2 && std::fabs(base) < kInfinity) {
        // the chain is base * base, then 1 times that, a plain product below 1e36
        status = Fast::Defined;
        return Store(node, base * base);
    }
    return ChainedPower(base, n, node, status);
}

[[gnu::noinline]] long double ChainedPower(long double base, std::int32_t n, ExprNode* node,
                                           Fast& status) {
    long double b = base;
    if (n < 0) {
        b = RealQuotient(1.0L, base, node, status);
        if (status != Fast::Defined)
            return b;
    }
    long double result = 1.0L;
    auto bits = static_cast<std::uint32_t>(n < 0 ? -static_cast<std::int64_t>(n) : n);
    while (bits != 0) {
        if ((bits & 1u) != 0) {
            result = RealProduct(result, b, node, status);
            if (status != Fast::Defined)
                return result;
        }
        bits >>= 1;
        if (bits != 0) {
            b = RealProduct(b, b, node, status);
            if (status != Fast::Defined)
                return b;
        }
    }
    status = Fast::Defined;
    return Store(node, result);
}

inline bool HasKnownExponent(const ExprNode* node) {
    const ExprNode* n = node->left;
    return node->aux != 0 && n && n->op == op::Constant && n->value.im == 0.0L &&
           n->value.re == static_cast<long double>(node->aux);
}

[[gnu::noinline]] long double RealFunction(EvalContext& ctx, ExprNode* node, long double l, long double r,
                         Fast& status) {
    const bool defined = EvaluateFunction(ctx, node->op, {l, 0.0L}, {r, 0.0L}, node->value);
    status = node->value.im != 0.0L ? Fast::Restart : Flag(defined);
    return node->value.re;
}

// False when the node is finished: a restart, or an undefined operand (the node fails).
inline bool BothOperands(RealRun& run, ExprNode* node, long double& l, long double& r,
                         Fast& status) {
    Fast left = Fast::Defined;
    l = Operand(run, node->left, left);
    if (left == Fast::Restart) {
        status = left;
        return false;
    }
    Fast right = Fast::Defined;
    r = Operand(run, node->right, right);
    if (right == Fast::Restart) {
        status = right;
        return false;
    }
    if (left == Fast::Undefined || right == Fast::Undefined) {
        status = RealFail(node);
        return false;
    }
    status = Fast::Defined;
    return true;
}

// Which of left, third and right are defined, evaluated in the general order.
struct Defined3 {
    bool left = true, third = true, right = true;
};

inline bool ThreeOperands(RealRun& run, ExprNode* node, Defined3& defined) {
    Fast left = Fast::Defined;
    Fast third = Fast::Defined;
    Fast right = Fast::Defined;
    Operand(run, node->left, left);
    if (left == Fast::Restart)
        return false;
    Operand(run, node->third, third);
    if (third == Fast::Restart)
        return false;
    Operand(run, node->right, right);
    if (right == Fast::Restart)
        return false;
    defined = {left == Fast::Defined, third == Fast::Defined, right == Fast::Defined};
    return true;
}

inline const ComplexValue& ValueOf(const ExprNode* node) {
    return node ? node->value : kComplexZero;
}

Fast RealJoin(RealRun& run, ExprNode* node) {
    Defined3 d;
    if (!ThreeOperands(run, node, d))
        return Fast::Restart;
    if (!node->third || !d.third)
        return RealFail(node);
    const long double c = node->third->value.re;
    const long double v = run.ctx.letterValues[JoinSlot(node->op)].re;
    if (std::fabs(c - v) < run.ctx.tolerance)
        run.ctx.nearBreak = true;
    ExprNode* chosen = c <= v ? node->right : node->left;
    if (!chosen || !(c <= v ? d.right : d.left))
        return RealFail(node);
    node->value = chosen->value;
    return Fast::Defined;
}

Fast RealFallback(RealRun& run, ExprNode* node) {
    Defined3 d;
    if (!ThreeOperands(run, node, d))
        return Fast::Restart;
    if (!d.right)
        return RealFail(node);
    node->value = d.left ? ValueOf(node->left) : ValueOf(node->right);
    return Fast::Defined;
}

Fast RealSelect(RealRun& run, ExprNode* node) {
    Defined3 d;
    if (!ThreeOperands(run, node, d))
        return Fast::Restart;
    if (!d.left || !d.right || !node->third || !d.third)
        return RealFail(node);
    const long double c = node->third->value.re;
    if (std::fabs(c) < run.ctx.tolerance)
        run.ctx.nearBreak = true;
    const bool firstBranch = (c >= 0) == (node->op == op::SelectMax);
    node->value = ValueOf(firstBranch ? node->left : node->right);
    return Fast::Defined;
}

Fast RealIteration(RealRun& run, ExprNode* node) {
    Defined3 d;
    if (!ThreeOperands(run, node, d))
        return Fast::Restart;
    if (!d.left || !d.right)
        return RealFail(node);
    ComplexValue& x = run.ctx.letterValues[kSlotX];
    if (node->aux < 1 || !node->right) {
        node->value = x;
        return x.im == 0.0L ? Fast::Defined : Fast::Restart;
    }
    const ComplexValue saved = x;
    ExprNode* f = node->right;
    long double last = f->value.re;
    Fast step = Fast::Defined;
    for (std::int32_t i = 1; i < node->aux && step == Fast::Defined; ++i) {
        x = {last, 0.0L};
        last = Operand(run, f, step);
    }
    x = saved;
    if (step != Fast::Defined)
        return step == Fast::Restart ? step : RealFail(node);
    node->value = {last, 0.0L};
    return Fast::Defined;
}

// The bounds node: both bounds defined, value 0.
Fast RealRange(RealRun& run, ExprNode* node) {
    Fast status = Fast::Defined;
    long double l = 0.0L;
    long double r = 0.0L;
    if (!BothOperands(run, node, l, r, status))
        return status;
    node->value = kComplexZero;
    return Fast::Defined;
}

Fast RealSumOrProduct(RealRun& run, ExprNode* node) {
    Defined3 d;
    if (!ThreeOperands(run, node, d))
        return Fast::Restart;
    if (!d.left || !d.right)
        return RealFail(node);
    const ExprNode* term = node->left;
    const ExprNode* range = node->right;
    if (!term || term->op != op::SumTerm || !range || range->op != op::SumRange ||
        !range->left || !range->right || term->aux < 0 || term->aux >= kLetterCount)
        return RealFail(node);
    long double lo = 0.0L;
    long double hi = 0.0L;
    if (!BoundIsInteger(range->left->value, lo) || !BoundIsInteger(range->right->value, hi) ||
        hi < lo)
        return RealFail(node);
    const bool isSum = node->op == op::Sum;
    run.Keep(term->aux);
    ComplexValue& index = run.ctx.letterValues[term->aux];
    ExprNode* summand = term->left;
    ComplexValue total = isSum ? kComplexZero : kComplexOne;
    Fast step = Fast::Defined;
    for (auto k = static_cast<long long>(lo); k <= static_cast<long long>(hi); ++k) {
        index = {static_cast<long double>(k), 0.0L};
        const long double v = Operand(run, summand, step);
        if (step != Fast::Defined)
            break;
        if (isSum) {
            total.re += v;
        } else if (!Product(false, total, {v, 0.0L}, total)) {
            step = Fast::Undefined;
            break;
        }
    }
    if (step == Fast::Restart)
        return step;
    run.ctx.nearBreak = false;
    if (step == Fast::Undefined)
        return RealFail(node);
    node->value = total;
    return Fast::Defined;
}

[[gnu::noinline]] Fast Structural(RealRun& run, ExprNode* node, int op) {
    switch (op) {
    case op::Fallback: return RealFallback(run, node);
    case op::Iter: return RealIteration(run, node);
    case op::Sum: case op::Prod: return RealSumOrProduct(run, node);
    case op::JoinX: case op::JoinT: case op::JoinR: case op::JoinU: return RealJoin(run, node);
    case op::SelectMax: case op::SelectMin: return RealSelect(run, node);
    case op::SumRange: return node->third ? General(run, node) : RealRange(run, node);
    case op::SumTerm: return node->value.im == 0.0L ? Fast::Defined : Fast::Restart;
    default: break;
    }
    if (op >= op::Register0 && op < op::Register0 + kRegisterCount && !node->left &&
        !node->right && !node->third) {
        const ComplexValue& v = run.ctx.registers[op - op::Register0];
        node->value = v;
        return v.im == 0.0L ? Fast::Defined : Fast::Restart;
    }
    return General(run, node); // periodic extension, the iterate derivative and the rest
}

long double EvaluateReal(RealRun& run, ExprNode* node, Fast& status) {
    const int op = node->op;
    long double l = 0.0L;
    long double r = 0.0L;
    switch (op) {
    case op::Constant:
        status = RealIfZero(node->value.im);
        return node->value.re;
    case op::Plus:
        return BothOperands(run, node, l, r, status) ? Store(node, l + r) : 0.0L;
    case op::Minus:
        return BothOperands(run, node, l, r, status) ? Store(node, l - r) : 0.0L;
    case op::Times:
        return BothOperands(run, node, l, r, status) ? RealProduct(l, r, node, status) : 0.0L;
    case op::Divide:
        return BothOperands(run, node, l, r, status) ? RealQuotient(l, r, node, status) : 0.0L;
    case op::UnaryMinus:
        return BothOperands(run, node, l, r, status) ? Store(node, -r) : 0.0L;
    case op::Square:
        return BothOperands(run, node, l, r, status) ? RealProduct(r, r, node, status) : 0.0L;
    case op::Pow:
        if (!BothOperands(run, node, l, r, status))
            return 0.0L;
        if (HasKnownExponent(node))
            return RealIntegerPower(r, node->aux, node, status);
        return RealFunction(run.ctx, node, l, r, status);
    default:
        break;
    }
    if (IsLeafLetter(node, op))
        return ReadLetter(run.ctx, node, op, status);
    if (node->third || !IsLibraryFunction(op)) {
        status = Structural(run, node, op);
        return node->value.re;
    }
    if (!BothOperands(run, node, l, r, status))
        return 0.0L;
    return RealFunction(run.ctx, node, l, r, status);
}

} // namespace

bool EvaluateNode(EvalContext& ctx, ExprNode* node) {
    if (!node)
        return true;
    const int op = node->op;
    if (op == op::Constant || op == op::SumTerm)
        return true;
    // Letters are the leaves of every evaluation: answer them before anything else.
    if (op >= op::LetterAt && op <= op::LetterZ && !node->left && !node->right) {
        node->value = LetterValue(ctx, op);
        return true;
    }
    node->value = kComplexZero;
    const bool leftDefined = EvaluateNode(ctx, node->left);
    const bool thirdDefined = EvaluateNode(ctx, node->third);
    const bool rightDefined = op == op::Periodic || EvaluateNode(ctx, node->right);
    if (op >= op::JoinX && op <= op::JoinU)
        return EvaluateJoin(ctx, node, leftDefined, thirdDefined, rightDefined);
    if (!rightDefined || (!leftDefined && op != op::Fallback))
        return Fail(node);
    return Dispatch(ctx, node, leftDefined, thirdDefined);
}

bool EvaluateAt(EvalContext& ctx, ExprNode* tree, int slot, long double value, long double& out) {
    if (slot < 0 || slot >= kLetterCount)
        return false;
    if (ctx.complexMode) {
        ctx.SetLetter(slot, value);
    } else {
        ctx.letterValues[slot] = {value, 0.0L}; // what SetLetter does in real mode
        if (!tree) {
            out = 0.0L;
            return true;
        }
        RealRun run(ctx);
        Fast fast = Fast::Defined;
        const long double result = EvaluateReal(run, tree, fast);
        if (fast != Fast::Restart) {
            out = result;
            return fast == Fast::Defined;
        }
        run.Undo();
    }
    if (!tree) {
        out = 0.0L;
        return true;
    }
    const bool defined = EvaluateNode(ctx, tree);
    out = tree->value.re;
    return defined;
}

bool EvaluateAtComplex(EvalContext& ctx, ExprNode* tree, int slot, const ComplexValue& value,
                       ComplexValue& out) {
    if (slot < 0 || slot >= kLetterCount)
        return false;
    ctx.letterValues[slot] = value;
    const bool defined = EvaluateNode(ctx, tree);
    out = tree ? tree->value : kComplexZero;
    return defined;
}

} // namespace korvane
