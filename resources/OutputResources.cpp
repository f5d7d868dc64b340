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

constexpr DialogTemplate kDialogs[] = {
    {"PICTEX", "PiCTeX setup", kPicTeX},
};

} // namespace

ResourceTable OutputResources() { return {{}, {}, kDialogs}; }

} // namespace korvane::res
