#pragma once
// The user-defined functions of one graph window, in order of definition, and what is
// done with them: macro expansion into formula texts before they are parsed, the name
// check of the definition dialog, the list lines, and the library's bytes in documents.
#include "expr/UserFunction.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class FormulaCompiler;

inline constexpr std::size_t kExpansionLimit = 4999;
inline constexpr int kMaxProtectedNames = 19;

class UserFunctionLibrary {
public:
    std::size_t Count() const { return functions_.size(); }
    bool Empty() const { return functions_.empty(); }
    const UserFunction& At(std::size_t index) const { return functions_[index]; }
    const std::vector<UserFunction>& All() const { return functions_; }

    void Append(const UserFunction& function) { functions_.push_back(function); }
    void Replace(std::size_t index, const UserFunction& function);
    void Erase(std::size_t index);
    void Clear() { functions_.clear(); }
    // True when a record has exactly this name.
    bool Contains(std::string_view name) const;

private:
    std::vector<UserFunction> functions_;
};

// Step 4 of the compiler, on the upper-cased text without blanks: every call of a user
// function is replaced by its definition. Returns 0, or 108 (no ')' or empty argument
// list), 24 (second argument missing), 17 (text would exceed `limit`, or more than 19
// protected names).
int ExpandUserFunctions(std::string& text, const UserFunctionLibrary& library,
                        std::size_t limit = kExpansionLimit);

// True when `name` is a built-in name or the name of a record (exact, upper case).
bool FindFunctionName(const UserFunctionLibrary& library, std::string_view name);
bool IsBuiltinFunctionName(std::string_view name);

// "NAME(X) = DEF" or "NAME(X,Y) = DEF".
std::string ListEntryText(const UserFunction& function);

// Defining a function, as the dialog's "enter" and `--define` do it.
enum class DefinitionField { None, Name, Definition };
struct DefinitionResult {
    int code = 0;                                  // 0 when the record was stored
    DefinitionField field = DefinitionField::None; // the field at fault
    std::vector<int> warnings;                     // 140, 141: shown, not blocking
};
// Compiles a definition with the given library visible; returns the compiler's code.
using DefinitionCompiler =
    std::function<int(const std::string& definition, const UserFunctionLibrary& visible)>;

inline constexpr std::size_t kMaxFieldLength = 255; // what the dialog reads of each field
// The first 255 characters, ASCII letters upper-cased.
std::string NormalizeField(std::string_view text);

// Checks name and definition in the dialog's order and, when they pass, appends a new
// record or overwrites record `editing`. The definition is compiled with the records
// before `editing` visible (all of them for a new record), which is what expansion will
// see when it is used.
DefinitionResult DefineFunction(UserFunctionLibrary& library, std::string_view name,
                                std::string_view definition, std::uint16_t kind,
                                std::optional<std::size_t> editing,
                                const DefinitionCompiler& compile);

// "NAME(x)=DEF" or "NAME(x,y)=DEF", as the command line gives a definition (case and
// blanks before the '=' do not matter). False when the text has not that form.
struct DefinitionText {
    std::string name;
    std::string definition;
    std::uint16_t kind = kFunctionOfX;
};
bool ParseDefinitionText(std::string_view text, DefinitionText& out);

// Step 4 of `compiler` expands the calls of `library`, which must outlive the compiler's use.
void AttachUserFunctions(FormulaCompiler& compiler, const UserFunctionLibrary& library);
// The definition check through `compiler`: it compiles with the given records visible,
// discards the tree and gives the compiler back `library`.
DefinitionCompiler DefinitionCompilerFor(FormulaCompiler& compiler,
                                         const UserFunctionLibrary& library);

// An unsigned 16-bit count, then every record's 77 bytes in list order.
void WriteLibrary(const UserFunctionLibrary& library, std::vector<std::uint8_t>& out);
// Reads what WriteLibrary wrote from the start of `data`, replacing the library, and
// tells how many bytes it used. Data too short for its count fails and leaves the
// library as it was.
bool ReadLibrary(UserFunctionLibrary& library, std::span<const std::uint8_t> data,
                 std::size_t& used);

} // namespace korvane
