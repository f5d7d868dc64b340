#pragma once
// Which window a document opens in, by its extension.
#include <string_view>

namespace korvane {

enum class DocumentKind { None, Plane, Space, Mapper };

// From the last '.' of the file name on, exactly four characters, compared without regard
// to case: ".kv2" plane, ".kv3" space, ".ma2" and ".maz" mapper. Only the file name
// counts: folders with a dot in their name (versions, hidden folders) are everywhere.
DocumentKind KindOfDocument(std::string_view path);

} // namespace korvane
