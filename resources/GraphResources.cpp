#include "resources/FileMenuItems.h"
#include "resources/ViewMenuItems.h"
#include "resources/PlaneMenuItems.h"
#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using K = MenuItem::Kind;
using C = ControlTemplate;

// The plane window. Commands that only work with curves join these menus with them.
constexpr MenuItem kPlot2Menu[] = {
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
    {K::Separator, nullptr, 0},
    {K::Command, "Janela &x(t) ...", 630},
    {K::Command, "Janela &y(t) ...", 631},
    {K::Command, "Janela xy(&t) ...", 632},
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
    {K::Popup, "&Btns", 0},
    {K::Command, "&Arrastar box LB\tRecentr zoom RB", 121},
    {K::Command, "T&rajetórias", 122},
    {K::Command, "&Texto", 123},
    {K::Command, "&Colar", 124},
    {K::Command, "C&oords XY LB\tRecentr RB", 125},
    {K::Separator, nullptr, 0},
    {K::Command, "&Mouse ...", 126},
    {K::End, nullptr, 0},
    KV_PLANE_LOOK_MENUS("Ajuda do &plano ..."),
};

constexpr Accelerator kPlot2Keys[] = {
    {'V', ModCtrl, 104},      {KeyPageDown, ModNone, 106}, {KeyPageUp, ModNone, 107},
    {KeyLeft, ModNone, 322},  {KeyRight, ModNone, 323},    {KeyDown, ModNone, 324},
    {KeyUp, ModNone, 325},    {'L', ModCtrl, 111},         {'Q', ModCtrl, 117},
    {'R', ModCtrl, 103},      {'E', ModCtrl, 109},         {'G', ModCtrl, 320},
    {'N', ModCtrl, 24301},    {'A', ModCtrl, 24302},       {'S', ModCtrl, 24303},
    {'S', ModCtrl | ModShift, 24304}, {KeyF1, ModNone, 901}, {KeyF2, ModNone, 902},
    {KeyF3, ModNone, 903},    {KeyF4, ModNone, 904},       {'I', ModCtrl, 920},
    {KeyF5, ModNone, 923},    {KeyF7, ModNone, 721},
    {'P', ModCtrl, 303},      {'P', ModCtrl | ModShift, 304},
};

constexpr MenuItem kColourWindowMenu[] = {
    {K::Command, "&Fechar", 2},
};

constexpr ControlTemplate kViewAll[] = {
    {C::Static, -1, "esquerdo", 10, true},  {C::Edit, 211, "", 16, false, 30},
    {C::Static, -1, "direito", 10},         {C::Edit, 212, "", 16, false, 30},
    {C::Static, -1, "inferior", 10, true},  {C::Edit, 213, "", 16, false, 30},
    {C::Static, -1, "superior", 10},        {C::Edit, 214, "", 16, false, 30},
    {C::Static, -1, "horiz", 10, true},     {C::Edit, 215, "", 16, false, 30},
    {C::Static, -1, "vert", 10},            {C::Edit, 216, "", 16, false, 30},
    {C::Static, -1, "espessura", 10, true}, {C::Edit, 217, "", 16, false, 30},
    {C::RadioButton, 251, "centro", 0, true}, {C::RadioButton, 252, "cantos"},
    {C::Button, 1, "aplicar", 0, true},     {C::Button, 2, "fechar"},
};

constexpr ControlTemplate kSetGrid[] = {
    {C::CheckBox, 271, "eixos", 0, true},
    {C::RadioButton, 251, "ambos"}, {C::RadioButton, 252, "x"}, {C::RadioButton, 253, "y"},
    {C::RadioButton, 254, "polar"},
    {C::CheckBox, 272, "marcas", 0, true}, {C::CheckBox, 273, "setas"}, {C::CheckBox, 274, "pontos"},
    {C::CheckBox, 275, "rótulos"},
    {C::Static, -1, "tamanho da marca", 0, true}, {C::Edit, 211, "", 6, false, 20},
    {C::Static, -1, "", 4, true}, {C::Static, -1, "intervalo", 10}, {C::Static, -1, "decimais", 6},
    {C::Static, -1, "freq", 5}, {C::Static, -1, "escala", 6}, {C::Static, -1, "pi", 4},
    {C::Static, -1, "x", 4, true}, {C::Edit, 212, "", 10, false, 20}, {C::Edit, 213, "", 6, false, 20},
    {C::Edit, 214, "", 5, false, 9}, {C::CheckBox, 276, "", 6}, {C::CheckBox, 277, "", 4},
    {C::Static, -1, "y", 4, true}, {C::Edit, 215, "", 10, false, 20}, {C::Edit, 216, "", 6, false, 20},
    {C::Edit, 217, "", 5, false, 9}, {C::CheckBox, 278, "", 6}, {C::CheckBox, 279, "", 4},
    {C::Static, -1, "escala sobre :", 0, true}, {C::RadioButton, 255, "eixos"}, {C::RadioButton, 256, "quadro"},
    {C::CheckBox, 281, "retangular", 0, true}, {C::CheckBox, 280, "setores polares"},
    {C::Edit, 218, "", 5, false, 20}, {C::CheckBox, 286, "pontilhado"},
    {C::Static, -1, "quadrantes", 0, true}, {C::CheckBox, 282, "I"}, {C::CheckBox, 283, "II"},
    {C::CheckBox, 284, "III"}, {C::CheckBox, 285, "IV"},
    {C::Button, 91, "aplicar", 0, true}, {C::Button, 2, "fechar"},
};

