#pragma once
// Each area of the program keeps its menus, accelerator tables and dialog templates in a
// file of its own; the lookups in Lookup.cpp search these tables in turn.
#include "resources/Resources.h"

#include <span>

namespace korvane::res {

struct NamedMenu {
    const char* name;
    std::span<const MenuItem> items;
};
struct NamedAccelerators {
    const char* name;
    std::span<const Accelerator> keys;
};

struct ResourceTable {
    std::span<const NamedMenu> menus;
    std::span<const NamedAccelerators> accelerators;
    std::span<const DialogTemplate> dialogs;
};

// One per area; add an area here and in Lookup.cpp.
ResourceTable ShellResources();  // ShellResources.cpp: the frame
ResourceTable GraphResources();  // GraphResources.cpp: graph windows (view, grid, styles) and the plane window
ResourceTable LanguageResources(); // LanguageResources.cpp: the function library dialog
ResourceTable EquationResources(); // EquationResources.cpp: the equation dialogs and the inventory
ResourceTable TrajectoryResources(); // TrajectoryResources.cpp: initial-value problems and sequences
ResourceTable AnalysisResources(); // AnalysisResources.cpp: the tools of the menus "Um" and "Dois"
ResourceTable SpaceResources(); // SpaceResources.cpp: the space window and its dialogs
ResourceTable GameResources();       // GameResources.cpp: the guessing game
ResourceTable TextResources(); // TextResources.cpp: text, notebook, table and data windows; protection
ResourceTable AnimationResources();  // AnimationResources.cpp: letter sliders and animation
ResourceTable OutputResources(); // OutputResources.cpp: PiCTeX, printing and picture size dialogs
ResourceTable MapperResources();     // MapperResources.cpp: the mapper's two windows and dialogs

} // namespace korvane::res
