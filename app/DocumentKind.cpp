#include "app/DocumentKind.h"

#include <cctype>
#include <string>

namespace korvane {

DocumentKind KindOfDocument(std::string_view path) {
    const std::size_t dot = path.find('.');
    if (dot == std::string_view::npos || path.size() - dot != 4)
        return DocumentKind::None;
    std::string extension;
    for (char c : path.substr(dot + 1))
        extension += char(std::toupper(static_cast<unsigned char>(c)));
    if (extension == "KV2")
        return DocumentKind::Plane;
    if (extension == "KV3")
        return DocumentKind::Space;
    if (extension == "MA2" || extension == "MAZ")
        return DocumentKind::Mapper;
    return DocumentKind::None;
}

} // namespace korvane
