#include "app/DocumentKind.h"

#include <cctype>
#include <string>

namespace korvane {

DocumentKind KindOfDocument(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || name.size() - dot != 4)
        return DocumentKind::None;
    std::string extension;
    for (char c : name.substr(dot + 1))
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
