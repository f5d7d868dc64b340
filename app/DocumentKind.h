#pragma once
// Which window a document opens in, by its extension.
#include <string_view>

namespace korvane {

enum class DocumentKind { None, Plane, Space, Mapper };

// From the first '.' of the path on, exactly four characters, compared without regard to
// case: ".kv2" plane, ".kv3" space, ".ma2" and ".maz" mapper. So a '.' in a folder name
// makes the path open nothing, as the program always did.
DocumentKind KindOfDocument(std::string_view path);

} // namespace korvane
