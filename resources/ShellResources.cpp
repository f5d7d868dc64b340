#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using K = MenuItem::Kind;

// The frame: a launcher of graph windows and little else.
constexpr MenuItem kPlotMenu[] = {
    {K::Popup, "&Janela", 0},
    {K::Command, "&2-dim\tF2", 402},
    {K::Command, "&3-dim\tF3", 403},
    {K::Command, "&Adivinhar", 404},
    {K::Command, "&Mapeador", 405},
    {K::Separator, nullptr, 0},
    {K::Command, "A&brir última", 48},
    {K::Command, "&Usar padrão", 49},
    {K::Separator, nullptr, 0},
    {K::Command, "&Sair", 24310},
    {K::End, nullptr, 0},
    {K::Popup, "&Ajuda", 0},
    {K::Command, "&Ajuda ...", 354},
    {K::Command, "&Sobre ...", 355},
    {K::End, nullptr, 0},
};

constexpr Accelerator kPlotKeys[] = {
    {KeyF2, ModNone, 402},
    {KeyF3, ModNone, 403},
};

// Window kinds that are not built yet open as an empty window that can only be closed.
constexpr MenuItem kEmptyGraphMenu[] = {
    {K::Popup, "&Janela", 0},
    {K::Command, "&Fechar", 24310},
    {K::End, nullptr, 0},
};

constexpr NamedMenu kMenus[] = {
    {"PLOTMENU", kPlotMenu},
    {"EMPTYGRAPHMENU", kEmptyGraphMenu},
};

constexpr NamedAccelerators kAccelerators[] = {
    {"PLOTMENU", kPlotKeys},
};

} // namespace

ResourceTable ShellResources() { return {kMenus, kAccelerators, {}}; }

} // namespace korvane::res
