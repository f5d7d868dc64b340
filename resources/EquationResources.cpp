#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

// Control ids of the equation dialogs: edit field n is 200 + n, its check boxes 270 + n,
// radio buttons 250 + n and changing labels 280 + n; 297 chooses the colour of a
// direction field.
constexpr int kFormula = 255;
constexpr int kNumber = 40;

#define KV_OK_CANCEL {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"}
#define KV_WIDTH {C::Static, -1, "espessura da linha", 22, true}, {C::Edit, 227, "", 8, false, kNumber}
#define KV_DENSITY {C::Static, -1, "densidade de plotagem", 22, true}, {C::Edit, 215, "", 8, false, kNumber}
#define KV_TOLERANCE {C::Static, -1, "tolerância do passo", 22, true}, {C::Edit, 225, "", 8, false, kNumber}
#define KV_RANGE(low, high)                                                                                  \
    {C::Static, -1, low, 8, true}, {C::Edit, 221, "", 14, false, kNumber}, {C::Static, -1, high, 8},          \
        {C::Edit, 223, "", 14, false, kNumber}
#define KV_FIELD_MARKS                                                                                        \
    {C::Static, -1, "comprimentos", 22, true}, {C::Edit, 225, "", 8, false, kNumber},                          \
        {C::Static, -1, "colunas horizontais", 22, true}, {C::Edit, 226, "", 8, false, kNumber},               \
        {C::Static, -1, "cor", 22, true}, {C::ComboBox, 297, "", 14}

