#include "resources/FileMenuItems.h"
#include "resources/PlaneMenuItems.h"
#include "resources/ViewMenuItems.h"
#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using K = MenuItem::Kind;
using C = ControlTemplate;

#define KV_LOOK_MENUS                                                                                         \
    {K::Popup, "&Eixos", 0}, {K::Command, "&Eixos\tCtrl+E", 109}, {K::Command, "&Grade ...\tCtrl+G", 320},     \
        {K::Command, "&Setas sólidas", 110}, {K::Command, "&Nome ...", 102}, {K::End, nullptr, 0},              \
        {K::Popup, "&Misc", 0}, {K::Popup, "&Cores", 0}, {K::Command, "&Fundo ...", 200},                       \
        {K::Command, "&Eixos ...", 203}, {K::Command, "&Linhas de grade ...", 210}, {K::End, nullptr, 0},       \
        {K::Popup, "Espessura dos &eixos", 0}, {K::Command, "Espessura &tela ...", 100},                        \
        {K::Command, "Espessura &impressora ...", 101}, {K::End, nullptr, 0}, {K::Command, "&Fonte ...", 61},   \
        {K::Command, "Deci&mais ...", 105}, {K::Separator, nullptr, 0},                                         \
        {K::Command, "Ajuda da &linguagem ...", 505}, {K::Command, "Ajuda do &mapeador ...", 360},               \
        {K::Command, "Re&desenhar\tF5", 923},                                                                   \
        {K::Command, "&Conectar pontos", 702}, {K::End, nullptr, 0}

// The domain window: a plane window's menus, and the map's own.
constexpr MenuItem kDomainMenu[] = {
    {K::Popup, "&Arquivo", 0},
    {K::Command, "Plano &xy", 410},
    {K::Command, "Plano &z", 411},
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
    {K::Popup, "&Ver", 0},
    KV_VIEW_COMMANDS,
    {K::End, nullptr, 0},
    {K::Popup, "&Equação", 0},
    {K::Command, "&1. Explícita ...\tF1", 901},
    {K::Command, "&2. Paramétrica ...\tF2", 902},
    {K::Command, "&3. Implícita ...\tF3", 903},
    {K::Command, "&4. Polar ...\tF4", 904},
    {K::Separator, nullptr, 0},
    {K::Command, "Polino&mial ...", 905},
    {K::Popup, "&Segmento", 0},
    {K::Command, "(&x,y) ...", 906},
    {K::Command, "(&r,t) ...", 907},
    {K::End, nullptr, 0},
    {K::Command, "&Ciclóides ...", 908},
    {K::Command, "&Reta ...", 909},
    {K::Popup, "P&onto", 0},
    {K::Command, "(&x,y) ...", 910},
    {K::Command, "(&r,t) ...", 911},
    {K::End, nullptr, 0},
    {K::Command, "&Plotar lista ...", 915},
    {K::Popup, "&Diferencial", 0},
    {K::Command, "dy/d&t ...", 912},
    {K::Command, "dy/d&x ...", 913},
    {K::End, nullptr, 0},
    {K::Command, "Re&cursiva ...", 914},
    {K::Command, "Revolução em &3-dim ...", 24320},
    {K::Separator, nullptr, 0},
    {K::Command, "&Inventário ...\tCtrl+I", 920},
    {K::Popup, "Ocultar/mostrar &tudo", 0},
    {K::Command, "&Pontos", 921},
    {K::Command, "&Equações", 922},
    {K::End, nullptr, 0},
    {K::End, nullptr, 0},
    KV_PLANE_TOOL_MENUS,
    KV_ANIM_MENU,
    {K::Popup, "&Mapa", 0},
    {K::Command, "&Nova ...", 1102},
    {K::Command, "&Grade ...", 758},
    {K::Command, "&Tabela ...", 873},
    {K::Separator, nullptr, 0},
    {K::Command, "&Apagar desenhos", 52},
    {K::End, nullptr, 0},
    {K::Popup, "&Btns", 0},
    {K::Command, "&Arrastar box LB\tRecentr zoom RB", 121},
    {K::Command, "C&oords XY LB\tRecentr RB", 125},
    {K::Command, "T&rajetórias", 122},
    {K::Command, "&Cursor LB\tJacobiano RB", 128},
    {K::Command, "&Desenhar", 127},
    {K::End, nullptr, 0},
    KV_PLANE_LOOK_MENUS("Ajuda do &mapeador ..."),
};

