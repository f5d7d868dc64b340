#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using K = MenuItem::Kind;
using C = ControlTemplate;

#define KORVANE_TEXT_EDIT_MENU                                                                         \
    {K::Popup, "&Editar", 0}, {K::Command, "&Copiar", 95}, {K::Command, "Cor&tar", 96},               \
        {K::Command, "&Pegar", 99}, {K::Command, "&Selecionar todas", 119}, {K::Separator, nullptr, 0}, \
        {K::Command, "&Fonte...", 61}, {K::Command, "Sinal &Menos...", 92}, {K::End, nullptr, 0}
#define KORVANE_TEXT_SEARCH_MENU                                                                       \
    {K::Popup, "P&rocurar", 0}, {K::Command, "P&rocurar ...\tF1", 353},                                \
        {K::Command, "Siguie&nte\tF3", 352}, {K::Command, "C&omeçar outra vez\tF2", 53},              \
        {K::Separator, nullptr, 0}, {K::Command, "Aj&uda", 351}, {K::End, nullptr, 0}
#define KORVANE_TEXT_PRINT_ITEMS                                                                       \
    {K::Separator, nullptr, 0}, {K::Command, "&Imprimir ...", 97}, {K::Command, "&Offset ...", 304},  \
        {K::Command, "S&elecionar impressora ...", 93}, {K::Separator, nullptr, 0},                  \
        {K::Command, "&Fechar", 357}, {K::End, nullptr, 0}

// Text and notebook windows: the file menu opens and saves plain text.
constexpr MenuItem kTextMenu[] = {
    {K::Popup, "&Arquivo", 0},
    {K::Command, "&Abrir ...", 59},
    {K::Command, "&Salvar", 57},
    {K::Command, "Salvar &Como ...", 58},
    KORVANE_TEXT_PRINT_ITEMS,
    KORVANE_TEXT_EDIT_MENU,
    KORVANE_TEXT_SEARCH_MENU,
};

// Table and data windows show what their owner computed: nothing to open.
constexpr MenuItem kTableMenu[] = {
    {K::Popup, "&Arquivo", 0},
    {K::Command, "Salvar &Como ...", 58},
    KORVANE_TEXT_PRINT_ITEMS,
    KORVANE_TEXT_EDIT_MENU,
    KORVANE_TEXT_SEARCH_MENU,
};

#undef KORVANE_TEXT_EDIT_MENU
#undef KORVANE_TEXT_SEARCH_MENU
#undef KORVANE_TEXT_PRINT_ITEMS

constexpr Accelerator kTextKeys[] = {
    {KeyF1, ModNone, 353},
    {KeyF2, ModNone, 53},
    {KeyF3, ModNone, 352},
};

constexpr NamedMenu kMenus[] = {
    {"TEXTMENU", kTextMenu},
    {"NOTEMENU", kTextMenu},
    {"TABLEMENU", kTableMenu},
    {"DATAMENU", kTableMenu},
};

constexpr NamedAccelerators kAccelerators[] = {
    {"TEXTMENU", kTextKeys},
    {"NOTEMENU", kTextKeys},
    {"TABLEMENU", kTextKeys},
    {"DATAMENU", kTextKeys},
};

constexpr ControlTemplate kPrintOffsets[] = {
    {C::Static, -1, "margem esquerda (polegadas)", 0, true}, {C::Edit, 211, "", 10, false, 30},
    {C::Static, -1, "margem superior (polegadas)", 0, true}, {C::Edit, 212, "", 10, false, 30},
    {C::Button, 1, "ok", 0, true},                          {C::Button, 2, "cancelar"},
};

// "remover" is not control 2, the one that Escape and the close box press: leaving the
// dialog must not take the protection away.
constexpr ControlTemplate kSetPassword[] = {
    {C::Static, -1, "senha", 10, true},       {C::Edit, 211, "", 24, false, 100, true},
    {C::Static, -1, "confirmar", 10, true},   {C::Edit, 212, "", 24, false, 100, true},
    {C::CheckBox, 271, "salvar/renomear", 0, true}, {C::CheckBox, 272, "inventário"},
    {C::CheckBox, 273, "caderno"},            {C::CheckBox, 274, "mostrar data de gravação", 0, true},
    {C::Static, -1, "autor", 10, true},       {C::Edit, 213, "", 30, false, 100},
    {C::Static, -1, "data", 10, true},        {C::Edit, 214, "", 30, false, 100},
    {C::Static, -1, "e-mail", 10, true},      {C::Edit, 215, "", 30, false, 100},
    {C::Static, -1, "homepage", 10, true},    {C::Edit, 216, "", 30, false, 100},
    {C::Button, 1, "adicionar", 0, true},     {C::Button, 3, "remover"},
    {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kAskPassword[] = {
    {C::Static, -1, "senha", 10, true}, {C::Edit, 211, "", 24, false, 100, true},
    {C::Button, 1, "ok", 0, true},      {C::Button, 2, "cancelar"},
};

constexpr ControlTemplate kTableRange[] = {
    {C::Static, -1, "primeiro", 10, true}, {C::Edit, 211, "", 16, false, 60},
    {C::Static, -1, "último", 10, true},   {C::Edit, 212, "", 16, false, 60},
    {C::Static, -1, "passos", 10, true},   {C::Edit, 213, "", 16, false, 30},
    {C::Button, 1, "ok", 0, true},         {C::Button, 2, "cancelar"},
};

constexpr DialogTemplate kDialogs[] = {
    {"PRNSPX0", "margens do texto", kPrintOffsets},
    {"SETPW", "proteção", kSetPassword},
    {"ASKPW", "autorização", kAskPassword},
    {"TABLELOHI", "tabela", kTableRange},
};

} // namespace

ResourceTable TextResources() { return {kMenus, kAccelerators, kDialogs}; }

} // namespace korvane::res