constexpr ControlTemplate kExplicit[] = {
    {C::Static, -1, "y = f(x) =", 10, true}, {C::Edit, 212, "", 40, false, kFormula},
    KV_RANGE("x mín", "x máx"),
    {C::CheckBox, 271, "travar intervalo", 0, true}, {C::CheckBox, 272, "tornar periódica"},
    KV_DENSITY, KV_TOLERANCE, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kPolar[] = {
    {C::Static, -1, "r = f(t) =", 10, true}, {C::Edit, 213, "", 40, false, kFormula},
    KV_RANGE("t mín", "t máx"),
    {C::CheckBox, 272, "somente valores positivos de r", 0, true},
    KV_DENSITY, KV_TOLERANCE, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kParametric[] = {
    {C::Static, -1, "x = f(t) =", 10, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "y = g(t) =", 10, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::CheckBox, 276, "polar: r = f(t), theta = g(t)", 0, true},
    KV_RANGE("t mín", "t máx"),
    {C::CheckBox, 271, "colocar seta em t =", 0, true}, {C::Edit, 234, "", 14, false, kNumber},
    {C::Static, -1, "tamanho da seta (pixels)", 22, true}, {C::Edit, 235, "", 8, false, kNumber},
    KV_DENSITY, KV_TOLERANCE, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kImplicit[] = {
    {C::Static, -1, "f(x,y) = g(x,y)", 16, true}, {C::Edit, 218, "", 40, false, kFormula},
    {C::CheckBox, 271, "busca longa", 0, true}, {C::CheckBox, 273, "olhar"},
    {C::CheckBox, 274, "limite da tela"},
    KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kSegment[] = {
    {C::Static, 281, "x1 =", 6, true}, {C::Edit, 211, "", 16, false, kFormula},
    {C::Static, 282, "y1 =", 6}, {C::Edit, 212, "", 16, false, kFormula},
    {C::Static, 283, "x2 =", 6, true}, {C::Edit, 213, "", 16, false, kFormula},
    {C::Static, 284, "y2 =", 6}, {C::Edit, 214, "", 16, false, kFormula},
    {C::RadioButton, 251, "sólido", 0, true}, {C::RadioButton, 252, "pontilhado"},
    {C::RadioButton, 253, "tracejado"},
    {C::CheckBox, 275, "pontos", 0, true},
    KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kIndefinite[] = {
    {C::Static, -1, "f(x) =", 10, true}, {C::Edit, 212, "", 40, false, kFormula},
    KV_RANGE("x mín", "x máx"),
    {C::CheckBox, 271, "travar intervalo", 0, true},
    {C::Static, -1, "x0 =", 10, true}, {C::Edit, 234, "", 14, false, kNumber},
    KV_DENSITY, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kCycloid[] = {
    KV_RANGE("t mín", "t máx"),
    {C::Static, -1, "iniciar", 10, true}, {C::Edit, 234, "", 14, false, kNumber},
    {C::Static, -1, "raio", 10, true}, {C::Edit, 235, "", 14, false, kNumber},
    {C::Static, -1, "braço", 10, true}, {C::Edit, 236, "", 14, false, kNumber},
    {C::RadioButton, 251, "esquerdo", 0, true}, {C::RadioButton, 252, "direito"},
    KV_DENSITY, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kLine[] = {
    {C::Static, -1, "a =", 4, true}, {C::Edit, 211, "", 14, false, kFormula},
    {C::Static, -1, "b =", 4}, {C::Edit, 212, "", 14, false, kFormula},
    {C::Static, -1, "c =", 4}, {C::Edit, 213, "", 14, false, kFormula},
    {C::RadioButton, 251, "sólido", 0, true}, {C::RadioButton, 252, "pontilhado"},
    {C::RadioButton, 253, "tracejado"},
    KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kPoint[] = {
    {C::Static, 281, "x =", 8, true}, {C::Edit, 211, "", 30, false, kFormula},
    {C::Static, 282, "y =", 8, true}, {C::Edit, 212, "", 30, false, kFormula},
    {C::Static, 283, "tamanho", 8, true}, {C::Edit, 213, "", 30, false, kFormula},
    {C::RadioButton, 251, "(r,t)", 0, true}, {C::RadioButton, 252, "(x,y)"},
    {C::CheckBox, 272, "rótulo", 0, true}, {C::CheckBox, 273, "aberto"},
    {C::CheckBox, 275, "âncoras"}, {C::CheckBox, 276, "destacar"},
    KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kSystem[] = {
    {C::Static, -1, "dx/dt =", 8, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "dy/dt =", 8, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::CheckBox, 272, "0 <", 0, true}, {C::Edit, 214, "", 36, false, kFormula},
    {C::CheckBox, 274, "fronteira", 0, true}, {C::CheckBox, 276, "dependente do tempo"},
    {C::RadioButton, 251, "sem grade", 0, true}, {C::RadioButton, 252, "inclinações"},
    {C::RadioButton, 253, "vetores"},
    KV_FIELD_MARKS, KV_DENSITY, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kSlopeField[] = {
    {C::Static, -1, "dy/dx =", 8, true}, {C::Edit, 213, "", 40, false, kFormula},
    {C::CheckBox, 274, "limite da tela", 0, true}, {C::CheckBox, 273, "olhar"},
    {C::RadioButton, 251, "sem grade", 0, true}, {C::RadioButton, 252, "inclinações"},
    KV_FIELD_MARKS, KV_WIDTH, KV_OK_CANCEL,
};

constexpr ControlTemplate kRecursive[] = {
    {C::Static, -1, "novo x =", 8, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "novo y =", 8, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::CheckBox, 274, "limite da tela", 0, true}, {C::CheckBox, 276, "conectar pontos"},
    KV_OK_CANCEL,
};

constexpr ControlTemplate kPolynomial[] = {
    {C::CheckBox, 271, "travar intervalo", 0, true}, {C::CheckBox, 272, "pontos sempre visíveis", 0, true},
    KV_OK_CANCEL,
};

constexpr ControlTemplate kPointList[] = {
    {C::Static, 281, "x = ", 6, true}, {C::Edit, 214, "", 50, false, kFormula},
    KV_WIDTH, KV_OK_CANCEL,
};

#undef KV_OK_CANCEL
#undef KV_WIDTH
#undef KV_DENSITY
#undef KV_TOLERANCE
#undef KV_RANGE
#undef KV_FIELD_MARKS

// The inventory: 101 the list of examples, 102 the edit field of "nome" and "família".
constexpr ControlTemplate kInventory[] = {
    {C::ListBox, 101, "", 60, true},
    {C::Edit, 102, "", 40, true, 255},
    {C::Button, 51, "editar", 0, true}, {C::Button, 52, "apagar"}, {C::Button, 739, "dupl"},
    {C::Button, 95, "copiar"}, {C::Button, 757, "tabela"},
    {C::Button, 736, "mostrar gráfico", 0, true}, {C::Button, 744, "mostrar equa"},
    {C::Button, 793, "nome"}, {C::Button, 818, "família"},
    {C::Button, 797, "derivar", 0, true}, {C::Button, 798, "web"}, {C::Button, 2, "fechar"},
};

// "web": the start of a cobweb and its number of steps.
constexpr ControlTemplate kWeb[] = {
    {C::Static, -1, "x0", 10, true},     {C::Edit, 211, "", 16, false, 60},
    {C::Static, -1, "passos", 10, true}, {C::Edit, 212, "", 16, false, 30},
    {C::Button, 1, "ok", 0, true},       {C::Button, 2, "cancelar"},
};

constexpr DialogTemplate kDialogs[] = {
    {"EQUA201", "y = f(x)", kExplicit},
    {"EQUA202", "polar r = f(t)", kPolar},
    {"EQUA203", "paramétrica", kParametric},
    {"EQUA204", "curva implícita", kImplicit},
    {"EQUA205", "segmento", kSegment},
    {"EQUA206", "dados integração indefinida", kIndefinite},
    {"EQUA207", "ciclóide", kCycloid},
    {"EQUA208", "reta ax + by = c", kLine},
    {"EQUA309", "ponto", kPoint},
    {"EQUA210", "dx/dt , dy/dt", kSystem},
    {"EQUA211", "dy/dx", kSlopeField},
    {"EQUA212", "sequência", kRecursive},
    {"EQUA213", "polinômio", kPolynomial},
    {"EQUA215", "plotar lista", kPointList},
    {"INVENT", "inventário", kInventory},
    {"WEB", "web", kWeb},
};

} // namespace

ResourceTable EquationResources() { return {{}, {}, kDialogs}; }

} // namespace korvane::res
