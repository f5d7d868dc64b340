#include "expr/UserFunctionLibrary.h"

#include "expr/FormulaCompiler.h"
#include "expr/FunctionNameTable.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace korvane {

namespace {

constexpr int kCodeUnbalanced = 108;
constexpr int kCodeMissingData = 24;
constexpr int kCodeOutOfRange = 17;

// Names outside the library that contain X and must survive the substitution of X.
constexpr std::array<std::string_view, 3> kFixedProtectedNames = {"EXP", "MAX", "JOINX"};

// A call that produces itself grows the text until the limit stops it; this only guards
// against a text that would neither grow nor shrink.
constexpr int kMaxExpansions = 100000;

bool IsLetter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 64 && code <= 90;
}

struct Call {
    std::size_t start = 0; // first letter of the name
    std::size_t open = 0;  // its '('
    std::size_t close = 0; // the matching ')', when found
    bool closed = false;
};

// First maximal run of letters equal to `name` and followed at once by '('.
bool FindCall(const std::string& text, std::string_view name, Call& call) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsLetter(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsLetter(text[end]))
            ++end;
        if (end < text.size() && text[end] == '(' &&
            std::string_view(text).substr(i, end - i) == name) {
            call.start = i;
            call.open = end;
            return true;
        }
        i = end;
    }
    return false;
}

void FindClose(const std::string& text, Call& call) {
    int depth = 0;
    for (std::size_t i = call.open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0) {
            call.close = i;
            call.closed = true;
            return;
        }
    }
}

// Position of the first comma at depth 1 inside the argument list, or npos.
std::size_t FindArgumentComma(const std::string& text, const Call& call) {
    int depth = 0;
    for (std::size_t i = call.open + 1; i < call.close; ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (text[i] == ',' && depth == 0)
            return i;
    }
    return std::string::npos;
}

bool ContainsXOrY(std::string_view name) {
    return name.find_first_of("XY") != std::string_view::npos;
}

std::vector<std::string_view> ProtectedNames(const UserFunctionLibrary& library) {
    std::vector<std::string_view> names;
    for (std::string_view name : kFixedProtectedNames)
        if (ContainsXOrY(name))
            names.push_back(name);
    for (const UserFunction& f : library.All())
        if (ContainsXOrY(f.Name()))
            names.push_back(f.Name());
    return names;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += c;
    return out;
}

// Marks every character of the body that belongs to a protected name. Each name takes the
// slot after the previous one, and a position already taken by an earlier name stays
// with it, as when the names are overwritten with their slot bytes one after the other.
std::vector<int> ProtectionSlots(const std::string& body,
                                 const std::vector<std::string_view>& names) {
    std::vector<int> slot(body.size(), 0);
    std::string masked = body;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::string_view name = names[k];
        for (std::size_t at = masked.find(name); at != std::string::npos;
             at = masked.find(name, at + name.size())) {
            for (std::size_t j = at; j < at + name.size(); ++j) {
                slot[j] = static_cast<int>(k) + 1;
                masked[j] = static_cast<char>(k + 1);
            }
        }
    }
    return slot;
}

// "(" + definition + ")", with X and Y replaced by the parenthesised arguments. Both are
// replaced in one pass, so that a Y inside the first argument is left alone.
std::string Replacement(const UserFunction& function, const std::vector<std::string_view>& names,
                        std::string_view first, std::string_view second) {
    const std::string body = "(" + WithoutBlanks(function.Definition()) + ")";
    const std::vector<int> slot = ProtectionSlots(body, names);
    const bool twoVariables = function.kind == kFunctionOfXY;
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (slot[i] == 0 && c == 'X')
            out.append("(").append(first).append(")");
        else if (slot[i] == 0 && twoVariables && c == 'Y')
            out.append("(").append(second).append(")");
        else
            out += c;
    }
    return out;
}

