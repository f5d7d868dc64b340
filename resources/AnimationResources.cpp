#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

// The slider of a letter (A..W, and the symbol parameter): value, bar, bounds and the
// ways to animate it.
constexpr ControlTemplate kSliderParam[] = {
    {C::Edit, 211, "", 18, true, 60},  {C::Button, 1, "ok"},
    {C::ScrollBar, 295, "", 30, true}, {C::Static, 301, "", 9, true},
    {C::Button, 804, "def L"},         {C::Button, 805, "def R"},
    {C::Static, 302, "", 9},           {C::Button, 738, "auto rev", 0, true},
    {C::Button, 740, "auto cícl"},     {C::CheckBox, 271, "automostrar", 0, true},
    {C::Edit, 212, "", 5, false, 10},  {C::Static, -1, "slides"},
    {C::Button, 806, "Salvar animação ...", 0, true},
    {C::Button, 2, "fechar", 0, true},
};

constexpr ControlTemplate kCalib[] = {
    {C::Static, -1, "passos curtos", 14, true},
    {C::Edit, 211, "", 8, false, 20},
    {C::Static, -1, "passos médios", 14, true},
    {C::Edit, 212, "", 8, false, 20},
    {C::Button, 1, "ok", 0, true},
    {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kLinkBars[] = {
    {C::CheckBox, 401, "@", 0, true}, {C::CheckBox, 402, "A"},    {C::CheckBox, 403, "B"},
    {C::CheckBox, 404, "C"},          {C::CheckBox, 405, "D"},    {C::CheckBox, 406, "E"},
    {C::CheckBox, 407, "F", 0, true}, {C::CheckBox, 408, "G"},    {C::CheckBox, 409, "H"},
    {C::CheckBox, 410, "I"},          {C::CheckBox, 411, "J"},    {C::CheckBox, 412, "K"},
    {C::CheckBox, 413, "L", 0, true}, {C::CheckBox, 414, "M"},    {C::CheckBox, 415, "N"},
    {C::CheckBox, 416, "O"},          {C::CheckBox, 417, "P"},    {C::CheckBox, 418, "Q"},
    {C::CheckBox, 419, "R", 0, true}, {C::CheckBox, 420, "S"},    {C::CheckBox, 421, "T"},
    {C::CheckBox, 422, "U"},          {C::CheckBox, 423, "V"},    {C::CheckBox, 424, "W"},
    {C::Button, 1, "ok", 0, true},    {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kLinkWindow[] = {
    {C::Static, -1, "as barras desta janela movem também as letras de:", 0, true},
    {C::ListBox, 301, "", 36, true},
    {C::Button, 1, "ok", 0, true},
    {C::Button, 2, "cancelar"},
};

constexpr DialogTemplate kDialogs[] = {
    {"SPARAM", "parâmetro", kSliderParam},
    {"TPARAM", "parâmetro", kSliderParam},
    {"CALIB", "cliques na barra de rolagem", kCalib},
    {"LINKBARS", "barras ligadas", kLinkBars},
    {"LINKWIN", "Janela ligada", kLinkWindow},
};

} // namespace

ResourceTable AnimationResources() {
    return {{}, {}, kDialogs};
}

} // namespace korvane::res
