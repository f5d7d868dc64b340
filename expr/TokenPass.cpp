#include "expr/TokenPass.h"

#include <charconv>

#include "expr/Arithmetic.h"
#include "expr/CharacterClasses.h"
#include "expr/CompileCodes.h"
#include "expr/Opcodes.h"

namespace korvane {

namespace {

FormulaToken Token(short code) {
    FormulaToken token;
    token.code = code;
    return token;
}

FormulaToken ConstantToken(long double value) {
    FormulaToken token = Token(op::Constant);
    token.value = {value, 0.0L};
    return token;
}

// The decimal value of a run of digits and points; stops at the first character it
// cannot use, so "2.5.3" is 2.5 and "." is 0. Independent of the C locale.
long double DecimalValue(const std::string& run) {
    long double value = 0.0L;
    const char* begin = run.data();
    if (!run.empty() && run[0] == '.') {
        // from_chars wants a digit first
        const std::string padded = "0" + run;
        std::from_chars(padded.data(), padded.data() + padded.size(), value);
        return value;
    }
    std::from_chars(begin, begin + run.size(), value);
    return value;
}

bool IsOperandEnd(const CharacterClasses& classes, int code) {
    return code >= 0 && code < 256 && classes.operandEnd[code];
}

bool Has(const bool (&table)[256], int code) { return code >= 0 && code < 256 && table[code]; }

bool EndsOperand(const CharacterClasses& classes, int next) {
    return next == op::Sentinel || next == op::Close || classes.IsBinary(next);
}

bool TokenFits(const CharacterClasses& classes, int prev, int cur, int next) {
    const bool startFollows = Has(classes.operandStart, next);
    const bool afterOperator = Has(classes.operandMayFollow, prev);
    if (cur == op::Open)
        return (classes.IsPrefix(prev) || afterOperator) && startFollows;
    if (cur == op::Close)
        return IsOperandEnd(classes, prev) && EndsOperand(classes, next);
    if (cur == op::Constant || classes.IsLetter(cur))
        return afterOperator && EndsOperand(classes, next);
    if (classes.IsBinary(cur))
        return IsOperandEnd(classes, prev) && startFollows;
    if (cur == op::UnaryMinus)
        return (prev == op::Constant || classes.IsLetter(prev) || afterOperator) && startFollows;
    if (classes.IsPrefix(cur))
        return afterOperator && next == op::Open;
    return false;
}

} // namespace

int MakeTokens(const std::string& text, const CharacterClasses& classes, TokenList& tokens) {
    tokens.clear();
    tokens.reserve(2 * text.size() + 2);
    for (char c : text) {
        const int code = static_cast<unsigned char>(c);
        if (!classes.validCode[code])
            return code::NotUnderstood;
        tokens.push_back(Token(static_cast<short>(code)));
    }
    return tokens.empty() ? code::NothingToDo : code::Ok;
}

int ReplaceNamedConstants(TokenList& tokens) {
    const SharedConstants& c = Constants();
    for (FormulaToken& token : tokens) {
        switch (token.code) {
        case op::Pi: token = ConstantToken(c.pi); break;
        case op::Phi: token = ConstantToken(c.phi); break;
        case op::Deg: token = ConstantToken(c.pi / 180.0L); break;
        case op::Pinf: token = ConstantToken(kInfinity); break;
        case op::Ninf: token = ConstantToken(-kInfinity); break;
        default: break;
        }
    }
    return code::Ok;
}

int MergeNumbers(TokenList& tokens, const CharacterClasses& classes) {
    TokenList out;
    out.reserve(tokens.capacity());
    for (std::size_t i = 0; i < tokens.size();) {
        if (!Has(classes.digits, tokens[i].code)) {
            out.push_back(tokens[i++]);
            continue;
        }
        std::string run;
        while (i < tokens.size() && Has(classes.digits, tokens[i].code))
            run.push_back(static_cast<char>(tokens[i++].code));
        out.push_back(ConstantToken(DecimalValue(run)));
    }
    tokens = std::move(out);
    return code::Ok;
}

// x! becomes FACT(x), and (...)! becomes FACT(...).
int RewriteFactorials(TokenList& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].code != op::Factorial)
            continue;
        if (i == 0)
            return code::NotUnderstood;
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i));
        const std::size_t operand = i - 1;
        if (tokens[operand].code != op::Close) {
            tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(operand + 1), Token(op::Close));
            tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(operand),
                          {Token(op::Fact), Token(op::Open)});
            continue;
        }
        int depth = 0;
        std::size_t open = operand + 1;
        while (open-- > 0) {
            if (tokens[open].code == op::Close)
                ++depth;
            else if (tokens[open].code == op::Open && --depth == 0)
                break;
        }
        if (open == static_cast<std::size_t>(-1))
            return code::NotUnderstood;
        tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(open), Token(op::Fact));
    }
    return code::Ok;
}

// A comma belongs to the function before its enclosing '(' and takes its code; the
// function token then goes, which leaves the function as an infix operator.
int AttributeCommas(TokenList& tokens, const CharacterClasses& classes) {
    std::vector<std::size_t> opens;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const short c = tokens[i].code;
        if (c == op::Open) {
            opens.push_back(i);
        } else if (c == op::Close) {
            if (!opens.empty())
                opens.pop_back();
        } else if (c == op::Comma) {
            if (opens.empty() || opens.back() == 0)
                return code::NotUnderstood;
            FormulaToken& function = tokens[opens.back() - 1];
            if (!classes.IsMultiArgument(function.code))
                return code::NotUnderstood;
            tokens[i].code = function.code;
            ++function.commaCount;
            if (function.commaCount > 1 && classes.twoArgFunctions[function.code])
                return code::TooManyArguments;
        }
    }
    std::erase_if(tokens, [&](const FormulaToken& t) {
        return t.commaCount > 0 && classes.IsMultiArgument(t.code);
    });
    return code::Ok;
}

// Inserts the implied '*' and checks that every token stands between neighbours it
// may have.
int CheckSyntax(TokenList& tokens, const CharacterClasses& classes) {
    TokenList out;
    out.reserve(2 * tokens.size() + 1);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const short cur = tokens[i].code;
        const short following = i + 1 < tokens.size() ? tokens[i + 1].code : short{op::Sentinel};
        const bool insertTimes =
            IsOperandEnd(classes, cur) &&
            (following == op::Constant || following == op::Open || classes.IsLetter(following) ||
             classes.IsPrefix(following));
        const short next = insertTimes ? short{op::Times} : following;
        const short prev = out.empty() ? short{op::Sentinel} : out.back().code;
        if (!TokenFits(classes, prev, cur, next))
            return code::Inconsistent;
        out.push_back(tokens[i]);
        if (insertTimes)
            out.push_back(Token(op::Times));
    }
    tokens = std::move(out);
    return code::Ok;
}

void UnwrapSingleToken(TokenList& tokens) {
    if (tokens.size() == 3 && tokens[0].code == op::Open && tokens[2].code == op::Close)
        tokens = {tokens[1]};
}

} // namespace korvane
