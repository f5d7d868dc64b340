#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

constexpr int kNumber = 40;

constexpr ControlTemplate kZeros[] = {
    {C::ComboBox, 295, "", 36, true}, {C::Button, 743, "próximo", 0, true},
    {C::Static, 231, "", 24},         {C::Button, 57, "salvar x como", 0, true},
    {C::ComboBox, 298, "", 4},        {C::Button, 2, "fechar", 0, true},
};

constexpr ControlTemplate kRiem[] = {
    {C::ComboBox, 295, "", 36, true},
    {C::ComboBox, 296, "", 36, true},
    {C::Static, -1, "lim inferior", 12, true},
    {C::Edit, 211, "", 14, false, kNumber},
    {C::Static, -1, "lim superior", 12},
    {C::Edit, 212, "", 14, false, kNumber},
    {C::Static, -1, "sub-intervalos", 12, true},
    {C::Edit, 213, "", 14, false, kNumber},
    {C::CheckBox, 271, "ponto à esq:", 14, true},
    {C::Static, 231, "", 24},
    {C::CheckBox, 272, "ponto médio:", 14, true},
    {C::Static, 232, "", 24},
    {C::CheckBox, 273, "ponto à dir:", 14, true},
    {C::Static, 233, "", 24},
    {C::CheckBox, 274, "trapezoidal:", 14, true},
    {C::Static, 234, "", 24},
    {C::CheckBox, 275, "parabolico:", 14, true},
    {C::Static, 235, "", 24},
    {C::CheckBox, 276, "aleatorio:", 14, true},
    {C::Static, 236, "", 24},
    {C::CheckBox, 277, "visualizar", 14, true},
    {C::Button, 214, "cor"},
    {C::Static, 237, "", 40, true},
    {C::Button, 761, "definida", 0, true},
    {C::Button, 760, "indefinida"},
    {C::Button, 2, "fechar"},
};

constexpr ControlTemplate kExtremes[] = {
    {C::ComboBox, 295, "", 36, true},
    {C::RadioButton, 251, "x", 0, true},
    {C::RadioButton, 252, "y"},
    {C::RadioButton, 253, "r"},
    {C::Button, 743, "próximo extremo de", 0, true},
    {C::Static, 231, "", 48, true},
    {C::Button, 57, "salvar", 0, true},
    {C::ComboBox, 298, "", 4},
    {C::Button, 2, "fechar", 0, true},
};

constexpr ControlTemplate kInter[] = {
    {C::ComboBox, 295, "", 36, true},
    {C::ComboBox, 296, "", 36, true},
    {C::Static, -1, "variável:", 0, true},
    {C::RadioButton, 251, "x"},
    {C::RadioButton, 252, "t"},
    {C::Button, 743, "prox interseção", 0, true},
    {C::Static, 231, "", 30},
    {C::CheckBox, 271, "ângulo de interseção em graus", 0, true},
    {C::Static, 232, "", 14},
    {C::CheckBox, 272, "marcar ponto", 0, true},
    {C::Button, 57, "guardar", 0, true},
    {C::ComboBox, 298, "", 4},
    {C::Button, 2, "fechar", 0, true},
};

constexpr ControlTemplate kMeasure[] = {
    {C::ComboBox, 295, "", 36, true},
    {C::ComboBox, 296, "", 36, true},
    {C::Static, -1, "lim inferior", 12, true},
    {C::Edit, 211, "", 14, false, kNumber},
    {C::Static, -1, "lim superior", 12},
    {C::Edit, 212, "", 14, false, kNumber},
    {C::Static, -1, "sub-intervalos", 12, true},
    {C::Edit, 213, "", 14, false, kNumber},
    {C::Button, 761, "calcular", 0, true},
    {C::Static, 231, "", 24},
    {C::Static, 237, "", 40, true},
    {C::Button, 2, "fechar", 0, true},
};

constexpr DialogTemplate kDialogs[] = {
    {"MEASURE", "medida", kMeasure}, {"EXTREMES", "valores extremos", kExtremes},
    {"INTER", "interseção", kInter}, {"ZEROS", "zeros", kZeros},
    {"RIEM", "integração", kRiem},
};

} // namespace

ResourceTable AnalysisResources() {
    return {{}, {}, kDialogs};
}

} // namespace korvane::res
