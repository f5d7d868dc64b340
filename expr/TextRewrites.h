#pragma once
// The text steps of the compiler (2, 3 and 5 to 10): plain rewrites of the working text,
// each returning 0 or a result code. The text never grows beyond kWorkingLimit.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

class CharacterClasses;
class FunctionNameTable;

inline constexpr std::size_t kWorkingLimit = 4999; // the working buffer holds 5000 bytes with its NUL
inline constexpr std::size_t kChiBufferLimit = 420;

int CopyToWorkingText(std::string_view text, std::string& out);
int MapBrackets(std::string& text);
int RejectRawOpcodes(std::string& text);
int ExpandSquares(std::string& text);
int ReplaceNames(std::string& text, const FunctionNameTable& names,
                 const CharacterClasses& classes, bool complexMode);
int RewriteSums(std::string& text, unsigned char opcode);
int RewriteChi(std::string& text);
int MarkUnaryMinus(std::string& text, const CharacterClasses& classes);

} // namespace korvane
