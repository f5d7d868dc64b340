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
#include "expr/RealProgramBuilder.h"
#include "expr/RealProgramCode.h"
#include "expr/ZeroBits.h"

namespace korvane {

namespace {

namespace rc = realcode;
using Instruction = RealProgram::Instruction;

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

// The step of + - * / on defined operands.
template <int kOperator>
[[gnu::always_inline]] inline Step Arithmetic(long double a, long double b) {
    if constexpr (kOperator == 0)
        return {a + b, false};
    else if constexpr (kOperator == 1)
        return {a - b, false};
    else if constexpr (kOperator == 2)
        return Product(a, b);
    else
        return Quotient(a, b);
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

// The state of one run besides the accumulator. A run starts in a loop that keeps no
// defined flags, since nearly every value is defined; at the first undefined step it
// hands its state to Tracked, which follows the flags as the tree's nodes do.
struct RealMachine {
    using Outcome = RealProgram::Outcome;

    RealMachine(const RealProgram& p, EvalContext& c, int slot, const long double& v)
        : program(p), ctx(c), letters(c.letterValues), value(v), code(p.code_.data()),
          // A sum may move the letter that was just set; then it is read from memory.
          argument(((p.lettersMoved_ >> slot) & 1u) != 0 ? -1 : slot) {}

    [[gnu::always_inline]] long double LetterAt(int s) const {
        return s == argument ? value : letters[s].re;
    }

    // The fused operand of the instruction.
    template <int kOperand>
    [[gnu::always_inline]] Step Fetch(const Instruction& i) const {
        if constexpr (kOperand == rc::Constant)
            return {i.constant, false};
        else if constexpr (kOperand == rc::Letter)
            return {LetterAt(i.slot), false};
        else if constexpr (kOperand >= rc::LCAdd && kOperand <= rc::LCDiv)
            return Arithmetic<kOperand - rc::LCAdd>(LetterAt(i.slot), i.constant);
        else if constexpr (kOperand >= rc::CLAdd && kOperand <= rc::CLDiv)
            return Arithmetic<kOperand - rc::CLAdd>(i.constant, LetterAt(i.slot));
        else if constexpr (kOperand >= rc::LLAdd && kOperand <= rc::LLDiv)
            return Arithmetic<kOperand - rc::LLAdd>(LetterAt(i.slot), LetterAt(i.other));
        else if constexpr (kOperand == rc::LetterPow)
            return IntegerPower(LetterAt(i.slot), i.other);
        else if constexpr (kOperand == rc::LetterSin || kOperand == rc::LetterCos)
            return Sine(LetterAt(i.slot), kOperand == rc::LetterCos);
        else if constexpr (kOperand == rc::LetterExp)
            return Exponential(LetterAt(i.slot));
        else if constexpr (kOperand == rc::LetterSqrt)
            return SquareRoot(LetterAt(i.slot));
        else
            return Absolute(LetterAt(i.slot));
    }

    // A fused action on defined values; false when its step is undefined, with acc the
    // value the step leaves.
    template <int kAction, int kOperand>
    [[gnu::always_inline]] bool Fused(const Instruction& i, long double& acc) {
        const Step o = Fetch<kOperand>(i);
        if constexpr (kAction == rc::Load || kAction == rc::Push) {
            if constexpr (kAction == rc::Push)
                stack[sp++] = acc;
            acc = o.value;
            return !o.undefined;
        } else {
            if (o.undefined) {
                acc = 0.0L;
                return false;
            }
            Step s{};
            if constexpr (kAction >= rc::AddTo && kAction <= rc::DivBy)
                s = Arithmetic<kAction - rc::AddTo>(acc, o.value);
            else if constexpr (kAction == rc::RSub)
                s = Arithmetic<1>(o.value, acc);
            else
                s = Arithmetic<3>(o.value, acc);
            acc = s.value;
            return !s.undefined;
        }
    }

    Outcome Restart() {
        ctx.nearBreak = undo.nearBreak;
        if (program.usesRandom_ && ctx.random)
            ctx.random->Seed(undo.randomState);
        for (std::uint32_t bits = program.lettersMoved_; bits != 0; bits &= bits - 1)
            letters[__builtin_ctz(bits)] = undo.letters[__builtin_ctz(bits)];
        return Outcome::Restart;
    }

    [[gnu::noinline]] Outcome Tracked(const Instruction* ip, long double acc, long double& out);
    Step FetchAny(const Instruction& i) const;

    const RealProgram& program;
    EvalContext& ctx;
    ComplexValue* const letters;
    const long double& value;
    const Instruction* const code;
    const int argument;
    Undo undo;
    int sp = 0;
    long double stack[RealProgram::kMaxDepth];
    SumFrame frames[RealProgram::kMaxSums];
};

Step RealMachine::FetchAny(const Instruction& i) const {
    switch (rc::OperandOf(i.code)) {
#define KORVANE_FETCH(O) case rc::O: return Fetch<rc::O>(i);
        KORVANE_FETCH(Constant) KORVANE_FETCH(Letter)
        KORVANE_FETCH(LCAdd) KORVANE_FETCH(LCSub) KORVANE_FETCH(LCMul) KORVANE_FETCH(LCDiv)
        KORVANE_FETCH(CLAdd) KORVANE_FETCH(CLSub) KORVANE_FETCH(CLMul) KORVANE_FETCH(CLDiv)
        KORVANE_FETCH(LLAdd) KORVANE_FETCH(LLSub) KORVANE_FETCH(LLMul) KORVANE_FETCH(LLDiv)
        KORVANE_FETCH(LetterPow) KORVANE_FETCH(LetterSin) KORVANE_FETCH(LetterCos)
        KORVANE_FETCH(LetterExp) KORVANE_FETCH(LetterSqrt)
#undef KORVANE_FETCH
    default: return Fetch<rc::LetterAbs>(i);
    }
}

// The general loop: every value carries its defined flag, and an operator with an undefined
// operand fails with 0, as a tree node does.
RealMachine::Outcome RealMachine::Tracked(const Instruction* ip, long double acc, long double& out) {
    bool undefined = true; // the step that sent the run here
    std::uint64_t pushedUndefined = 0; // one bit per stack entry, the top one lowest
    auto push = [&](long double v, bool vUndefined) {
        stack[sp++] = acc;
        pushedUndefined = (pushedUndefined << 1) | (undefined ? 1u : 0u);
        acc = v;
        undefined = vUndefined;
    };
    auto pop = [&](bool& wasUndefined) {
        wasUndefined = (pushedUndefined & 1u) != 0;
        pushedUndefined >>= 1;
        return stack[--sp];
    };
    auto settle = [&](const Step& s, bool operandUndefined) {
        acc = operandUndefined ? 0.0L : s.value;
        undefined = operandUndefined || s.undefined;
    };
    for (;; ++ip) {
        bool u = false;
        switch (ip->code) {
        case rc::Register: push(ctx.registers[ip->slot].re, false); break;
        case rc::Add: { const long double a = pop(u); settle({a + acc, false}, u || undefined); break; }
        case rc::Sub: { const long double a = pop(u); settle({a - acc, false}, u || undefined); break; }
        case rc::Mul: { const long double a = pop(u); settle(Product(a, acc), u || undefined); break; }
        case rc::Div: { const long double a = pop(u); settle(Quotient(a, acc), u || undefined); break; }
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
                return Restart();
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
            out = acc;
            return undefined ? Outcome::Undefined : Outcome::Defined;
        default: {
            const Step o = FetchAny(*ip);
            const int action = rc::ActionOf(ip->code);
            if (action == rc::Load) {
                acc = o.value;
                undefined = o.undefined;
            } else if (action == rc::Push) {
                push(o.value, o.undefined);
            } else if (undefined || o.undefined) {
                settle({}, true);
            } else {
                switch (action) {
                case rc::AddTo: settle(Arithmetic<0>(acc, o.value), false); break;
                case rc::SubFrom: settle(Arithmetic<1>(acc, o.value), false); break;
                case rc::MulBy: settle(Arithmetic<2>(acc, o.value), false); break;
                case rc::DivBy: settle(Arithmetic<3>(acc, o.value), false); break;
                case rc::RSub: settle(Arithmetic<1>(o.value, acc), false); break;
                default: settle(Arithmetic<3>(o.value, acc), false); break;
                }
            }
            break;
        }
        }
    }
}

bool RealProgram::Build(ExprNode* tree) {
    RealProgramBuilder builder(*this);
    return builder.Build(tree);
}

bool RealProgram::EvaluateAt(EvalContext& ctx, int slot, const long double& value,
                             long double& out) const {
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

// The loop without defined flags, inlined into EvaluateAt so that the letter's value reaches
// the first instruction straight from the caller's memory.
[[gnu::always_inline]] inline RealProgram::Outcome RealProgram::Run(EvalContext& ctx, int slot,
                                                                     const long double& value,
                                                                     long double& out) const {
    ComplexValue* letters = ctx.letterValues;
    for (std::uint32_t bits = lettersRead_ & ~(1u << slot); bits != 0; bits &= bits - 1)
        if (!IsZeroBits(letters[__builtin_ctz(bits)].im))
            return Outcome::Restart;
    for (std::uint32_t bits = registersRead_; bits != 0; bits &= bits - 1)
        if (!IsZeroBits(ctx.registers[__builtin_ctz(bits)].im))
            return Outcome::Restart;
    RealMachine m(*this, ctx, slot, value);
    m.undo.nearBreak = ctx.nearBreak;
    if (usesRandom_ && ctx.random)
        m.undo.randomState = ctx.random->State();
    for (std::uint32_t bits = lettersMoved_; bits != 0; bits &= bits - 1)
        m.undo.letters[__builtin_ctz(bits)] = letters[__builtin_ctz(bits)];

    long double acc = 0.0L;
    const Instruction* ip = m.code;
    const Instruction* next = nullptr; // where the tracked loop goes on
    for (;; ++ip) {
        switch (ip->code) {
        case rc::Register:
            m.stack[m.sp++] = acc;
            acc = ctx.registers[ip->slot].re;
            break;
#define KORVANE_STACK_CASE(CODE, N)                                   \
    case rc::CODE: {                                                  \
        const Step s = Arithmetic<N>(m.stack[--m.sp], acc);           \
        acc = s.value;                                                \
        if (s.undefined)                                              \
            goto undefined;                                           \
        break;                                                        \
    }
        KORVANE_STACK_CASE(Add, 0)
        KORVANE_STACK_CASE(Sub, 1)
        KORVANE_STACK_CASE(Mul, 2)
        KORVANE_STACK_CASE(Div, 3)
#undef KORVANE_STACK_CASE
#define KORVANE_UNARY_CASE(CODE, STEP)                                \
    case rc::CODE: {                                                  \
        const Step s = STEP;                                          \
        acc = s.value;                                                \
        if (s.undefined)                                              \
            goto undefined;                                           \
        break;                                                        \
    }
        KORVANE_UNARY_CASE(Neg, (Step{-acc, false}))
        KORVANE_UNARY_CASE(Square, Product(acc, acc))
        KORVANE_UNARY_CASE(PowN, IntegerPower(acc, ip->slot))
        KORVANE_UNARY_CASE(Sin, Sine(acc, false))
        KORVANE_UNARY_CASE(Cos, Sine(acc, true))
        KORVANE_UNARY_CASE(Exp, Exponential(acc))
        KORVANE_UNARY_CASE(Sqrt, SquareRoot(acc))
        KORVANE_UNARY_CASE(Abs, Absolute(acc))
#undef KORVANE_UNARY_CASE
        case rc::Func1:
        case rc::Func2: {
            const long double a = ip->code == rc::Func2 ? m.stack[--m.sp] : 0.0L;
            ComplexValue result;
            const bool defined = EvaluateFunction(ctx, ip->op, {a, 0.0L}, {acc, 0.0L}, result);
            if (!IsZeroBits(result.im))
                return m.Restart();
            acc = result.re;
            if (!defined)
                goto undefined;
            break;
        }
        case rc::Join: {
            const long double third = m.stack[--m.sp];
            const long double left = m.stack[--m.sp];
            if ((ip->flags & rc::kNoThird) != 0) {
                acc = 0.0L;
                goto undefined;
            }
            const long double v = letters[JoinSlot(ip->op)].re;
            if (std::fabs(third - v) < ctx.tolerance)
                ctx.nearBreak = true;
            const bool right = third <= v;
            if ((ip->flags & (right ? rc::kNoRight : rc::kNoLeft)) != 0) {
                acc = 0.0L;
                goto undefined;
            }
            if (!right)
                acc = left;
            break;
        }
        case rc::Select: {
            const long double third = m.stack[--m.sp];
            const long double left = m.stack[--m.sp];
            if ((ip->flags & rc::kNoThird) != 0) {
                acc = 0.0L;
                goto undefined;
            }
            if (std::fabs(third) < ctx.tolerance)
                ctx.nearBreak = true;
            if ((third >= 0) == (ip->op == op::SelectMax))
                acc = left;
            break;
        }
        case rc::Fallback:
            acc = m.stack[--m.sp]; // the left operand is defined
            break;
        case rc::SumBegin: {
            const long double hi = acc;
            const long double lo = m.stack[--m.sp];
            long double first = 0.0L;
            long double last = 0.0L;
            if (!BoundIsInteger(lo, first) || !BoundIsInteger(hi, last) || last < first) {
                acc = 0.0L;
                next = m.code + ip->slot;
                goto undefinedAt;
            }
            SumFrame& f = m.frames[ip->flags >> 1];
            f.k = static_cast<long long>(first);
            f.last = static_cast<long long>(last);
            f.total = (ip->flags & rc::kIsSum) != 0 ? 0.0L : 1.0L;
            letters[ip->op] = {static_cast<long double>(f.k), 0.0L};
            break;
        }
        case rc::SumStep: {
            --m.sp; // what the accumulator held before the summand
            SumFrame& f = m.frames[ip->flags >> 1];
            if ((ip->flags & rc::kIsSum) != 0) {
                f.total += acc;
            } else {
                const Step p = Product(f.total, acc);
                f.total = p.value;
                if (p.undefined) {
                    ctx.nearBreak = false;
                    acc = 0.0L;
                    goto undefined;
                }
            }
            if (++f.k <= f.last) {
                letters[ip->op] = {static_cast<long double>(f.k), 0.0L};
                ip = m.code + ip->slot - 1;
                break;
            }
            ctx.nearBreak = false;
            acc = f.total;
            break;
        }
#define KORVANE_FUSED_CASE(A, O)                                      \
    case rc::Fused(rc::A, rc::O):                                     \
        if (!m.Fused<rc::A, rc::O>(*ip, acc))                         \
            goto undefined;                                           \
        break;
#define KORVANE_FUSED_ACTION(A)                                                               \
    KORVANE_FUSED_CASE(A, Constant) KORVANE_FUSED_CASE(A, Letter)                             \
    KORVANE_FUSED_CASE(A, LCAdd) KORVANE_FUSED_CASE(A, LCSub) KORVANE_FUSED_CASE(A, LCMul)    \
    KORVANE_FUSED_CASE(A, LCDiv) KORVANE_FUSED_CASE(A, CLAdd) KORVANE_FUSED_CASE(A, CLSub)    \
    KORVANE_FUSED_CASE(A, CLMul) KORVANE_FUSED_CASE(A, CLDiv) KORVANE_FUSED_CASE(A, LLAdd)    \
    KORVANE_FUSED_CASE(A, LLSub) KORVANE_FUSED_CASE(A, LLMul) KORVANE_FUSED_CASE(A, LLDiv)    \
    KORVANE_FUSED_CASE(A, LetterPow) KORVANE_FUSED_CASE(A, LetterSin)                         \
    KORVANE_FUSED_CASE(A, LetterCos) KORVANE_FUSED_CASE(A, LetterExp)                         \
    KORVANE_FUSED_CASE(A, LetterSqrt) KORVANE_FUSED_CASE(A, LetterAbs)
        KORVANE_FUSED_ACTION(Load)
        KORVANE_FUSED_ACTION(Push)
        KORVANE_FUSED_ACTION(AddTo)
        KORVANE_FUSED_ACTION(SubFrom)
        KORVANE_FUSED_ACTION(MulBy)
        KORVANE_FUSED_ACTION(DivBy)
        KORVANE_FUSED_ACTION(RSub)
        KORVANE_FUSED_ACTION(RDiv)
#undef KORVANE_FUSED_ACTION
#undef KORVANE_FUSED_CASE
        case rc::End:
        default:
            out = acc;
            return Outcome::Defined;
        }
    }
undefined:
    next = ip + 1;
undefinedAt:
    return m.Tracked(next, acc, out);
}

} // namespace korvane
