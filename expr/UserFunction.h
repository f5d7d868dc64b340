#pragma once
// One user-defined function of a graph window: a name, a definition in terms of X (and
// Y), and its kind. Stored in documents as a packed 77-byte record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// The record's layout in files. The link field held a pointer in memory; files carry zero.
inline constexpr std::size_t kUserFunctionDefinitionOffset = 0;
inline constexpr std::size_t kUserFunctionDefinitionSize = 61;
inline constexpr std::size_t kUserFunctionNameOffset = 61;
inline constexpr std::size_t kUserFunctionNameSize = 10;
inline constexpr std::size_t kUserFunctionKindOffset = 71;
inline constexpr std::size_t kUserFunctionLinkOffset = 73;
inline constexpr std::size_t kUserFunctionRecordSize = 77;

inline constexpr std::size_t kMaxDefinitionLength = kUserFunctionDefinitionSize - 1; // 60
inline constexpr std::size_t kMaxFunctionNameLength = kUserFunctionNameSize - 1;     // 9

static_assert(kUserFunctionNameOffset ==
              kUserFunctionDefinitionOffset + kUserFunctionDefinitionSize);
static_assert(kUserFunctionKindOffset == kUserFunctionNameOffset + kUserFunctionNameSize);
static_assert(kUserFunctionLinkOffset == kUserFunctionKindOffset + sizeof(std::uint16_t));
static_assert(kUserFunctionRecordSize == kUserFunctionLinkOffset + sizeof(std::uint32_t));

enum UserFunctionKind : std::uint16_t {
    kFunctionOfX = 1,
    kFunctionOfXY = 2,
};

struct UserFunction {
    // NUL-terminated, upper case; sized as in the record so that nothing longer can exist.
    char definition[kUserFunctionDefinitionSize] = {};
    char name[kUserFunctionNameSize] = {};
    std::uint16_t kind = kFunctionOfX;

    // Texts longer than the fields are cut.
    static UserFunction Make(std::string_view name, std::string_view definition,
                             std::uint16_t kind);

    std::string_view Name() const;
    std::string_view Definition() const;
};

static_assert(sizeof(UserFunction::definition) == kUserFunctionDefinitionSize);
static_assert(sizeof(UserFunction::name) == kUserFunctionNameSize);

// Field by field at the record's offsets; the link is written as zero.
void StoreUserFunction(const UserFunction& function, std::uint8_t out[kUserFunctionRecordSize]);
// Bytes after the first zero of a text field are ignored, a field without a zero is cut
// to its last byte, and a kind outside 1..2 reads as 1.
UserFunction LoadUserFunction(const std::uint8_t in[kUserFunctionRecordSize]);

} // namespace korvane
