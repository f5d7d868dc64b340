#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

// The label of the blank radius has an id so that windows without one can hide it.
constexpr ControlTemplate kPicTeX[] = {
    {C::Static, -1, "espessura (cm)", 16, true},   {C::Edit, 211, "", 10, false, 20},
    {C::Static, -1, "box numero", 16, true},       {C::Edit, 212, "", 10, false, 20},
    {C::Static, 313, "whitespace raio", 16, true}, {C::Edit, 213, "", 10, false, 20},
    {C::RadioButton, 251, "TeX standalone", 0, true},
    {C::RadioButton, 252, "LaTeX2e standalone", 0, true},
    {C::RadioButton, 253, "TeX compilable", 0, true},
    {C::RadioButton, 254, "TeX insertable", 0, true},
    {C::Button, 1, "ok", 0, true},                 {C::Button, 2, "cancelar"},
};

// Print settings in centimetres; only the second variant labels the unit field.
#define KORVANE_PRINT_FORMAT(unitLabel)                                                                      \
    {C::RadioButton, 251, "espessura", 18, true},      {C::Edit, 211, "", 10, false, 19},                       \
    {C::RadioButton, 252, unitLabel, 18, true},        {C::Edit, 212, "", 10, false, 19},                       \
    {C::Static, -1, "canto superior esquerdo", 0, true},                                                      \
    {C::Static, -1, "horiz", 8, true},                 {C::Edit, 213, "", 10, false, 19},                       \
    {C::Static, -1, "vert", 8},                        {C::Edit, 214, "", 10, false, 19},                       \
    {C::CheckBox, 271, "moldura", 0, true},            {C::CheckBox, 272, "impressora a cor", 0, true},         \
    {C::Button, 1, "ok", 0, true},                     {C::Button, 2, "cancelar"}
constexpr ControlTemplate kPrintFormat1[] = {KORVANE_PRINT_FORMAT("")};
constexpr ControlTemplate kPrintFormat2[] = {KORVANE_PRINT_FORMAT("intervalo horiz")};
#undef KORVANE_PRINT_FORMAT

constexpr ControlTemplate kTwoInput[] = {
    {C::Static, -1, "espessura (cm)", 14, true}, {C::Edit, 211, "", 10, false, 20},
    {C::Static, -1, "altura (cm)", 14, true},    {C::Edit, 212, "", 10, false, 20},
    {C::Button, 1, "ok", 0, true},               {C::Button, 2, "cancelar"},
};

constexpr DialogTemplate kDialogs[] = {
    {"PICTEX", "PiCTeX setup", kPicTeX},
    {"PRNSPX1", "imprimir janela", kPrintFormat1},
    {"PRNSPX2", "imprimir janela", kPrintFormat2},
    {"TWOINPUT", "tamanho do desenho", kTwoInput},
};

} // namespace

ResourceTable OutputResources() { return {{}, {}, kDialogs}; }

} // namespace korvane::res
