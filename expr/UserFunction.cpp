#include "expr/UserFunction.h"

#include <algorithm>
#include <cstring>

namespace korvane {

namespace {

template <std::size_t N> void CopyField(char (&field)[N], std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

std::string_view TextUpToZero(const char* bytes, std::size_t width) {
    return {bytes, static_cast<std::size_t>(std::find(bytes, bytes + width, '\0') - bytes)};
}

template <std::size_t N> std::string_view FieldText(const char (&field)[N]) {
    return TextUpToZero(field, N);
}

} // namespace

UserFunction UserFunction::Make(std::string_view name, std::string_view definition,
                                std::uint16_t kind) {
    UserFunction f;
    CopyField(f.name, name);
    CopyField(f.definition, definition);
    f.kind = kind;
    return f;
}

std::string_view UserFunction::Name() const {
    return FieldText(name);
}
std::string_view UserFunction::Definition() const {
    return FieldText(definition);
}

void StoreUserFunction(const UserFunction& function, std::uint8_t out[kUserFunctionRecordSize]) {
    std::memset(out, 0, kUserFunctionRecordSize);
    std::memcpy(out + kUserFunctionDefinitionOffset, function.definition,
                kUserFunctionDefinitionSize);
    std::memcpy(out + kUserFunctionNameOffset, function.name, kUserFunctionNameSize);
    out[kUserFunctionKindOffset] = static_cast<std::uint8_t>(function.kind & 0xFF);
    out[kUserFunctionKindOffset + 1] = static_cast<std::uint8_t>(function.kind >> 8);
}

UserFunction LoadUserFunction(const std::uint8_t in[kUserFunctionRecordSize]) {
    UserFunction f;
    // Rebuilt from the text up to the zero so that stray bytes behind it are not kept; a
    // field without its zero loses its last byte.
    const char* bytes = reinterpret_cast<const char*>(in);
    CopyField(f.definition,
              TextUpToZero(bytes + kUserFunctionDefinitionOffset, kUserFunctionDefinitionSize));
    CopyField(f.name, TextUpToZero(bytes + kUserFunctionNameOffset, kUserFunctionNameSize));
    const std::uint16_t kind = static_cast<std::uint16_t>(in[kUserFunctionKindOffset] |
                                                          (in[kUserFunctionKindOffset + 1] << 8));
    f.kind = (kind == kFunctionOfX || kind == kFunctionOfXY) ? kind : std::uint16_t{kFunctionOfX};
    return f;
}

} // namespace korvane
