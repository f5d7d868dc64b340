#include "expr/Derivative.h"

#include "expr/Arithmetic.h"
#include "expr/Opcodes.h"
#include "expr/Optimizer.h"
#include "expr/TreeOps.h"

namespace korvane {

namespace {

// A derivative whose rule cannot be written as a tree comes out undefined, not wrong.
constexpr int kMaxUnrolledIterations = 64;
constexpr std::size_t kMaxUnrolledNodes = 20000;
// Rules that copy their operands make chains such as x^x^...^x quadratic in size; past
// this many nodes (some tens of megabytes) the derivative is given up.
constexpr std::size_t kMaxDerivativeNodes = 1000000;
// Step of the central difference for gamma and binom, which have no closed derivative
// in the language; their approximations are smooth to about 1e-13.
constexpr long double kDifferenceStep = 1e-5L;

bool IsLetterCode(int op) {
    return op >= op::LetterAt && op <= op::LetterZ;
}

// Derivative 0 (1 for the letter itself). Binom and mod are not here: they move with
// their first argument.
bool HasConstantDerivative(int op) {
    if (IsLetterCode(op))
        return true;
    switch (op) {
    case op::Constant:
    case op::Int:
    case op::Sgn:
    case op::Rand:
    case op::Hvs:
    case op::Ninf:
    case op::Pinf:
    case op::Floor:
    case op::Ceil:
    case op::Gcd:
    case op::Register0:
    case op::Register0 + 1:
    case op::Register0 + 2:
    case op::Register0 + 3:
    case op::Register0 + 4:
        return true;
    default:
        return false;
    }
}

bool IsBinaryOperator(int op) {
    switch (op) {
    case op::Times:
    case op::Plus:
    case op::Minus:
    case op::Divide:
    case op::Power:
    case op::Bar:
    case op::Sum:
    case op::Prod:
    case op::SumTerm:
    case op::SumRange:
    case op::Iter:
    case op::Root:
    case op::Pow:
    case op::Binom:
    case op::Arg2:
    case op::Lg:
    case op::Max:
    case op::Min:
    case op::JoinX:
    case op::JoinT:
    case op::JoinR:
    case op::JoinU:
    case op::AbsMany:
    case op::SelectMax:
    case op::SelectMin:
    case op::Mod:
    case op::Gcd:
        return true;
    default:
        return false;
    }
}

class Deriver {
public:
    Deriver(ExprTree& out, int letter, bool complexMode)
        : out_(out), letter_(letter), complex_(complexMode) {}

    ExprNode* D(const ExprNode* n);
    bool Exhausted() const { return exhausted_; }

private:
    // Tree building; every operand handed in is already a node of `out_`.
    ExprNode* Copy(const ExprNode* n);
    ExprNode* Constant(long double re, long double im = 0.0L) { return out_.NewConstant({re, im}); }
    ExprNode* Node(int op, ExprNode* left, ExprNode* right) {
        return out_.NewNode(static_cast<short>(op), left, right);
    }
    ExprNode* Fn(int op, ExprNode* argument) { return Node(op, nullptr, argument); }
    ExprNode* Mul(ExprNode* a, ExprNode* b) { return Node(op::Times, a, b); }
    ExprNode* Div(ExprNode* a, ExprNode* b) { return Node(op::Divide, a, b); }
    ExprNode* Add(ExprNode* a, ExprNode* b) { return Node(op::Plus, a, b); }
    ExprNode* Sub(ExprNode* a, ExprNode* b) { return Node(op::Minus, a, b); }
    ExprNode* Negate(ExprNode* a) { return Sub(Constant(0.0L), a); }
    ExprNode* MinusOneTimes(ExprNode* a) { return Mul(Constant(-1.0L), a); }
    ExprNode* Square(ExprNode* a) { return Fn(op::Square, a); }
    ExprNode* Undefined() { return Div(Constant(1.0L), Constant(0.0L)); }

