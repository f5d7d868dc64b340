#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

constexpr int kNumber = 40;

constexpr ControlTemplate kZeros[] = {
    {C::ComboBox, 295, "", 36, true},
    {C::Button, 743, "próximo", 0, true}, {C::Static, 231, "", 24},
    {C::Button, 57, "salvar x como", 0, true}, {C::ComboBox, 298, "", 4},
    {C::Button, 2, "fechar", 0, true},
};

constexpr DialogTemplate kDialogs[] = {
    {"ZEROS", "zeros", kZeros},
};

} // namespace

ResourceTable AnalysisResources() { return {{}, {}, kDialogs}; }

} // namespace korvane::res