// Expands the first call of `function` in the text; sets `found` when there was one.
int ExpandFirstCall(std::string& text, const UserFunction& function,
                    const std::vector<std::string_view>& names, std::size_t limit, bool& found) {
    Call call;
    found = FindCall(text, function.Name(), call);
    if (!found)
        return 0;
    FindClose(text, call);
    if (!call.closed || call.close == call.open + 1)
        return kCodeUnbalanced;
    const std::string_view view(text);
    std::string_view first = view.substr(call.open + 1, call.close - call.open - 1);
    std::string_view second;
    if (function.kind == kFunctionOfXY) {
        const std::size_t comma = FindArgumentComma(text, call);
        if (comma == std::string::npos)
            return kCodeMissingData;
        first = view.substr(call.open + 1, comma - call.open - 1);
        second = view.substr(comma + 1, call.close - comma - 1);
    }
    if (names.size() > static_cast<std::size_t>(kMaxProtectedNames))
        return kCodeOutOfRange;
    const std::string replacement = Replacement(function, names, first, second);
    if (text.size() + replacement.size() > limit)
        return kCodeOutOfRange;
    text.replace(call.start, call.close + 1 - call.start, replacement);
    return 0;
}

} // namespace

void UserFunctionLibrary::Replace(std::size_t index, const UserFunction& function) {
    if (index < functions_.size())
        functions_[index] = function;
}

void UserFunctionLibrary::Erase(std::size_t index) {
    if (index < functions_.size())
        functions_.erase(functions_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool UserFunctionLibrary::Contains(std::string_view name) const {
    return std::any_of(functions_.begin(), functions_.end(),
                       [&](const UserFunction& f) { return f.Name() == name; });
}

int ExpandUserFunctions(std::string& text, const UserFunctionLibrary& library, std::size_t limit) {
    const std::vector<std::string_view> names = ProtectedNames(library);
    int expansions = 0;
    // Later definitions first, so that a function may call the ones defined before it.
    for (std::size_t index = library.Count(); index-- > 0;) {
        if (text.size() >= limit)
            break;
        const UserFunction& function = library.At(index);
        if (function.Name().empty())
            continue;
        for (bool found = true; found;) {
            if (const int code = ExpandFirstCall(text, function, names, limit, found))
                return code;
            if (found && ++expansions > kMaxExpansions)
                return kCodeOutOfRange;
        }
    }
    return 0;
}

std::string ListEntryText(const UserFunction& function) {
    std::string line(function.Name());
    line += function.kind == kFunctionOfXY ? "(X,Y) = " : "(X) = ";
    line += function.Definition();
    return line;
}

void WriteLibrary(const UserFunctionLibrary& library, std::vector<std::uint8_t>& out) {
    const auto count = static_cast<std::uint16_t>(std::min<std::size_t>(library.Count(), 65535));
    out.push_back(static_cast<std::uint8_t>(count & 0xFF));
    out.push_back(static_cast<std::uint8_t>(count >> 8));
    std::uint8_t record[kUserFunctionRecordSize];
    for (std::size_t i = 0; i < count; ++i) {
        StoreUserFunction(library.At(i), record);
        out.insert(out.end(), record, record + kUserFunctionRecordSize);
    }
}

bool ReadLibrary(UserFunctionLibrary& library, std::span<const std::uint8_t> data,
                 std::size_t& used) {
    used = 0;
    if (data.size() < 2)
        return false;
    const std::size_t count = static_cast<std::size_t>(data[0] | (data[1] << 8));
    const std::size_t size = 2 + count * kUserFunctionRecordSize;
    if (data.size() < size)
        return false;
    UserFunctionLibrary loaded;
    for (std::size_t i = 0; i < count; ++i)
        loaded.Append(LoadUserFunction(data.data() + 2 + i * kUserFunctionRecordSize));
    library = std::move(loaded);
    used = size;
    return true;
}

} // namespace korvane

namespace korvane {

bool IsBuiltinFunctionName(std::string_view name) {
    // Every name counts, also those that only complex mode reads as names.
    static const FunctionNameTable names;
    return names.Find(name, true) != 0;
}

bool ParseDefinitionText(std::string_view text, DefinitionText& out) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string head = NormalizeField(WithoutBlanks(text.substr(0, equals)));
    const std::size_t open = head.find('(');
    if (open == std::string::npos)
        return false;
    const std::string parameters = head.substr(open);
    if (parameters != "(X)" && parameters != "(X,Y)")
        return false;
    out.name = head.substr(0, open);
    out.definition = std::string(text.substr(equals + 1));
    out.kind = parameters == "(X)" ? std::uint16_t{kFunctionOfX} : std::uint16_t{kFunctionOfXY};
    return true;
}

void AttachUserFunctions(FormulaCompiler& compiler, const UserFunctionLibrary& library) {
    compiler.SetUserFunctionHook(
        [&library](std::string& text) { return ExpandUserFunctions(text, library); });
}

DefinitionCompiler DefinitionCompilerFor(FormulaCompiler& compiler,
                                         const UserFunctionLibrary& library) {
    return
        [&compiler, &library](const std::string& definition, const UserFunctionLibrary& visible) {
            AttachUserFunctions(compiler, visible);
            const int code = compiler.CompileFormula(definition);
            AttachUserFunctions(compiler, library);
            compiler.Result().Clear();
            return code;
        };
}

bool FindFunctionName(const UserFunctionLibrary& library, std::string_view name) {
    return IsBuiltinFunctionName(name) || library.Contains(name);
}

} // namespace korvane

