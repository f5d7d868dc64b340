#include "expr/RealProgram.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "expr/Arithmetic.h"
#include "expr/BuiltinFunctions.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/ExprNode.h"
#include "expr/ExtendedMath.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"
#include "expr/ZeroBits.h"
#include "expr/RealProgramBuilder.h"
#include "expr/RealProgramCode.h"

namespace korvane {

namespace {

namespace rc = realcode;

constexpr long double kLargest = std::numeric_limits<long double>::max();


// The value and defined flag of one step; an undefined step's value is what the tree
// would leave in the node.
struct Step {
    long double value;
    bool undefined;
};

[[gnu::noinline]] Step GuardedProduct(long double a, long double b) {
    ComplexValue r;
    const bool defined = Multiply(false, {a, 0.0L}, {b, 0.0L}, r);
    return {r.re, !defined};
}

[[gnu::noinline]] Step GuardedQuotient(long double a, long double b) {
    ComplexValue r;
    const bool defined = Divide(false, {a, 0.0L}, {b, 0.0L}, r);
    return {r.re, !defined};
}

[[gnu::always_inline]] inline Step Product(long double a, long double b) {
    if (std::fabs(a) < kInfinity && std::fabs(b) < kInfinity)
        return {a * b, false};
    return GuardedProduct(a, b);
}

[[gnu::always_inline]] inline Step Quotient(long double a, long double b) {
    if (std::fabs(a) <= kInfinity && std::fabs(b) >= kZeroTolerance) {
        const long double q = a / b;
        const long double size = std::fabs(q);
        if (size > kInfinity)
            return {q, true};
        return {size < kZeroTolerance ? 0.0L : q, false};
    }
    return GuardedQuotient(a, b);
}

// IntegerPower of the library; a failed step leaves its own value, as the tree's real path does.
[[gnu::noinline]] Step ChainedPower(long double base, std::int32_t n) {
    long double b = base;
    if (n < 0) {
        const Step inverse = Quotient(1.0L, base);
        if (inverse.undefined)
            return inverse;
        b = inverse.value;
    }
    long double result = 1.0L;
    auto bits = static_cast<std::uint32_t>(n < 0 ? -static_cast<std::int64_t>(n) : n);
    while (bits != 0) {
        if ((bits & 1u) != 0) {
            const Step p = Product(result, b);
            if (p.undefined)
                return p;
            result = p.value;
        }
        bits >>= 1;
        if (bits != 0) {
            const Step p = Product(b, b);
            if (p.undefined)
                return p;
            b = p.value;
        }
    }
    return {result, false};
}

[[gnu::always_inline]] inline Step IntegerPower(long double base, std::int32_t n) {
    if (n == 2 && std::fabs(base) < kInfinity)
        return {base * base, false}; // the chain is base * base, then 1 times that
    return ChainedPower(base, n);
}

[[gnu::always_inline]] inline Step Sine(long double x, bool cosine) {
    if (!(std::fabs(x) <= kTrigLimit))
        return {0.0L, true};
    return {cosine ? ExtendedCos(x) : ExtendedSin(x), false};
}

[[gnu::always_inline]] inline Step Exponential(long double x) {
    if (std::fabs(x) < kExponentLimit)
        return {ExtendedExp(x), false};
    if (x > 0 || std::isnan(x))
        return {0.0L, true};
    return {0.0L, false};
}

[[gnu::always_inline]] inline Step SquareRoot(long double x) {
    if (x >= 0.0L && x <= kLargest)
        return {std::sqrt(x), false};
    return {0.0L, true};
}

[[gnu::always_inline]] inline Step Absolute(long double x) {
    const long double a = std::fabs(x);
    if (!(a <= kLargest))
        return {0.0L, true};
    return {a < kZeroTolerance ? 0.0L : a, false};
}

bool BoundIsInteger(long double v, long double& rounded) {
    if (!(std::fabs(v) <= kIntegerRange))
        return false;
    rounded = std::round(v);
    return std::fabs(rounded - v) <= kIntegerTolerance;
}

int JoinSlot(int code) {
    switch (code) {
    case op::JoinX: return 'X' - op::LetterAt;
    case op::JoinT: return 'T' - op::LetterAt;
    case op::JoinR: return 'R' - op::LetterAt;
    default: return 'U' - op::LetterAt;
    }
}

struct SumFrame {
    long long k;
    long long last;
    long double total;
};

// What a run changed before it gave up, so that the tree starts from what the caller left.
struct Undo {
    struct Letter {
        long double re, im; // left unset: only the moved letters are written and read
        Letter& operator=(const ComplexValue& v) {
            re = v.re;
            im = v.im;
            return *this;
        }
        operator ComplexValue() const { return {re, im}; }
    };
    bool nearBreak = false;
    std::uint64_t randomState = 0;
    Letter letters[kLetterCount];
};

} // namespace

bool RealProgram::Build(ExprNode* tree) {
    RealProgramBuilder builder(*this);
    return builder.Build(tree);
}

bool RealProgram::EvaluateAt(EvalContext& ctx, int slot, long double value, long double& out) const {
    if (code_.empty() || ctx.complexMode || slot < 0 || slot >= kLetterCount)
        return korvane::EvaluateAt(ctx, tree_, slot, value, out);
    ComplexValue& letter = ctx.letterValues[slot];
    letter.re = value;
    std::memset(&letter.im, 0, sizeof letter.im); // the integer store is cheaper than an 80-bit one
    const Outcome outcome = Run(ctx, slot, value, out);
    if (outcome != Outcome::Restart)
        return outcome == Outcome::Defined;
    const bool defined = EvaluateNode(ctx, tree_);
    out = tree_->value.re;
    return defined;
}

// Inlined into EvaluateAt, so that the letter's new value reaches the first instruction in a
// register: reading back an 80-bit value just stored waits until the store is done.
[[gnu::always_inline]] inline RealProgram::Outcome RealProgram::Run(EvalContext& ctx, int slot,
                                                                     long double value,
                                                                     long double& out) const {
    ComplexValue* letters = ctx.letterValues;
    for (std::uint32_t bits = lettersRead_ & ~(1u << slot); bits != 0; bits &= bits - 1)
        if (!IsZeroBits(letters[__builtin_ctz(bits)].im))
            return Outcome::Restart;
    for (std::uint32_t bits = registersRead_; bits != 0; bits &= bits - 1)
        if (!IsZeroBits(ctx.registers[__builtin_ctz(bits)].im))
            return Outcome::Restart;
    Undo undo;
    undo.nearBreak = ctx.nearBreak;
    if (usesRandom_ && ctx.random)
        undo.randomState = ctx.random->State();
    for (std::uint32_t bits = lettersMoved_; bits != 0; bits &= bits - 1)
        undo.letters[__builtin_ctz(bits)] = letters[__builtin_ctz(bits)];

    long double stack[kMaxDepth];
    SumFrame frames[kMaxSums];
    std::uint64_t pushedUndefined = 0; // one bit per stack entry, the top one lowest
    int sp = 0;
    long double acc = 0.0L;
    bool undefined = false;
    const Instruction* const code = code_.data();
    // A sum may move the letter that was just set; then it is read from memory.
    const int argument = ((lettersMoved_ >> slot) & 1u) != 0 ? -1 : slot;
    auto letter = [&](int s) __attribute__((always_inline)) { return s == argument ? value : letters[s].re; };

    auto push = [&](long double v) __attribute__((always_inline)) {
        stack[sp++] = acc;
        pushedUndefined = (pushedUndefined << 1) | (undefined ? 1u : 0u);
        acc = v;
        undefined = false;
    };
    auto pop = [&](bool& wasUndefined) __attribute__((always_inline)) {
        wasUndefined = (pushedUndefined & 1u) != 0;
        pushedUndefined >>= 1;
        return stack[--sp];
    };
    // An operator with an undefined operand fails with 0, as a tree node does.
    auto settle = [&](const Step& s, bool operandUndefined) __attribute__((always_inline)) {
        acc = operandUndefined ? 0.0L : s.value;
        undefined = operandUndefined || s.undefined;
    };
    auto restart = [&]() {
        ctx.nearBreak = undo.nearBreak;
        if (usesRandom_ && ctx.random)
            ctx.random->Seed(undo.randomState);
        for (std::uint32_t bits = lettersMoved_; bits != 0; bits &= bits - 1)
            letters[__builtin_ctz(bits)] = undo.letters[__builtin_ctz(bits)];
        return Outcome::Restart;
    };

    for (const Instruction* ip = code;; ++ip) {
        bool u = false;
        switch (ip->code) {
        case rc::Const: push(ip->constant); break;
        case rc::Letter: push(letter(ip->slot)); break;
        case rc::Register: push(ctx.registers[ip->slot].re); break;
        case rc::Add: { const long double a = pop(u); settle({a + acc, false}, u || undefined); break; }
        case rc::Sub: { const long double a = pop(u); settle({a - acc, false}, u || undefined); break; }
        case rc::Mul: { const long double a = pop(u); settle(Product(a, acc), u || undefined); break; }
        case rc::Div: { const long double a = pop(u); settle(Quotient(a, acc), u || undefined); break; }
        case rc::AddC: settle({acc + ip->constant, false}, undefined); break;
        case rc::SubC: settle({acc - ip->constant, false}, undefined); break;
        case rc::MulC: settle(Product(acc, ip->constant), undefined); break;
        case rc::DivC: settle(Quotient(acc, ip->constant), undefined); break;
        case rc::RSubC: settle({ip->constant - acc, false}, undefined); break;
        case rc::RDivC: settle(Quotient(ip->constant, acc), undefined); break;
        case rc::AddL: settle({acc + letter(ip->slot), false}, undefined); break;
        case rc::SubL: settle({acc - letter(ip->slot), false}, undefined); break;
        case rc::MulL: settle(Product(acc, letter(ip->slot)), undefined); break;
        case rc::DivL: settle(Quotient(acc, letter(ip->slot)), undefined); break;
        case rc::RSubL: settle({letter(ip->slot) - acc, false}, undefined); break;
        case rc::RDivL: settle(Quotient(letter(ip->slot), acc), undefined); break;
        case rc::Neg: settle({-acc, false}, undefined); break;
        case rc::Square: settle(Product(acc, acc), undefined); break;
        case rc::PowN: settle(IntegerPower(acc, ip->slot), undefined); break;
        case rc::Sin: settle(undefined ? Step{} : Sine(acc, false), undefined); break;
        case rc::Cos: settle(undefined ? Step{} : Sine(acc, true), undefined); break;
        case rc::Exp: settle(undefined ? Step{} : Exponential(acc), undefined); break;
        case rc::Sqrt: settle(undefined ? Step{} : SquareRoot(acc), undefined); break;
        case rc::Abs: settle(undefined ? Step{} : Absolute(acc), undefined); break;
        case rc::Func1:
        case rc::Func2: {
            const long double a = ip->code == rc::Func2 ? pop(u) : 0.0L;
            if (u || undefined) {
                settle({}, true);
                break;
            }
            ComplexValue result;
            const bool defined = EvaluateFunction(ctx, ip->op, {a, 0.0L}, {acc, 0.0L}, result);
            if (!IsZeroBits(result.im))
                return restart();
            settle({result.re, !defined}, false);
            break;
        }
        case rc::Join: {
            bool thirdUndefined = false;
            bool leftUndefined = false;
            const long double third = pop(thirdUndefined);
            const long double left = pop(leftUndefined);
            if ((ip->flags & rc::kNoThird) != 0 || thirdUndefined) {
                settle({}, true);
                break;
            }
            const long double v = letters[JoinSlot(ip->op)].re;
            if (std::fabs(third - v) < ctx.tolerance)
                ctx.nearBreak = true;
            if (third <= v)
                settle({acc, false}, (ip->flags & rc::kNoRight) != 0 || undefined);
            else
                settle({left, false}, (ip->flags & rc::kNoLeft) != 0 || leftUndefined);
            break;
        }
        case rc::Select: {
            bool thirdUndefined = false;
            bool leftUndefined = false;
            const long double third = pop(thirdUndefined);
            const long double left = pop(leftUndefined);
            if (leftUndefined || undefined || (ip->flags & rc::kNoThird) != 0 || thirdUndefined) {
                settle({}, true);
                break;
            }
            if (std::fabs(third) < ctx.tolerance)
                ctx.nearBreak = true;
            const bool first = (third >= 0) == (ip->op == op::SelectMax);
            settle({first ? left : acc, false}, false);
            break;
        }
        case rc::Fallback: {
            const long double left = pop(u);
            settle({u ? acc : left, false}, undefined);
            break;
        }
        case rc::SumBegin: {
            const long double hi = acc;
            const long double lo = pop(u);
            long double first = 0.0L;
            long double last = 0.0L;
            if (u || undefined || !BoundIsInteger(lo, first) || !BoundIsInteger(hi, last) ||
                last < first) {
                settle({}, true);
                ip = code + ip->slot - 1;
                break;
            }
            SumFrame& f = frames[ip->flags >> 1];
            f.k = static_cast<long long>(first);
            f.last = static_cast<long long>(last);
            f.total = (ip->flags & rc::kIsSum) != 0 ? 0.0L : 1.0L;
            letters[ip->op] = {static_cast<long double>(f.k), 0.0L};
            undefined = false;
            break;
        }
        case rc::SumStep: {
            pop(u); // what the accumulator held before the summand
            SumFrame& f = frames[ip->flags >> 1];
            bool failed = undefined;
            if (!failed && (ip->flags & rc::kIsSum) != 0) {
                f.total += acc;
            } else if (!failed) {
                const Step p = Product(f.total, acc);
                failed = p.undefined;
                f.total = p.value;
            }
            if (!failed && ++f.k <= f.last) {
                letters[ip->op] = {static_cast<long double>(f.k), 0.0L};
                undefined = false;
                ip = code + ip->slot - 1;
                break;
            }
            ctx.nearBreak = false;
            settle({f.total, false}, failed);
            break;
        }
        case rc::End:
        default:
            out = acc;
            return undefined ? Outcome::Undefined : Outcome::Defined;
        }
    }
}

} // namespace korvane