// The range window: its picture's output, the view, "E&nquadrar janela" and the look; no
// equations.
constexpr MenuItem kRangeMenu[] = {
    KV_PICTURE_FILE_POPUP,
    {K::Popup, "&Ver", 0},
    KV_VIEW_COMMANDS,
    {K::Separator, nullptr, 0},
    {K::Command, "E&nquadrar janela", 764},
    {K::End, nullptr, 0},
    {K::Popup, "&Btns", 0},
    {K::Command, "&Arrastar box LB\tRecentr zoom RB", 121},
    {K::Command, "C&oords XY LB\tRecentr RB", 125},
    {K::End, nullptr, 0},
    KV_LOOK_MENUS,
};

#undef KV_LOOK_MENUS

constexpr Accelerator kViewKeys[] = {
    {'V', ModCtrl, 104},     {KeyPageDown, ModNone, 106}, {KeyPageUp, ModNone, 107}, {KeyLeft, ModNone, 322},
    {KeyRight, ModNone, 323}, {KeyDown, ModNone, 324},    {KeyUp, ModNone, 325},     {'L', ModCtrl, 111},
    {'Q', ModCtrl, 117},     {'R', ModCtrl, 103},         {'E', ModCtrl, 109},       {'G', ModCtrl, 320},
    {KeyF5, ModNone, 923},   {'P', ModCtrl, 303},         {'P', ModCtrl | ModShift, 304},
};

constexpr Accelerator kDomainKeys[] = {
    {'V', ModCtrl, 104},     {KeyPageDown, ModNone, 106}, {KeyPageUp, ModNone, 107}, {KeyLeft, ModNone, 322},
    {KeyRight, ModNone, 323}, {KeyDown, ModNone, 324},    {KeyUp, ModNone, 325},     {'L', ModCtrl, 111},
    {'Q', ModCtrl, 117},     {'R', ModCtrl, 103},         {'E', ModCtrl, 109},       {'G', ModCtrl, 320},
    {KeyF5, ModNone, 923},   {'A', ModCtrl, 24302},       {'S', ModCtrl, 24303},     {'S', ModCtrl | ModShift, 24304},
    {KeyF1, ModNone, 901},   {KeyF2, ModNone, 902},       {KeyF3, ModNone, 903},     {KeyF4, ModNone, 904},
    {'I', ModCtrl, 920},     {KeyF7, ModNone, 721},       {'P', ModCtrl, 303},       {'P', ModCtrl | ModShift, 304},
};

constexpr int kFormula = 255;
constexpr int kNumber = 40;

constexpr ControlTemplate kPlaneMap[] = {
    {C::Static, -1, "(x,y)==>(U(x,y),V(x,y))", 0, true},
    {C::Static, -1, "U(x,y) =", 10, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Static, -1, "V(x,y) =", 10, true}, {C::Edit, 212, "", 40, false, kFormula},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kComplexMap[] = {
    {C::Static, -1, "z ==> F(z)", 0, true},
    {C::Static, -1, "F(z) =", 10, true}, {C::Edit, 211, "", 40, false, kFormula},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kMapGrid[] = {
    {C::Static, -1, "", 16, true}, {C::Static, -1, "x mín", 10}, {C::Static, -1, "x máx", 10},
    {C::Static, -1, "divisões", 8},
    {C::CheckBox, 271, "visualizar x = k", 16, true}, {C::Edit, 211, "", 10, false, kNumber},
    {C::Edit, 212, "", 10, false, kNumber}, {C::Edit, 213, "", 8, false, kNumber}, {C::ComboBox, 204, "", 14},
    {C::Static, -1, "", 16, true}, {C::Static, -1, "y mín", 10}, {C::Static, -1, "y máx", 10},
    {C::Static, -1, "divisões", 8},
    {C::CheckBox, 272, "visualizar y = k", 16, true}, {C::Edit, 214, "", 10, false, kNumber},
    {C::Edit, 215, "", 10, false, kNumber}, {C::Edit, 216, "", 8, false, kNumber}, {C::ComboBox, 205, "", 14},
    {C::Button, 1, "ok", 0, true}, {C::Button, 2, "cancelar"},
};

constexpr NamedMenu kMenus[] = {
    {"DOM2MENU", kDomainMenu},
    {"RAN2MENU", kRangeMenu},
};

constexpr NamedAccelerators kAccelerators[] = {
    {"DOM2MENU", kDomainKeys},
    {"RAN2MENU", kViewKeys},
};

constexpr DialogTemplate kDialogs[] = {
    {"EQUA402", "(x,y)==>(U(x,y),V(x,y))", kPlaneMap},
    {"EQUA401", "z ==> F(z)", kComplexMap},
    {"MAPGRID", "grade", kMapGrid},
};

} // namespace

ResourceTable MapperResources() { return {kMenus, kAccelerators, kDialogs}; }

} // namespace korvane::res
