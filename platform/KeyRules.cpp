#include "platform/KeyRules.h"

namespace korvane::platform {

std::optional<int> FindAccelerator(std::span<const res::Accelerator> table, int key, int modifiers) {
    for (const res::Accelerator& a : table)
        if (a.key == key && a.modifiers == modifiers)
            return a.id;
    return std::nullopt;
}

} // namespace korvane::platform