constexpr ControlTemplate kAxisNames[] = {
    {C::Static, -1, "1st", 5, true}, {C::Edit, 211, "", 20, false, 19},
    {C::Static, -1, "2nd", 5, true}, {C::Edit, 212, "", 20, false, 19},
    {C::Static, -1, "3rd", 5, true}, {C::Edit, 213, "", 20, false, 19},
    {C::Button, 1, "ok", 0, true},   {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kFormatDp[] = {
    {C::Static, -1, "num decimais", 0, true}, {C::Edit, 211, "", 6, false, 20},
    {C::Button, 1, "ok", 0, true},            {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kFormatDpsn[] = {
    {C::Static, -1, "num decimais", 0, true}, {C::Edit, 211, "", 6, false, 20},
    {C::CheckBox, 271, "scientific notation", 0, true}, {C::CheckBox, 272, "forma *10^", 0, true},
    {C::Button, 1, "ok", 0, true},            {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kFormatFwdp[] = {
    {C::Static, -1, "num decimais", 0, true},       {C::Edit, 211, "", 6, false, 20},
    {C::Static, -1, "espessura do campo", 0, true}, {C::Edit, 212, "", 6, false, 20},
    {C::Button, 1, "ok", 0, true},                  {C::Button, 2, "cancelar"},
};
constexpr ControlTemplate kFormatFwdpsn[] = {
    {C::Static, -1, "num decimais", 0, true},       {C::Edit, 211, "", 6, false, 20},
    {C::Static, -1, "espessura do campo", 0, true}, {C::Edit, 212, "", 6, false, 20},
    {C::CheckBox, 271, "scientific notation", 0, true}, {C::CheckBox, 272, "forma *10^", 0, true},
    {C::Button, 1, "ok", 0, true},                  {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kNewText[] = {
    {C::Static, -1, "texto", 0, true}, {C::Edit, 211, "", 40, false, 155},
    {C::Button, 1, "ok", 0, true},     {C::Button, 3, "apagar"}, {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kPictureSize[] = {
    {C::Static, -1, "largura", 8, true}, {C::Edit, 211, "", 16, false, 30},
    {C::Static, -1, "altura", 8, true},  {C::Edit, 212, "", 16, false, 30},
    {C::Button, 1, "ok", 0, true},       {C::Button, 3, "apagar"}, {C::Button, 2, "cancelar"},
};

constexpr NamedMenu kMenus[] = {
    {"PLOT2MENU", kPlot2Menu},
    {"COLWMENU", kColourWindowMenu},
};

constexpr NamedAccelerators kAccelerators[] = {
    {"PLOT2MENU", kPlot2Keys},
};

constexpr DialogTemplate kDialogs[] = {
    {"VIEWALL", "janela", kViewAll},
    {"SETGRID", "grade", kSetGrid},
    {"AXVBLS", "nomes nos eixos", kAxisNames},
    {"DP", "formatar", kFormatDp},
    {"DPSN", "formatar", kFormatDpsn},
    {"FWDP", "formatar", kFormatFwdp},
    {"FWDPSN", "formatar", kFormatFwdpsn},
    {"NEWTEXT", "texto", kNewText},
    {"METADLG", "figura", kPictureSize},
};

} // namespace

ResourceTable GraphResources() { return {kMenus, kAccelerators, kDialogs}; }

} // namespace korvane::res
