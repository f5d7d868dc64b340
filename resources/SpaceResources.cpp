#include "resources/FileMenuItems.h"
#include "resources/PlaneMenuItems.h"
#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using K = MenuItem::Kind;
using C = ControlTemplate;

constexpr int kFormula = 255;
constexpr int kNumber = 40;

// The space window.
constexpr MenuItem kPlot3Menu[] = {
    {K::Popup, "&Arquivo", 0},
    {K::Command, "&Novo\tCtrl+N", 24301},
    KV_SAVE_ITEMS,
    {K::Separator, nullptr, 0},
    KV_NOTEBOOK_AND_LOCK_ITEMS,
    {K::Separator, nullptr, 0},
    KV_PICTURE_OUTPUT_ITEMS,
    {K::Command, "Simul Imp&rimir ...", 307},
    KV_PICTURE_COPY_ITEMS,
    {K::Separator, nullptr, 0},
    {K::Command, "&Fechar", 24310},
    {K::End, nullptr, 0},
    {K::Popup, "&Observador", 0},
    {K::Command, "&Coordenadas ...", 981},
    {K::Separator, nullptr, 0},
    {K::Command, "A&proximar\tIns", 982},
    {K::Command, "A&fastar\tDel", 983},
    {K::Command, "Afastar &muito\tCtrl+Del", 986},
    {K::Command, "&Isométrico", 990},
    {K::Separator, nullptr, 0},
    {K::Command, "Ro&dar\t\u2192", 984},
    {K::Command, "&Voltar\t\u2190", 985},
    {K::Command, "Para &cima\t\u2191", 987},
    {K::Command, "Para &baixo\t\u2193", 988},
    {K::Command, "Ângul&o ...", 989},
    {K::Separator, nullptr, 0},
    {K::Command, "E&nquadrar janela\tHome", 764},
    {K::Command, "&Rotação do eixo z ...\tCtrl+T", 725},
    {K::Command, "&Numeros de slides ...", 748},
    {K::End, nullptr, 0},
    {K::Popup, "&Equação", 0},
    {K::Command, "&1. Explícita ...\tF1", 1001},
    {K::Command, "&2. Paramétrica ...\tF2", 1003},
    {K::Command, "&4. Cilíndrica ...\tF4", 1002},
    {K::Command, "&3. Implícita ...\tF3", 1005},
    {K::Command, "&5. Esférica ...\tF5", 1016},
    {K::Separator, nullptr, 0},
    {K::Command, "&Curva ...", 1004},
    {K::Command, "&Segmento ...", 1008},
    {K::Popup, "&Ponto", 0},
    {K::Command, "&Cartesiano ...", 1009},
    {K::Command, "Cilí&ndrico ...", 1013},
    {K::Command, "&Esférico ...", 1014},
    {K::End, nullptr, 0},
    {K::Command, "&Tubo ...", 1006},
    {K::Command, "Pla&no ...", 1015},
    {K::Separator, nullptr, 0},
    {K::Command, "&Diferencial ...", 1010},
    {K::Command, "&Recursiva ...", 1012},
    {K::Separator, nullptr, 0},
    {K::Command, "&Inventário ...\tCtrl+I", 920},
    {K::Separator, nullptr, 0},
    {K::Command, "Desenhar rápid&o todos", 826},
    {K::Command, "Desenhar devaga&r todos", 827},
    {K::End, nullptr, 0},
    {K::Popup, "&Um", 0},
    {K::Command, "Trajetória eq. &dif. ...", 780},
    {K::Command, "&Sequências ...", 782},
    {K::Command, "Janela &x(t) ...", 630},
    {K::Command, "Janela &y(t) ...", 631},
    {K::Command, "Janela &z(t) ...", 632},
    {K::Command, "xyz(&t) ...", 633},
    {K::Separator, nullptr, 0},
    {K::Command, "Curvas de &nível ...", 796},
    {K::Command, "&Estereogramas aleatórios ...", 783},
    {K::End, nullptr, 0},
    {K::Popup, "&Box", 0},
    {K::Command, "&Caixa\tCtrl+B", 773},
    {K::Command, "C&oordenadas\tCtrl+C", 775},
    {K::Command, "&Pontilhado", 794},
    {K::Command, "Cú&bo", 700},
    {K::Separator, nullptr, 0},
    {K::Command, "E&sconder segmentos", 776},
    {K::Command, "Ocu&ltar paramétricas", 788},
    {K::Command, "&Planaridade ...", 763},
    {K::End, nullptr, 0},
    {K::Popup, "&Eixos", 0},
    {K::Command, "&Eixos\tCtrl+E", 109},
    {K::Command, "&Mostrar nomes", 116},
    {K::Command, "&Nome ...", 102},
    {K::Command, "&Definir tamanho ...", 830},
    {K::End, nullptr, 0},
    {K::Popup, "&Misc", 0},
    {K::Popup, "&Cores", 0},
    {K::Command, "&Fundo ...", 200},
    {K::Command, "&Eixos ...", 203},
    {K::Command, "&Box ...", 204},
    {K::End, nullptr, 0},
    {K::Popup, "Espessura dos &eixos", 0},
    {K::Command, "Espessura &tela ...", 100},
    {K::Command, "Espessura &impressora ...", 101},
    {K::End, nullptr, 0},
    {K::Command, "&Fonte ...", 61},
    {K::Command, "Deci&mais ...", 105},
    {K::Separator, nullptr, 0},
    {K::Command, "&Usar padrão ...", 49},
    {K::Separator, nullptr, 0},
    {K::Command, "&Funções ...", 506},
    {K::Command, "Ajuda da &linguagem ...", 505},
    {K::Command, "Ajuda do &espaço ...", 360},
    {K::End, nullptr, 0},
};

