#include "resources/FileMenuItems.h"
#include "resources/ViewMenuItems.h"
#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using K = MenuItem::Kind;
using C = ControlTemplate;

// The guessing game: its own commands, the view, and the look of a plane window.
constexpr MenuItem kGuessMenu[] = {
    KV_PICTURE_FILE_POPUP,
    {K::Popup, "&Equação", 0},
    {K::Command, "&Novo exemplo\tF2", 791},
    {K::Command, "&Adivinhar ...\tF4", 404},
    {K::Command, "&Resposta ...\tF5", 806},
    {K::Separator, nullptr, 0},
    {K::Command, "&Selecionar ...\tF6", 870},
    {K::Command, "Selecionar &Tudo", 119},
    {K::Command, "R&estaurar", 871},
    {K::End, nullptr, 0},
    {K::Popup, "&Ver", 0},
    KV_VIEW_COMMANDS,
    {K::End, nullptr, 0},
    {K::Popup, "&Btns", 0},
    {K::Command, "&Arrastar box LB\tRecentr zoom RB", 121},
    {K::Command, "C&oords XY LB\tRecentr RB", 125},
    {K::End, nullptr, 0},
    {K::Popup, "&Misc", 0},
    {K::Popup, "&Cores", 0},
    {K::Command, "&Fundo ...", 200},
    {K::Command, "&Eixos ...", 203},
    {K::Command, "&Linhas de grade ...", 210},
    {K::Separator, nullptr, 0},
    {K::Command, "C&urva ...", 209},
    {K::Command, "&Adivinha ...", 212},
    {K::Command, "A&ssíntotas ...", 213},
    {K::End, nullptr, 0},
    {K::Command, "&Eixos\tCtrl+E", 109},
    {K::Command, "&Grade ...\tCtrl+G", 320},
    {K::Popup, "Espessura dos &eixos", 0},
    {K::Command, "Espessura &tela ...", 100},
    {K::Command, "Espessura &impressora ...", 101},
    {K::End, nullptr, 0},
    {K::Command, "&Fonte ...", 61},
    {K::Command, "Deci&mais ...", 105},
    {K::Separator, nullptr, 0},
    {K::Command, "Ajuda da &linguagem ...", 505},
    {K::End, nullptr, 0},
    {K::Popup, "A&juda", 0},
    {K::Command, "&Como jogar ...", 361},
    {K::Command, "&Arquivo ...", 362},
    {K::Command, "&Equação ...", 363},
    {K::Command, "&Ver ...", 364},
    {K::Command, "&Btns ...", 365},
    {K::Command, "&Misc ...", 366},
    {K::End, nullptr, 0},
};

constexpr Accelerator kGuessKeys[] = {
    {KeyF2, ModNone, 791},    {KeyF4, ModNone, 404},       {KeyF5, ModNone, 806},
    {KeyF6, ModNone, 870},    {'V', ModCtrl, 104},         {KeyPageDown, ModNone, 106},
    {KeyPageUp, ModNone, 107}, {KeyLeft, ModNone, 322},    {KeyRight, ModNone, 323},
    {KeyDown, ModNone, 324},  {KeyUp, ModNone, 325},       {'L', ModCtrl, 111},
    {'Q', ModCtrl, 117},      {'R', ModCtrl, 103},         {'E', ModCtrl, 109},
    {'G', ModCtrl, 320},      {'P', ModCtrl, 303},         {'P', ModCtrl | ModShift, 304},
};

// "habilitar tipos": check box 270 + i for flag i, the two factor counts.
constexpr ControlTemplate kSwitch[] = {
    {C::CheckBox, 270, "valores absolutos  y = |f(x)|", 0, true},
    {C::CheckBox, 271, "polinômio", 0, true},
    {C::CheckBox, 272, "racional", 0, true},
    {C::Static, -1, "grau inf", 8, true},
    {C::Edit, 211, "", 4, false, 20},
    {C::Static, -1, "grau sup", 8},
    {C::Edit, 212, "", 4, false, 20},
    {C::CheckBox, 273, "(n/d)(x-a)(x-a) + b", 0, true},
    {C::CheckBox, 274, "a*sin(bx) + c", 0, true},
    {C::CheckBox, 275, "a*cos(bx) + c", 0, true},
    {C::CheckBox, 276, "tan(bx) + c", 0, true},
    {C::CheckBox, 277, "a*sec(bx) + c", 0, true},
    {C::CheckBox, 278, "a*csc(bx) + c", 0, true},
    {C::CheckBox, 279, "cot(bx) + c", 0, true},
    {C::CheckBox, 280, "exponencial  a*b^(x-c) + d", 0, true},
    {C::CheckBox, 281, "log(x - c) + d", 0, true},
    {C::CheckBox, 282, "log(x - c) + d", 0, true},
    {C::Static, -1, "log base-b"},
    {C::CheckBox, 283, "log |x - c| + d", 0, true},
    {C::CheckBox, 284, "x^(a/b) + c", 0, true},
    {C::Button, 1, "ok", 0, true},
    {C::Button, 2, "cancelar"},
};

constexpr NamedMenu kMenus[] = {
    {"GUESSMENU", kGuessMenu},
};

constexpr NamedAccelerators kAccelerators[] = {
    {"GUESSMENU", kGuessKeys},
};

constexpr DialogTemplate kDialogs[] = {
    {"SWITCH", "habilitar tipos", kSwitch},
};

} // namespace

ResourceTable GameResources() { return {kMenus, kAccelerators, kDialogs}; }

} // namespace korvane::res
