#include "resources/ResourceTables.h"

#include <string_view>

namespace korvane::res {

namespace {

template <typename Visit> auto FindInTables(Visit visit) -> decltype(visit(ShellResources())) {
    for (auto table : {ShellResources(), GraphResources(), LanguageResources(), EquationResources(),
                       TrajectoryResources(), AnalysisResources(),
                       SpaceResources(), GameResources(), TextResources(), AnimationResources(), OutputResources(),
                       MapperResources()}) {
        if (auto found = visit(table))
            return found;
    }
    return {};
}

} // namespace

std::span<const MenuItem> Menu(std::string_view name) {
    const NamedMenu* found = FindInTables([&](const ResourceTable& t) -> const NamedMenu* {
        for (const NamedMenu& m : t.menus)
            if (name == m.name)
                return &m;
        return nullptr;
    });
    return found ? found->items : std::span<const MenuItem>{};
}

std::span<const Accelerator> Accelerators(std::string_view name) {
    const NamedAccelerators* found =
        FindInTables([&](const ResourceTable& t) -> const NamedAccelerators* {
            for (const NamedAccelerators& a : t.accelerators)
                if (name == a.name)
                    return &a;
            return nullptr;
        });
    return found ? found->keys : std::span<const Accelerator>{};
}

const DialogTemplate* Dialog(std::string_view name) {
    return FindInTables([&](const ResourceTable& t) -> const DialogTemplate* {
        for (const DialogTemplate& d : t.dialogs)
            if (name == d.name)
                return &d;
        return nullptr;
    });
}

int DefaultButton(const DialogTemplate& dialog) {
    for (const ControlTemplate& c : dialog.controls)
        if (c.kind == ControlTemplate::Button)
            return c.id;
    return 1;
}

} // namespace korvane::res