    bool IsFixed(const ExprNode* n) const;
    bool DependsOnLetter(const ExprNode* n) const;
    ExprNode* LetterRule(const ExprNode* n);
    ExprNode* Shortcut(const ExprNode* n);
    ExprNode* ComplexPart(const ExprNode* n);
    ExprNode* SumOrProduct(const ExprNode* n);
    ExprNode* General(const ExprNode* n);
    ExprNode* ChainFactor(const ExprNode* n); // F'(u) of the functions u' * F'(u)
    ExprNode* Quotient(const ExprNode* n);    // the rules u' / G(u)
    ExprNode* Structural(const ExprNode* n);
    ExprNode* Iteration(const ExprNode* n);
    ExprNode* IterateDerivative(const ExprNode* n);
    static ExprNode* Unroll(const ExprNode* f, int count, ExprTree& scratch);
    ExprNode* CentralDifference(const ExprNode* n, bool inLeft);
    // Every X below n (n included) becomes a copy of `value`.
    ExprNode* Substitute(ExprNode* n, const ExprNode* value);

    ExprTree& out_;
    int letter_;
    bool complex_;
    bool exhausted_ = false;
};

ExprNode* Deriver::Copy(const ExprNode* n) {
    return n ? CopyTree(n, out_) : nullptr;
}

// A constant, or a letter other than the one differentiated by. In complex mode Z is not
// fixed for X and Y, which are its parts.
bool Deriver::IsFixed(const ExprNode* n) const {
    if (!n)
        return false;
    if (n->op == op::Constant)
        return true;
    if (n->op < 'A' || n->op > 'Z' || n->op == letter_)
        return false;
    return !(complex_ && n->op == op::LetterZ &&
             (letter_ == op::LetterX || letter_ == op::LetterY));
}

bool Deriver::DependsOnLetter(const ExprNode* n) const {
    if (!n)
        return false;
    if (n->op == letter_)
        return true;
    if (complex_ && n->op == op::LetterZ && (letter_ == op::LetterX || letter_ == op::LetterY))
        return true;
    return DependsOnLetter(n->left) || DependsOnLetter(n->third) || DependsOnLetter(n->right);
}

ExprNode* Deriver::D(const ExprNode* n) {
    if (exhausted_ || out_.NodeCount() > kMaxDerivativeNodes) {
        exhausted_ = true;
        return nullptr;
    }
    if (!n)
        return Constant(0.0L);
    if (HasConstantDerivative(n->op))
        return LetterRule(n);
    if (ExprNode* shortcut = Shortcut(n))
        return shortcut;
    if (ExprNode* part = ComplexPart(n))
        return part;
    if (n->op == op::Sum || n->op == op::Prod)
        return SumOrProduct(n);
    return General(n);
}

ExprNode* Deriver::LetterRule(const ExprNode* n) {
    if (n->op == letter_)
        return Constant(1.0L);
    if (complex_ && n->op == op::LetterZ) {
        if (letter_ == op::LetterX)
            return Constant(1.0L);
        if (letter_ == op::LetterY)
            return Constant(0.0L, 1.0L);
    }
    if (complex_ && n->op == op::Sgn) {
        // sgn z = z/|z| moves in complex mode: (u' - s re(conj(s) u')) / |u|.
        const ExprNode* u = n->right;
        ExprNode* along = Fn(op::Re, Mul(Fn(op::Conj, Copy(n)), D(u)));
        return Div(Sub(D(u), Mul(Copy(n), along)), Fn(op::Abs, Copy(u)));
    }
    return Constant(0.0L);
}

ExprNode* Deriver::Shortcut(const ExprNode* n) {
    if (!IsBinaryOperator(n->op))
        return nullptr;
    if (IsFixed(n->left) && IsFixed(n->right))
        return Constant(0.0L);
    if ((n->op == op::Plus || n->op == op::Minus) && IsFixed(n->right))
        return D(n->left);
    if (n->op == op::Plus && IsFixed(n->left))
        return D(n->right);
    return nullptr;
}

// re, im and conj are linear: each takes the part of the derivative. (For im this is not
// i times the part: d/dy im(x + iy) is 1.)
ExprNode* Deriver::ComplexPart(const ExprNode* n) {
    if (n->op != op::Re && n->op != op::Im && n->op != op::Conj)
        return nullptr;
    return Fn(n->op, D(n->right));
}

// sum(f, k, p, q): left is the 220 node (f and the index letter), right the 221 bounds.
ExprNode* Deriver::SumOrProduct(const ExprNode* n) {
    const ExprNode* term = n->left;
    if (!term)
        return Constant(0.0L);
    auto withSummand = [&](ExprNode* summand) {
        ExprNode* newTerm = Node(op::SumTerm, summand, Copy(term->right));
        newTerm->aux = term->aux;
        return Node(op::Sum, newTerm, Copy(n->right));
    };
    if (n->op == op::Sum)
        return withSummand(D(term->left));
    return Mul(Copy(n), withSummand(Div(D(term->left), Copy(term->left))));
}

ExprNode* Deriver::General(const ExprNode* n) {
    const ExprNode* a = n->left;
    const ExprNode* u = n->right;
    if (ExprNode* factor = ChainFactor(n))
        return Mul(D(u), factor);
    if (ExprNode* quotient = Quotient(n))
        return quotient;
    switch (n->op) {
    case op::Plus:
    case op::Minus:
    case op::JoinX:
    case op::JoinT:
    case op::JoinR:
    case op::JoinU: {
        ExprNode* d = Node(n->op, D(a), D(u));
        d->third = Copy(n->third);
        return d;
    }
    case op::Times:
        return Add(Mul(Copy(a), D(u)), Mul(Copy(u), D(a)));
    case op::Divide:
        return Div(Sub(Mul(Copy(u), D(a)), Mul(Copy(a), D(u))), Square(Copy(u)));
    case op::Power:
        // With an exponent that does not move, ln a would make the derivative undefined
        // for a negative base although a^n is defined there for integer n.
        if (!DependsOnLetter(u))
            return Mul(Copy(n), Mul(Copy(u), Div(D(a), Copy(a))));
        return Mul(Copy(n), Add(Mul(D(u), Fn(op::Ln, Copy(a))), Mul(Copy(u), Div(D(a), Copy(a)))));
    case op::Cos:
        return Negate(Mul(D(u), Fn(op::Sin, Copy(u))));
    case op::Cis:
        // Real mode sees only cos u, whose derivative i u' cis u would lose entirely.
        if (!complex_)
            return Negate(Mul(D(u), Fn(op::Sin, Copy(u))));
        return Mul(Mul(Constant(0.0L, 1.0L), D(u)), Copy(n));
    case op::Abs:
        if (complex_)
            return Fn(op::Re, Mul(D(u), Fn(op::Conj, Fn(op::Sgn, Copy(u)))));
        return Mul(D(u), Fn(op::Sgn, Copy(u)));
    default:
        return Structural(n);
    }
}

// The functions whose derivative is u' * F'(u); null for the others.
ExprNode* Deriver::ChainFactor(const ExprNode* n) {
    const ExprNode* u = n->right;
    switch (n->op) {
    case op::Square:
        return Mul(Constant(2.0L), Copy(u));
    case op::Exp:
        return Copy(n);
    case op::Sin:
        return Fn(op::Cos, Copy(u));
    case op::Tan:
        return Square(Fn(op::Sec, Copy(u)));
    case op::Sec:
        return Mul(Copy(n), Fn(op::Tan, Copy(u)));
    case op::Csc:
        return MinusOneTimes(Mul(Copy(n), Fn(op::Cot, Copy(u))));
    case op::Cot:
        return MinusOneTimes(Square(Fn(op::Csc, Copy(u))));
    case op::Sinh:
        return Fn(op::Cosh, Copy(u));
    case op::Cosh:
        return Fn(op::Sinh, Copy(u));
    case op::Tanh:
        return Square(Fn(op::Sech, Copy(u)));
    case op::Sech:
        return MinusOneTimes(Mul(Copy(n), Fn(op::Tanh, Copy(u))));
    case op::Csch:
        return MinusOneTimes(Mul(Copy(n), Fn(op::Coth, Copy(u))));
    case op::Coth:
        return MinusOneTimes(Square(Fn(op::Csch, Copy(u))));
    case op::Frac:
        return Constant(1.0L);
    case op::Erf:
        return Mul(Constant(Constants().twoOverSqrtPi),
                   Fn(op::Exp, MinusOneTimes(Square(Copy(u)))));
    case op::Gauss:
        return MinusOneTimes(Mul(Copy(n), Copy(u)));
    case op::Root: {
        // root(m, u) = u^(1/m): (1/m) root(m, u)^(1 - m), the power taken by POW.
        const ExprNode* m = n->left;
        if (m && m->op == op::Constant && m->value.re == 0.0L)
            return Undefined(); // as root(0, u) itself
        if (m && m->op == op::Constant)
            return Mul(Constant(1.0L / m->value.re),
                       Node(op::Pow, Constant(1.0L - m->value.re), Copy(n)));
        return Mul(Div(Constant(1.0L), Copy(m)),
                   Node(op::Pow, Sub(Constant(1.0L), Copy(m)), Copy(n)));
    }
    case op::Pow: {
        const ExprNode* m = n->left;
        if (m && m->op == op::Constant)
            return Mul(Constant(m->value.re), Node(op::Pow, Constant(m->value.re - 1.0L), Copy(u)));
        return Mul(Copy(m), Node(op::Pow, Sub(Copy(m), Constant(1.0L)), Copy(u)));
    }
    default:
        return nullptr;
    }
}

ExprNode* Deriver::Quotient(const ExprNode* n) {
    const ExprNode* u = n->right;
    auto onePlusSquare = [&] { return Add(Constant(1.0L), Square(Copy(u))); };
    auto rootOfOneMinusSquare = [&] { return Fn(op::Sqrt, Sub(Constant(1.0L), Square(Copy(u)))); };
    switch (n->op) {
    case op::Ln:
        return Div(D(u), Copy(u));
    case op::Log:
        return Div(D(u), Mul(Constant(Constants().ln10), Copy(u)));
    case op::Sqrt:
        return Div(D(u), Mul(Constant(2.0L), Copy(n)));
    case op::Arctan:
        return Div(D(u), onePlusSquare());
    case op::Arccot:
        return Negate(Div(D(u), onePlusSquare()));
    case op::Arcsin:
        return Div(D(u), rootOfOneMinusSquare());
    case op::Arccos:
        return Negate(Div(D(u), rootOfOneMinusSquare()));
    case op::Argsinh:
        return Div(D(u), Fn(op::Sqrt, Add(Square(Copy(u)), Constant(1.0L))));
    case op::Argcosh:
        // The principal argcosh has the slope 1/(sqrt(u-1) sqrt(u+1)); 1/sqrt(u^2-1) has the
        // wrong sign in the complex left half-plane. On the real axis both agree.
        if (complex_)
            return Div(D(u), Mul(Fn(op::Sqrt, Sub(Copy(u), Constant(1.0L))),
                                 Fn(op::Sqrt, Add(Copy(u), Constant(1.0L)))));
        return Div(D(u), Fn(op::Sqrt, Sub(Square(Copy(u)), Constant(1.0L))));
    case op::Argtanh:
    case op::Argcoth:
        return Div(D(u), Sub(Constant(1.0L), Square(Copy(u))));
    default:
        return nullptr;
    }
}

ExprNode* Deriver::Structural(const ExprNode* n) {
    const ExprNode* a = n->left;
    const ExprNode* u = n->right;
    switch (n->op) {
    case op::AbsMany: {
        // Only the real parts enter abs(a, b), in complex mode too.
        auto part = [&](ExprNode* x) { return complex_ ? Fn(op::Re, x) : x; };
        return Div(Add(Mul(part(Copy(a)), part(D(a))), Mul(part(Copy(u)), part(D(u)))), Copy(n));
    }
    case op::Arg:
        // arg u = im ln u.
        return Fn(op::Im, Div(D(u), Copy(u)));
    case op::Arg2:
        return Div(Sub(Mul(Copy(a), D(u)), Mul(Copy(u), D(a))),
                   Add(Square(Copy(a)), Square(Copy(u))));
    case op::Max:
    case op::Min: {
        // Max and min give real results, so their derivatives take the real parts.
        auto part = [&](ExprNode* x) { return complex_ ? Fn(op::Re, x) : x; };
        ExprNode* d =
            Node(n->op == op::Max ? op::SelectMax : op::SelectMin, part(D(a)), part(D(u)));
        d->third = Sub(Copy(a), Copy(u));
        return d;
    }
    case op::SelectMax:
    case op::SelectMin: {
        ExprNode* d = Node(n->op, D(a), D(u));
        d->third = Copy(n->third);
        return d;
    }
    case op::Iter:
        return Iteration(n);
    case op::IterDerivative:
        return IterateDerivative(n);
    case op::Fallback: {
        // Left where it is defined, else right: so is the derivative, piece by piece.
        return Node(op::Fallback, D(a), D(u));
    }
    case op::Periodic: {
        ExprNode* d = Node(op::Periodic, Copy(a), D(u));
        d->third = Copy(n->third);
        return d;
    }
    case op::Mod:
        // mod(a, b) = a - |b| floor(a/|b|).
        return Sub(D(a), Mul(Mul(D(u), Fn(op::Sgn, Copy(u))),
                             Fn(op::Floor, Div(Copy(a), Fn(op::Abs, Copy(u))))));
    case op::Gamma:
    case op::Fact:
        return Mul(D(u), CentralDifference(n, false));
    case op::Binom:
        return Mul(D(a), CentralDifference(n, true));
    case op::UnaryMinus:
        return Fn(op::UnaryMinus, D(u));
    default:
        return Constant(0.0L);
    }
}

// The 199 node multiplies f'(x_k) over the iterates, which is the derivative by X. By
// another letter that f uses, the iterate is written out when it is small enough.
ExprNode* Deriver::Iteration(const ExprNode* n) {
    const ExprNode* f = n->right;
    if (letter_ == op::LetterX || !DependsOnLetter(f)) {
        ExprNode* d = Node(op::IterDerivative, D(f), Copy(f));
        d->third = Constant(static_cast<long double>(n->aux));
        d->aux = n->aux;
        return d;
    }
    if (n->aux < 1)
        return Constant(0.0L);
    ExprTree scratch;
    const ExprNode* iterate = Unroll(f, n->aux, scratch);
    return iterate ? D(iterate) : Undefined();
}

// The derivative of the 199 node (a second derivative of an iterate) goes through the
// iterate written out, differentiated by X and then by the letter.
ExprNode* Deriver::IterateDerivative(const ExprNode* n) {
    if (n->aux < 1)
        return Constant(0.0L);
    ExprTree scratch;
    const ExprNode* iterate = Unroll(n->right, n->aux, scratch);
    if (!iterate)
        return Undefined();
    Deriver byX(scratch, op::LetterX, complex_);
    const ExprNode* first = byX.D(iterate);
    if (byX.Exhausted()) {
        exhausted_ = true;
        return nullptr;
    }
    return D(first);
}

// f(f(...f(X))) with `count` copies of f, in `scratch`; null when it would be too large.
ExprNode* Deriver::Unroll(const ExprNode* f, int count, ExprTree& scratch) {
    if (count > kMaxUnrolledIterations)
        return nullptr;
    Deriver writer(scratch, op::LetterX, false); // only copies and substitutes
    ExprNode* iterate = writer.Copy(f);
    for (int k = 1; k < count; ++k) {
        iterate = writer.Substitute(writer.Copy(f), iterate);
        if (scratch.NodeCount() > kMaxUnrolledNodes)
            return nullptr;
    }
    return iterate;
}

ExprNode* Deriver::Substitute(ExprNode* n, const ExprNode* value) {
    if (!n)
        return nullptr;
    if (n->op == op::LetterX)
        return Copy(value);
    n->left = Substitute(n->left, value);
    n->third = Substitute(n->third, value);
    n->right = Substitute(n->right, value);
    return n;
}

// (F(.. w + h ..) - F(.. w - h ..)) / 2h, w the argument that moves.
ExprNode* Deriver::CentralDifference(const ExprNode* n, bool inLeft) {
    auto shifted = [&](long double step) {
        ExprNode* c = Node(n->op, Copy(n->left), Copy(n->right));
        ExprNode*& moved = inLeft ? c->left : c->right;
        moved = Add(moved, Constant(step));
        return c;
    };
    return Div(Sub(shifted(kDifferenceStep), shifted(-kDifferenceStep)),
               Constant(2.0L * kDifferenceStep));
}

} // namespace

bool Differentiate(EvalContext& ctx, const ExprNode* root, int letter, ExprTree& out) {
    out.Clear();
    Deriver deriver(out, letter, ctx.complexMode);
    out.root = deriver.D(root);
    if (deriver.Exhausted()) {
        // Too large to build: an everywhere undefined derivative, and the caller is told.
        out.Clear();
        out.root =
            out.NewNode(op::Divide, out.NewConstant({1.0L, 0.0L}), out.NewConstant({0.0L, 0.0L}));
        return false;
    }
    if (ctx.optimize)
        OptimizeTree(ctx, out);
    return true;
}

bool Differentiate(EvalContext& ctx, const ExprTree& tree, int letter, ExprTree& out) {
    return Differentiate(ctx, tree.root, letter, out);
}

} // namespace korvane
