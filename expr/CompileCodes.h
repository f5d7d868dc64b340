#pragma once
// Result codes of the compiler; the caller shows string 400 + code.
namespace korvane::code {

enum : int {
    Ok = 0,
    NotUnderstood = 1,   // invalid character, malformed sum/prod/chi, misplaced '!', stray comma
    Inconsistent = 6,    // syntax check
    NothingToDo = 9,     // empty formula
    OutOfLimits = 17,    // text or tree too large, bad ITER count or sum index
    MissingData = 24,
    TooManyArguments = 101,
    UnmatchedParentheses = 108,
    MissingEquals = 112,
};

} // namespace korvane::code
