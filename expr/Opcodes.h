#pragma once
// Character codes and opcodes of compiled formulas. Codes below 128 are the characters
// themselves; 128 and up are functions and internal operators.

namespace korvane::op {

enum : short {
    Sentinel = 7,
    Fallback = 10, // left if defined, else right
    Register0 = 27, // 27..31 read the five registers
    Factorial = 33, // '!'
    Constant = 35,  // '#'
    Open = 40,
    Close = 41,
    Times = 42,
    Plus = 43,
    Comma = 44,
    Minus = 45,
    Point = 46,
    Divide = 47,
    LetterAt = 64, // code 64 is letter slot 0; 'A'..'Z' are slots 1..26
    LetterX = 88,
    LetterY = 89,
    LetterZ = 90,
    Power = 94,
    Bar = 124,
    Arctan = 128,
    Tan = 129,
    Cos = 130,
    Exp = 131,
    Fact = 132,
    Int = 133,
    Sinh = 134,
    Cosh = 135,
    Tanh = 136,
    Arccos = 137,
    Ln = 138,
    Abs = 139,
    Arcsin = 140,
    Sin = 142,
    Sec = 143,
    Csc = 144,
    Cot = 145,
    UnaryMinus = 146,
    Arg = 147,
    Sgn = 148,
    Frac = 149,
    Log = 150,
    Iter = 151,
    Root = 152,
    Max = 153,
    Min = 154,
    Sech = 155,
    Coth = 156,
    Csch = 157,
    Pow = 158,
    Binom = 159,
    Sum = 161,
    Prod = 162,
    Rand = 163,
    Erf = 164,
    Hvs = 165,
    Gamma = 169,
    Cis = 170,
    Re = 171,
    Im = 172,
    Conj = 173,
    Gauss = 174,
    Ninf = 175,
    Pinf = 176,
    Chi = 177,
    JoinX = 180,
    JoinT = 181,
    JoinR = 182,
    JoinU = 183,
    AbsMany = 190, // abs with two or more arguments
    Arg2 = 191,    // arg(x, y)
    SelectMax = 193, // left if Re(third) >= 0, else right
    SelectMin = 194, // right if Re(third) >= 0, else left
    Floor = 195,
    Ceil = 196,
    IterDerivative = 199,
    Periodic = 200,
    Mod = 208,
    Gcd = 209,
    Argsinh = 210,
    Argcosh = 211,
    Argtanh = 212,
    Argcoth = 213,
    Arccot = 214,
    Lg = 215, // also log with two arguments
    SumTerm = 220,  // summand and index letter of sum/prod
    SumRange = 221, // bounds of sum/prod
    Pi = 227,
    Phi = 232,
    Sqrt = 251,
    Square = 253,
    Deg = 255,
};

} // namespace korvane::op
