#include "resources/EmbeddedTexts.h"
#include "resources/Resources.h"

namespace korvane::res {

std::optional<std::string> Text(std::string_view name) {
    for (const EmbeddedText& text : EmbeddedTexts())
        if (name == text.name)
            return std::string(text.bytes, text.size);
    return std::nullopt;
}

} // namespace korvane::res
