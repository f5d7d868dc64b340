#pragma once
// The symbol character set of fonts marked FontSpec::symbol: each byte is one character
// of the classic Symbol font (112 is pi), which this turns into UTF-8 for toolkits whose
// fonts are Unicode. Bytes without a symbol of their own stay as they are (ASCII) or
// become their Windows-1252 character.
#include <string>
#include <string_view>

namespace korvane::platform {

std::string SymbolToUtf8(std::string_view bytes);
// One character code of the symbol set (a pi character chosen by the user); codes beyond a
// byte give the replacement character.
std::string SymbolCharToUtf8(int code);

} // namespace korvane::platform