constexpr Accelerator kPlot3Keys[] = {
    {KeyInsert, ModNone, 982}, {KeyDelete, ModNone, 983}, {KeyDelete, ModCtrl, 986},
    {KeyRight, ModNone, 984},  {KeyLeft, ModNone, 985},   {KeyUp, ModNone, 987},
    {KeyDown, ModNone, 988},   {KeyHome, ModNone, 764},   {'T', ModCtrl, 725},
    {'B', ModCtrl, 773},       {'C', ModCtrl, 775},       {'E', ModCtrl, 109},
    {'N', ModCtrl, 24301},     {'A', ModCtrl, 24302},     {'S', ModCtrl, 24303},
    {'S', ModCtrl | ModShift, 24304}, {KeyF1, ModNone, 1001}, {KeyF2, ModNone, 1003},
    {KeyF3, ModNone, 1005},    {KeyF4, ModNone, 1002},    {KeyF5, ModNone, 1016},    {'I', ModCtrl, 920},
    {'P', ModCtrl, 303},       {'P', ModCtrl | ModShift, 304},
};

#define KV3_RANGES(a, b)                                                                                       \
    {C::Static, -1, a " mín", 8, true}, {C::Edit, 221, "", 14, false, kNumber}, {C::Static, -1, a " máx", 8},    \
        {C::Edit, 223, "", 14, false, kNumber}, {C::Static, -1, b " mín", 8, true},                             \
        {C::Edit, 222, "", 14, false, kNumber}, {C::Static, -1, b " máx", 8}, {C::Edit, 224, "", 14, false, kNumber}
