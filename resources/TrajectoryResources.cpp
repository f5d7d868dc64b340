#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

// Control ids shared by the three initial-value dialogs: 201/202 the start point, 203 the
// step size, 204 the steps or terms, 205 the colour index, 206/207 the start and end
// parameter, 208/209 a letter and its value, 210 the line width, 211 the mark size,
// 251..253 the method, 271 open end, 272 both directions, 301/302 texts shown.
constexpr int kNumber = 40;

#define KV_START                                                                                              \
    {C::Static, 301, "", 40, true}, {C::Static, -1, "x0 =", 8, true}, {C::Edit, 201, "0", 14, false, kNumber}, \
        {C::Static, -1, "y0 =", 8}, {C::Edit, 202, "0", 14, false, kNumber}
#define KV_PEN                                                                                                \
    {C::Static, -1, "cor", 8, true}, {C::Edit, 205, "4", 6, false, kNumber}, {C::Static, -1, "espessura", 10}, \
        {C::Edit, 210, "1", 6, false, kNumber}
#define KV_BUTTONS                                                                                            \
    {C::Button, 1, "adicionar", 0, true}, {C::Button, 3, "apagar último"}, {C::Button, 2, "fechar"}

constexpr ControlTemplate kSystem[] = {
    KV_START,
    {C::Static, -1, "t inicial", 8, true}, {C::Edit, 206, "0", 14, false, kNumber},
    {C::Static, -1, "t final", 8}, {C::Edit, 207, "10", 14, false, kNumber},
    {C::Static, -1, "letra", 8, true}, {C::Edit, 208, "", 4, false, 1},
    {C::Static, -1, "valor", 8}, {C::Edit, 209, "0", 14, false, kNumber},
    {C::CheckBox, 271, "extremo aberto", 0, true}, {C::CheckBox, 272, "ambos os sentidos"},
    KV_PEN, KV_BUTTONS,
};

constexpr ControlTemplate kSlope[] = {
    KV_START,
    {C::RadioButton, 251, "Euler", 0, true}, {C::RadioButton, 252, "mod Euler"},
    {C::RadioButton, 253, "Runge-Kutta"},
    {C::Static, -1, "tamanho do passo", 16, true}, {C::Edit, 203, "0.02", 14, false, kNumber},
    {C::Static, -1, "passos", 16, true}, {C::Edit, 204, "1000", 14, false, kNumber},
    {C::CheckBox, 272, "ambos os sentidos", 0, true},
    KV_PEN, KV_BUTTONS,
};

constexpr ControlTemplate kSequence[] = {
    KV_START,
    {C::Static, -1, "termos", 16, true}, {C::Edit, 204, "100", 14, false, kNumber},
    {C::Static, -1, "tamanho", 16, true}, {C::Edit, 211, "2", 14, false, kNumber},
    {C::CheckBox, 271, "extremo aberto", 0, true},
    KV_PEN,
    {C::Static, 302, "", 40, true},
    KV_BUTTONS,
};

#undef KV_START
#undef KV_PEN
#undef KV_BUTTONS

constexpr DialogTemplate kDialogs[] = {
    {"IVP10", "problemas de valor inicial", kSystem},
    {"IVP11", "problemas de valor inicial", kSlope},
    {"IVP12", "sequências", kSequence},
};

} // namespace

ResourceTable TrajectoryResources() { return {{}, {}, kDialogs}; }

} // namespace korvane::res
