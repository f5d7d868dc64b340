#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

using C = ControlTemplate;

constexpr DialogTemplate kDialogs[] = {
    {"", "", {}},
};

} // namespace

ResourceTable EquationResources() { return {{}, {}, std::span(kDialogs).first(0)}; }

} // namespace korvane::res
