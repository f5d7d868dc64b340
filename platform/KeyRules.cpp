#include "platform/KeyRules.h"

namespace korvane::platform {

int NormalizeKey(int key) {
    return (key >= 'a' && key <= 'z') ? key - 'a' + 'A' : key;
}

std::optional<int> FindAccelerator(std::span<const res::Accelerator> table, int key, int modifiers) {
    const int wanted = NormalizeKey(key);
    for (const res::Accelerator& a : table)
        if (NormalizeKey(a.key) == wanted && a.modifiers == modifiers)
            return a.id;
    return std::nullopt;
}

} // namespace korvane::platform
