#include "expr/TextRewrites.h"

#include "expr/CharacterClasses.h"
#include "expr/CompileCodes.h"
#include "expr/FunctionNameTable.h"
#include "expr/Opcodes.h"

namespace korvane {

namespace {

using Byte = unsigned char;

Byte At(const std::string& text, std::size_t i) { return static_cast<Byte>(text[i]); }

// Index of the ')' that closes the '(' at `open`, or npos.
std::size_t MatchingClose(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return std::string::npos;
}

// Next comma at depth 1 of the group that opens at `open`, searching from `from`.
std::size_t NextTopComma(const std::string& text, std::size_t open, std::size_t from,
                         std::size_t close) {
    int depth = 0;
    for (std::size_t i = open; i < close; ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (text[i] == ',' && depth == 1 && i >= from)
            return i;
    }
    return std::string::npos;
}

bool HasTopComma(const std::string& text, std::size_t open) {
    if (open >= text.size() || text[open] != '(')
        return false;
    const std::size_t close = MatchingClose(text, open);
    const std::size_t end = close == std::string::npos ? text.size() : close;
    return NextTopComma(text, open, open, end) != std::string::npos;
}

std::string Slice(const std::string& text, std::size_t from, std::size_t to) {
    return text.substr(from, to - from);
}

int Splice(std::string& text, std::size_t from, std::size_t to, const std::string& replacement) {
    if (text.size() - (to - from) + replacement.size() > kWorkingLimit)
        return code::OutOfLimits;
    text.replace(from, to - from, replacement);
    return code::Ok;
}

// The opcode for a whole run of letters; `after` is where the run ends in the text.
short NameOpcode(const std::string& text, std::string_view run, std::size_t after,
                 const FunctionNameTable& names, bool complexMode) {
    const short opcode = names.Find(run, complexMode);
    if (opcode == op::Abs || opcode == op::Log || opcode == op::Arg) {
        if (HasTopComma(text, after))
            return opcode == op::Abs ? op::AbsMany : opcode == op::Log ? op::Lg : op::Arg2;
        if (opcode == op::Arg && !complexMode)
            return 0;
    }
    return opcode;
}

} // namespace

int CopyToWorkingText(std::string_view text, std::string& out) {
    out.clear();
    for (char c : text) {
        if (c == '\0')
            break;
        if (c == ' ')
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        out.push_back(c);
    }
    if (out.empty())
        return code::NothingToDo;
    return out.size() > kWorkingLimit ? code::OutOfLimits : code::Ok;
}

int MapBrackets(std::string& text) {
    int depth = 0;
    for (char& c : text) {
        if (c == '[' || c == '{')
            c = '(';
        else if (c == ']' || c == '}')
            c = ')';
        if (c == '(')
            ++depth;
        else if (c == ')' && --depth < 0)
            return code::UnmatchedParentheses;
    }
    return depth == 0 ? code::Ok : code::UnmatchedParentheses;
}

// Typed bytes 128..255 would be read as opcodes; only 253 (a square) has a meaning.
int RejectRawOpcodes(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Byte c = At(text, i);
        if (c >= 128 && c != op::Square)
            return code::NotUnderstood;
    }
    return code::Ok;
}

int ExpandSquares(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (At(text, i) != op::Square)
            continue;
        if (int c = Splice(text, i, i + 1, "^2"))
            return c;
        ++i;
    }
    return code::Ok;
}

int ReplaceNames(std::string& text, const FunctionNameTable& names,
                 const CharacterClasses& classes, bool complexMode) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!classes.IsLetter(At(text, i))) {
            out.push_back(text[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && classes.IsLetter(At(text, end)))
            ++end;
        // A run that is not a name keeps its first letter as a variable and is tried
        // again without it.
        while (i < end) {
            const std::string_view run(text.data() + i, end - i);
            if (short opcode = NameOpcode(text, run, end, names, complexMode)) {
                out.push_back(static_cast<char>(opcode));
                i = end;
                break;
            }
            out.push_back(text[i++]);
            if (i < end)
                out.push_back('*');
        }
        if (out.size() > kWorkingLimit)
            return code::OutOfLimits;
    }
    text = std::move(out);
    return code::Ok;
}

// SUM(f,n,a,b) becomes ((f<220>n)SUM(a<221>b)). Done from the right, so that the sums
// inside an argument are rewritten before the sum that holds them.
int RewriteSums(std::string& text, unsigned char opcode) {
    for (std::size_t pos = text.size(); pos-- > 0;) {
        if (At(text, pos) != opcode)
            continue;
        const std::size_t open = pos + 1;
        if (open >= text.size() || text[open] != '(')
            return code::NotUnderstood;
        const std::size_t close = MatchingClose(text, open);
        if (close == std::string::npos)
            return code::NotUnderstood;
        const std::size_t first = NextTopComma(text, open, open, close);
        if (first == std::string::npos)
            return code::NotUnderstood;
        const std::size_t second = NextTopComma(text, open, first + 1, close);
        if (second != first + 2)
            return code::NotUnderstood;
        const std::size_t third = NextTopComma(text, open, second + 1, close);
        if (third == std::string::npos)
            return code::NotUnderstood;
        std::string rewritten = "((";
        rewritten += Slice(text, open + 1, first);
        rewritten += static_cast<char>(op::SumTerm);
        rewritten += text[first + 1];
        rewritten += ')';
        rewritten += static_cast<char>(opcode);
        rewritten += '(';
        rewritten += Slice(text, second + 1, third);
        rewritten += static_cast<char>(op::SumRange);
        rewritten += Slice(text, third + 1, close);
        rewritten += "))";
        if (int c = Splice(text, pos, close + 1, rewritten))
            return c;
    }
    return code::Ok;
}

// chi(a,b,x) becomes HVS((x)-(a))*HVS((b)-(x)); the arguments are cut at the first two
// commas, whatever their depth.
int RewriteChi(std::string& text) {
    for (std::size_t pos = text.size(); pos-- > 0;) {
        if (At(text, pos) != op::Chi)
            continue;
        const std::size_t open = pos + 1;
        if (open >= text.size() || text[open] != '(')
            return code::NotUnderstood;
        const std::size_t close = MatchingClose(text, open);
        const std::size_t first = text.find(',', open);
        const std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
        if (close == std::string::npos || second == std::string::npos || second > close)
            return code::NotUnderstood;
        const std::string a = Slice(text, open + 1, first);
        const std::string b = Slice(text, first + 1, second);
        const std::string x = Slice(text, second + 1, close);
        const std::string hvs(1, static_cast<char>(op::Hvs));
        const std::string rewritten =
            hvs + "((" + x + ")-(" + a + "))*" + hvs + "((" + b + ")-(" + x + "))";
        if (rewritten.size() > kChiBufferLimit)
            return code::OutOfLimits;
        if (int c = Splice(text, pos, close + 1, rewritten))
            return c;
    }
    return code::Ok;
}

int MarkUnaryMinus(std::string& text, const CharacterClasses& classes) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '-')
            continue;
        const Byte before = i == 0 ? Byte{op::Sentinel} : At(text, i - 1);
        if (i == 0 || before == '(' || before == ',' || before == op::UnaryMinus ||
            classes.IsBinary(before))
            text[i] = static_cast<char>(op::UnaryMinus);
    }
    return code::Ok;
}

} // namespace korvane