#define KV3_SURFACE                                                                                            \
    {C::Static, -1, "divisões", 16, true}, {C::Edit, 216, "", 8, false, kNumber}, {C::Edit, 217, "", 8, false, kNumber}, \
        {C::Static, -1, "traçar", 16, true}, {C::Edit, 219, "", 8, false, kNumber},                             \
        {C::Edit, 220, "", 8, false, kNumber}, {C::Static, -1, "pts"},                                          \
        {C::CheckBox, 271, "desenho rápido", 0, true}, {C::CheckBox, 272, "espectro"},                          \
        {C::CheckBox, 273, "grade"}, {C::CheckBox, 274, "sombrear"},                                            \
        {C::Static, -1, "cor", 6, true}, {C::ComboBox, 241, "", 14}, {C::Static, -1, "cor da grade", 12},       \
        {C::ComboBox, 244, "", 14}, {C::Static, -1, "cor 1", 6, true}, {C::ComboBox, 242, "", 14},               \
        {C::Static, -1, "cor 2", 12}, {C::ComboBox, 243, "", 14},                                               \
        {C::CheckBox, 275, "travar posição", 0, true}, {C::CheckBox, 276, "capa limite"},                       \
        {C::Static, -1, "< x <", 6, true}, {C::Edit, 231, "", 12, false, kNumber},                              \
        {C::Edit, 232, "", 12, false, kNumber}, {C::Static, -1, "< y <", 6, true},                              \
        {C::Edit, 233, "", 12, false, kNumber}, {C::Edit, 234, "", 12, false, kNumber},                          \
        {C::Static, -1, "< z <", 6, true}, {C::Edit, 235, "", 12, false, kNumber},                              \
        {C::Edit, 236, "", 12, false, kNumber},                                                                  \
        {C::Static, -1, "espessura da linha", 22, true}, {C::Edit, 227, "", 8, false, kNumber},                 \
        {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"}

constexpr ControlTemplate kEqua301[] = {
    {C::Static, -1, "z = f(x,y) =", 12, true}, {C::Edit, 213, "", 40, false, kFormula},
    KV3_RANGES("x", "y"), KV3_SURFACE,
};
constexpr ControlTemplate kEqua302[] = {
    {C::Static, -1, "z = f(r,t) =", 12, true}, {C::Edit, 213, "", 40, false, kFormula},
    KV3_RANGES("r", "t"), KV3_SURFACE,
};
constexpr ControlTemplate kEqua303[] = {
    {C::Static, -1, "x(t,u) =", 12, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "y(t,u) =", 12, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::Static, -1, "z(t,u) =", 12, true}, {C::Edit, 213, "", 40, false, kFormula},
    KV3_RANGES("t", "u"), KV3_SURFACE,
};
constexpr ControlTemplate kEqua316[] = {
    {C::Static, -1, "r = f(t,u) =", 12, true}, {C::Edit, 214, "", 40, false, kFormula},
    KV3_RANGES("t", "u"), KV3_SURFACE,
};

constexpr ControlTemplate kEqua306[] = {
    {C::Static, -1, "x(t) =", 12, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "y(t) =", 12, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::Static, -1, "z(t) =", 12, true}, {C::Edit, 213, "", 40, false, kFormula},
    {C::Static, -1, "r(t) =", 12, true}, {C::Edit, 214, "", 40, false, kFormula},
    KV3_RANGES("t", "u"), KV3_SURFACE,
};
constexpr ControlTemplate kEqua307[] = {
    {C::Static, -1, "x =", 6, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "y =", 6, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::RadioButton, 277, "eixo x", 0, true}, {C::RadioButton, 278, "eixo y"},
    KV3_RANGES("t", "u"), KV3_SURFACE,
};
constexpr ControlTemplate kEqua315[] = {
    {C::Static, -1, "a =", 6, true}, {C::Edit, 211, "", 14, false, kFormula},
    {C::Static, -1, "b =", 6}, {C::Edit, 212, "", 14, false, kFormula},
    {C::Static, -1, "c =", 6}, {C::Edit, 213, "", 14, false, kFormula},
    {C::Static, -1, "(k,m,n) =", 12, true}, {C::Edit, 214, "", 40, false, kFormula},
    {C::Static, -1, "tamanho do quadrado", 22, true}, {C::Edit, 215, "", 14, false, kFormula},
    KV3_RANGES("t", "u"), KV3_SURFACE,
};

#undef KV3_RANGES
#undef KV3_SURFACE

#define KV3_PEN                                                                                                \
    {C::Static, -1, "cor", 6, true}, {C::ComboBox, 241, "", 14}, {C::Static, -1, "espessura da linha", 22},     \
        {C::Edit, 227, "", 8, false, kNumber}
#define KV3_BOX                                                                                                \
    {C::Static, -1, "dimensões do box", 20, true}, {C::CheckBox, 288, "clip trajetórias"},                      \
        {C::Static, -1, "< x <", 6, true}, {C::Edit, 231, "", 12, false, kNumber},                              \
        {C::Edit, 232, "", 12, false, kNumber}, {C::Static, -1, "< y <", 6, true},                              \
        {C::Edit, 233, "", 12, false, kNumber}, {C::Edit, 234, "", 12, false, kNumber},                          \
        {C::Static, -1, "< z <", 6, true}, {C::Edit, 235, "", 12, false, kNumber},                              \
        {C::Edit, 236, "", 12, false, kNumber}
constexpr ControlTemplate kEqua304[] = {
    {C::Static, -1, "x(t) =", 8, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "y(t) =", 8, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::Static, -1, "z(t) =", 8, true}, {C::Edit, 213, "", 40, false, kFormula},
    {C::Static, -1, "t mín", 8, true}, {C::Edit, 221, "", 14, false, kNumber}, {C::Static, -1, "t máx", 8},
    {C::Edit, 223, "", 14, false, kNumber},
    {C::CheckBox, 281, "colocar seta em t =", 0, true}, {C::Edit, 225, "", 14, false, kNumber},
    {C::Static, -1, "tamanho da seta (pixels)", 26, true}, {C::Edit, 226, "", 8, false, kNumber},
    {C::Static, -1, "traçar", 8, true}, {C::Edit, 219, "", 8, false, kNumber}, {C::Static, -1, "pts"},
    KV3_PEN, {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kEqua308[] = {
    {C::Static, -1, "(", 2, true}, {C::Edit, 211, "", 10, false, kFormula}, {C::Edit, 212, "", 10, false, kFormula},
    {C::Edit, 213, "", 10, false, kFormula}, {C::Static, -1, ") a (", 4}, {C::Edit, 214, "", 10, false, kFormula},
    {C::Edit, 215, "", 10, false, kFormula}, {C::Edit, 216, "", 10, false, kFormula}, {C::Static, -1, ")", 2},
    {C::Static, -1, "traçar", 8, true}, {C::Edit, 219, "", 8, false, kNumber}, {C::Static, -1, "pts"},
    KV3_PEN, {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kEqua309[] = {
    {C::Static, -1, "(", 2, true}, {C::Edit, 211, "", 12, false, kFormula}, {C::Edit, 212, "", 12, false, kFormula},
    {C::Edit, 213, "", 12, false, kFormula}, {C::Static, -1, ")", 2},
    {C::Static, -1, "tamanho do ponto", 18, true}, {C::Edit, 226, "", 8, false, kNumber},
    {C::RadioButton, 282, "sólido", 0, true}, {C::RadioButton, 283, "circulo"},
    {C::CheckBox, 284, "âncoras", 0, true}, {C::CheckBox, 285, "pontilhado"},
    {C::CheckBox, 286, "exibir arcos", 0, true}, {C::CheckBox, 287, "pontilhado"},
    {C::Static, -1, "cor", 6, true}, {C::ComboBox, 241, "", 14},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kEqua310[] = {
    {C::Static, -1, "dx/dt =", 8, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "dy/dt =", 8, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::Static, -1, "dz/dt =", 8, true}, {C::Edit, 213, "", 40, false, kFormula},
    KV3_BOX, KV3_PEN, {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kEqua312[] = {
    {C::Static, -1, "novo x =", 8, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "novo y =", 8, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::Static, -1, "novo z =", 8, true}, {C::Edit, 213, "", 40, false, kFormula},
    KV3_BOX, KV3_PEN, {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kEqua305[] = {
    {C::Static, -1, "f(x,y,z) = g(x,y,z) :", 22, true}, {C::Edit, 211, "", 40, true, kFormula},
    {C::Static, -1, "dimensões do box", 20, true},
    {C::Static, -1, "< x <", 6, true}, {C::Edit, 231, "", 12, false, kNumber}, {C::Edit, 232, "", 12, false, kNumber},
    {C::Static, -1, "< y <", 6, true}, {C::Edit, 233, "", 12, false, kNumber}, {C::Edit, 234, "", 12, false, kNumber},
    {C::Static, -1, "< z <", 6, true}, {C::Edit, 235, "", 12, false, kNumber}, {C::Edit, 236, "", 12, false, kNumber},
    KV3_PEN, {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kIvp310[] = {
    {C::Static, -1, "x =", 4, true}, {C::Edit, 211, "", 16, false, kFormula},
    {C::Static, -1, "y =", 4}, {C::Edit, 212, "", 16, false, kFormula},
    {C::Static, -1, "z =", 4}, {C::Edit, 213, "", 16, false, kFormula},
    {C::Static, -1, "t inicial", 10, true}, {C::Edit, 214, "", 16, false, kFormula},
    {C::Static, -1, "t final", 10}, {C::Edit, 215, "", 16, false, kFormula},
    {C::Static, -1, "passo", 10, true}, {C::Edit, 216, "", 16, false, kFormula},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kIvp312[] = {
    {C::Static, -1, "x =", 4, true}, {C::Edit, 211, "", 16, false, kFormula},
    {C::Static, -1, "y =", 4}, {C::Edit, 212, "", 16, false, kFormula},
    {C::Static, -1, "z =", 4}, {C::Edit, 213, "", 16, false, kFormula},
    {C::Static, -1, "termos", 10, true}, {C::Edit, 215, "", 16, false, kFormula},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
#undef KV3_BOX
#undef KV3_PEN

constexpr ControlTemplate kLevels[] = {
    {C::Static, -1, "nível constante:", 16, true}, {C::RadioButton, 271, "x"}, {C::RadioButton, 272, "y"},
    {C::RadioButton, 273, "z"},
    {C::Static, -1, "mín", 6, true}, {C::Edit, 221, "", 12, false, kNumber},
    {C::Static, -1, "máx", 6}, {C::Edit, 223, "", 12, false, kNumber},
    {C::Static, -1, "níveis", 8}, {C::Edit, 226, "", 6, false, kNumber},
    {C::Static, -1, "corr", 6, true}, {C::Edit, 225, "", 12, false, kNumber},
    {C::Button, 3, "nível previo"}, {C::Button, 4, "prox nível"},
    {C::Button, 5, "buscar nível", 0, true}, {C::Button, 6, "auto"},
    {C::ListBox, 250, "", 30, true},
    {C::Button, 7, "ver corr", 0, true}, {C::Button, 8, "ver todas"}, {C::Button, 9, "del um"},
    {C::Button, 10, "del todas"},
    {C::Static, -1, "cor", 6, true}, {C::ComboBox, 241, "", 14},
    {C::Button, 1, "manter mudanças", 0, true}, {C::Button, 2, "descartar mudanças"},
};

constexpr ControlTemplate kRds[] = {
    {C::ListBox, 250, "", 40, true},
    {C::Static, -1, "profund", 18, true}, {C::Edit, 211, "", 12, false, kNumber},
    {C::Static, -1, "densidade", 18, true}, {C::Edit, 212, "", 12, false, kNumber},
    {C::Static, -1, "tiras", 18, true}, {C::Edit, 213, "", 12, false, kNumber},
    {C::Static, -1, "tamanho do ponto", 18, true}, {C::Edit, 214, "", 12, false, kNumber},
    {C::Button, 3, "traçar", 0, true}, {C::Button, 2, "fechar"},
};

// The stereogram window.
constexpr MenuItem kRdsMenu[] = {
    KV_PICTURE_FILE_POPUP,
    {K::Popup, "A&nim", 0},
    KV_LETTER_SLIDER_ITEMS,
    {K::Separator, nullptr, 0},
    {K::Command, "&0=Unidades de barra ...", 1169},
    {K::End, nullptr, 0},
    {K::Command, "&Cor de fundo ...", 200},
    {K::Command, "&Fechar", 24310},
};

constexpr Accelerator kRdsKeys[] = {
    {'P', ModCtrl, 303},
    {'P', ModCtrl | ModShift, 304},
};

// The time windows.
constexpr MenuItem kTimeMenu[] = {
    KV_PICTURE_FILE_POPUP,
    {K::Popup, "&Ver", 0},
    {K::Command, "&Ver ...\tCtrl+V", 104},
    {K::Command, "&Afastar\tPgDn", 106},
    {K::Command, "A&proximar\tPgUp", 107},
    {K::Command, "&Esquerda\t\u2190", 322},
    {K::Command, "&Direita\t\u2192", 323},
    {K::Command, "Para &baixo\t\u2193", 324},
    {K::Command, "Para &cima\t\u2191", 325},
    {K::Command, "&Janela anterior\tCtrl+L", 111},
    {K::Separator, nullptr, 0},
    {K::Command, "&Eixos\tCtrl+E", 109},
    {K::Command, "&Grade ...\tCtrl+G", 320},
    {K::End, nullptr, 0},
    {K::Popup, "&Btns", 0},
    {K::Command, "&Arrastar box LB\tRecentr zoom RB", 121},
    {K::Command, "C&oords XY LB\tRecentr RB", 125},
    {K::End, nullptr, 0},
    {K::Popup, "&Misc", 0},
    {K::Command, "&Fonte ...", 61},
    {K::Command, "&Fundo ...", 200},
    {K::Command, "&Eixos ...", 203},
    {K::Command, "&Linhas de grade ...", 210},
    {K::Command, "Deci&mais ...", 105},
    {K::End, nullptr, 0},
    {K::Command, "&Fechar", 24310},
};

constexpr Accelerator kTimeKeys[] = {
    {'V', ModCtrl, 104}, {KeyPageDown, ModNone, 106}, {KeyPageUp, ModNone, 107}, {KeyLeft, ModNone, 322},
    {KeyRight, ModNone, 323}, {KeyDown, ModNone, 324}, {KeyUp, ModNone, 325}, {'L', ModCtrl, 111},
    {'E', ModCtrl, 109}, {'G', ModCtrl, 320}, {'P', ModCtrl, 303}, {'P', ModCtrl | ModShift, 304},
};

// The level-curve window.
constexpr MenuItem kLevelMenu[] = {
    KV_PICTURE_FILE_POPUP,
    {K::Popup, "&Ver", 0},
    {K::Command, "&Ver ...\tCtrl+V", 104},
    {K::Command, "&Afastar\tPgDn", 106},
    {K::Command, "A&proximar\tPgUp", 107},
    {K::Command, "&Esquerda\t\u2190", 322},
    {K::Command, "&Direita\t\u2192", 323},
    {K::Command, "Para &baixo\t\u2193", 324},
    {K::Command, "Para &cima\t\u2191", 325},
    {K::Command, "&Janela anterior\tCtrl+L", 111},
    {K::Command, "&Quadrado\tCtrl+Q", 117},
    {K::End, nullptr, 0},
    {K::Popup, "&Eixos", 0},
    {K::Command, "&Eixos\tCtrl+E", 109},
    {K::Command, "&Grade ...\tCtrl+G", 320},
    {K::End, nullptr, 0},
    {K::Popup, "&Cores", 0},
    {K::Command, "&Fundo ...", 200},
    {K::Command, "&Eixos ...", 203},
    {K::Command, "&Linhas de grade ...", 210},
    {K::End, nullptr, 0},
    {K::Popup, "&Tolerância", 0},
    {K::Command, "&Passo ...", 735},
    {K::Command, "&Vetor nulo ...", 732},
    {K::Command, "&Laço ...", 733},
    {K::Command, "&Angulo critico", 734},
    {K::End, nullptr, 0},
    {K::Command, "&Fechar", 24310},
};

constexpr Accelerator kLevelKeys[] = {
    {'V', ModCtrl, 104}, {KeyPageDown, ModNone, 106}, {KeyPageUp, ModNone, 107}, {KeyLeft, ModNone, 322},
    {KeyRight, ModNone, 323}, {KeyDown, ModNone, 324}, {KeyUp, ModNone, 325}, {'L', ModCtrl, 111},
    {'Q', ModCtrl, 117}, {'E', ModCtrl, 109}, {'G', ModCtrl, 320}, {'P', ModCtrl, 303},
    {'P', ModCtrl | ModShift, 304},
};

constexpr ControlTemplate kSetObserver[] = {
    {C::Static, -1, "x", 4, true}, {C::Edit, 211, "", 20, false, kNumber},
    {C::Static, -1, "y", 4, true}, {C::Edit, 212, "", 20, false, kNumber},
    {C::Static, -1, "z", 4, true}, {C::Edit, 213, "", 20, false, kNumber},
    {C::Button, 3, "aplicar", 0, true}, {C::Button, 2, "fechar"},
};

constexpr ControlTemplate kAxisLength[] = {
    {C::Edit, 211, "", 12, true, kNumber}, {C::Static, -1, "< x <", 6}, {C::Edit, 212, "", 12, false, kNumber},
    {C::Edit, 213, "", 12, true, kNumber}, {C::Static, -1, "< y <", 6}, {C::Edit, 214, "", 12, false, kNumber},
    {C::Edit, 215, "", 12, true, kNumber}, {C::Static, -1, "< z <", 6}, {C::Edit, 216, "", 12, false, kNumber},
    {C::Button, 3, "travar", 0, true}, {C::Button, 4, "destravar"}, {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kDerive301[] = {
    {C::RadioButton, 251, "d/dx", 0, true}, {C::RadioButton, 252, "d/dy"},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kDerive305[] = {
    {C::RadioButton, 251, "d/dx", 0, true}, {C::RadioButton, 252, "d/dy"}, {C::RadioButton, 253, "d/dz"},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};

constexpr NamedMenu kMenus[] = {
    {"PLOT3MENU", kPlot3Menu},
    {"LEVELMENU", kLevelMenu},
    {"RDSMENU", kRdsMenu},
    {"TXMENU", kTimeMenu},
};

constexpr NamedAccelerators kAccelerators[] = {
    {"PLOT3MENU", kPlot3Keys},
    {"LEVELMENU", kLevelKeys},
    {"RDSMENU", kRdsKeys},
    {"TXMENU", kTimeKeys},
};

constexpr DialogTemplate kDialogs[] = {
    {"EQUA301", "z = f(x,y)", kEqua301},
    {"EQUA302", "z = f(r,t)", kEqua302},
    {"EQUA303", "superfície x(t,u) , y(t,u) , z(t,u)", kEqua303},
    {"EQUA316", "superfície r = f(t,u)", kEqua316},
    {"EQUA304", "curva x(t) , y(t) , z(t)", kEqua304},
    {"EQUA305", "superfície implícita", kEqua305},
    {"LEVELS", "curvas de nível", kLevels},
    {"RDS", "RDS inventário", kRds},
    {"EQUA306", "tubo em torno de (x,y,z)", kEqua306},
    {"EQUA307", "superfície de revolução", kEqua307},
    {"EQUA308", "segmento (a,b,c) a (p,q,r)", kEqua308},
    {"EQUA309S", "ponto (x,y,z)", kEqua309},
    {"EQUA310", "sistema dx/dt , dy/dt , dz/dt", kEqua310},
    {"EQUA312", "sequência", kEqua312},
    {"IVP310", "condições iniciais", kIvp310},
    {"IVP312", "condições iniciais", kIvp312},
    {"EQUA315", "plano a(x-k)+b(y-m)+c(z-n)=0", kEqua315},
    {"SETOBS", "coordenadas observador", kSetObserver},
    {"AXLEN", "definir tamanho", kAxisLength},
    {"DERIV301", "derivar", kDerive301},
    {"DERIV305", "derivar", kDerive305},
};

} // namespace

ResourceTable SpaceResources() { return {kMenus, kAccelerators, kDialogs}; }

} // namespace korvane::res
