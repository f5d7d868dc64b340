#pragma once
// The 256-entry class tables that drive the compiler's pipeline and syntax check.
namespace korvane {

class CharacterClasses {
public:
    CharacterClasses();

    bool letters[256] = {};
    bool digits[256] = {}; // digits and the decimal point
    bool binaryOps[256] = {};
    bool twoArgFunctions[256] = {};
    bool manyArgFunctions[256] = {};
    bool prefixFunctions[256] = {};
    bool operandMayFollow[256] = {};
    bool operandStart[256] = {};
    bool operandEnd[256] = {}; // '#', ')' and letters: what may stand before an operator
    bool validCode[256] = {};

    bool IsLetter(int code) const { return Get(letters, code); }
    bool IsBinary(int code) const { return Get(binaryOps, code); }
    bool IsPrefix(int code) const { return Get(prefixFunctions, code); }
    bool IsMultiArgument(int code) const {
        return Get(twoArgFunctions, code) || Get(manyArgFunctions, code);
    }

private:
    static bool Get(const bool (&table)[256], int code) {
        return code >= 0 && code < 256 && table[code];
    }
};

} // namespace korvane
