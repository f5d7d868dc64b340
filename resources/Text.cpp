#include "resources/Resources.h"

namespace korvane::res {

std::optional<std::string> Text(std::string_view) { return std::nullopt; }

} // namespace korvane::res
