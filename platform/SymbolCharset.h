#pragma once
// The symbol character set of fonts marked FontSpec::symbol: each byte is one character
// of the classic Symbol font (112 is pi), which this turns into UTF-8 for toolkits whose
// fonts are Unicode. Bytes without a symbol of their own stay as they are (ASCII) or
// become their Windows-1252 character.
#include <string>
#include <string_view>

namespace korvane::platform {

std::string SymbolToUtf8(std::string_view bytes);

} // namespace korvane::platform