namespace korvane {

namespace {

constexpr int kCodeNotUnderstood = 1;
constexpr int kCodeTooLong = 116;
constexpr int kCodeDuplicateName = 122;
constexpr int kCodeNoX = 140;
constexpr int kCodeNoY = 141;
constexpr int kCodeLettersOnly = 144;

int NameCode(std::string_view name) {
    if (name.empty())
        return kCodeMissingData;
    if (name.size() > kMaxFunctionNameLength)
        return kCodeTooLong;
    for (char c : name)
        if (c < 'A' || c > 'Z')
            return kCodeLettersOnly;
    return 0;
}

int DefinitionCode(std::string_view definition) {
    if (definition.empty())
        return kCodeMissingData;
    if (definition.size() > kMaxDefinitionLength)
        return kCodeTooLong;
    return 0;
}

// A rename while editing may not take a built-in name or another record's name.
bool NameTaken(const UserFunctionLibrary& library, std::string_view name,
               std::optional<std::size_t> editing) {
    if (IsBuiltinFunctionName(name))
        return true;
    for (std::size_t i = 0; i < library.Count(); ++i)
        if (library.At(i).Name() == name && (!editing || *editing != i))
            return true;
    return false;
}

UserFunctionLibrary VisibleLibrary(const UserFunctionLibrary& library,
                                   std::optional<std::size_t> editing) {
    UserFunctionLibrary visible;
    const std::size_t count = editing ? std::min(*editing, library.Count()) : library.Count();
    for (std::size_t i = 0; i < count; ++i)
        visible.Append(library.At(i));
    return visible;
}

DefinitionResult Refuse(int code, DefinitionField field) {
    DefinitionResult result;
    result.code = code;
    result.field = field;
    return result;
}

} // namespace

std::string NormalizeField(std::string_view text) {
    std::string out(text.substr(0, std::min(text.size(), kMaxFieldLength)));
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

DefinitionResult DefineFunction(UserFunctionLibrary& library, std::string_view nameText,
                                std::string_view definitionText, std::uint16_t kind,
                                std::optional<std::size_t> editing,
                                const DefinitionCompiler& compile) {
    const std::string name = NormalizeField(nameText);
    const std::string definition = NormalizeField(definitionText);
    if (editing && *editing >= library.Count())
        editing.reset();
    // When both fields are wrong, the definition's fault is the one reported.
    if (const int code = DefinitionCode(definition))
        return Refuse(code, DefinitionField::Definition);
    if (const int code = NameCode(name))
        return Refuse(code, DefinitionField::Name);
    if (name.find_first_of("()") != std::string::npos)
        return Refuse(kCodeNotUnderstood, DefinitionField::Name);
    if (NameTaken(library, name, editing))
        return Refuse(kCodeDuplicateName, DefinitionField::Name);
    if (const int code = compile(definition, VisibleLibrary(library, editing)))
        return Refuse(code, DefinitionField::Definition);

    DefinitionResult result;
    if (definition.find('X') == std::string::npos)
        result.warnings.push_back(kCodeNoX);
    if (kind == kFunctionOfXY && definition.find('Y') == std::string::npos)
        result.warnings.push_back(kCodeNoY);
    const std::uint16_t storedKind =
        kind == kFunctionOfXY ? std::uint16_t{kFunctionOfXY} : std::uint16_t{kFunctionOfX};
    const UserFunction record = UserFunction::Make(name, definition, storedKind);
    if (editing)
        library.Replace(*editing, record);
    else
        library.Append(record);
    return result;
}

} // namespace korvane
