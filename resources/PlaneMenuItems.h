#pragma once
// Menu items that the plane window and the mapper's domain share, for the tables of
// resources/ (which use `K` for MenuItem::Kind).

// The popups "&Um" and "&Dois": the analysis tools and the initial-value dialogs.
#define KV_PLANE_TOOL_MENUS \
    {K::Popup, "&Um", 0}, \
    {K::Command, "&Zeros ...", 707}, \
    {K::Command, "&Extremos ...", 709}, \
    {K::Popup, "&Medidas", 0}, \
    {K::Command, "&Integrar ...\tF7", 721}, \
    {K::Command, "&Comprimento do arco ...", 711}, \
    {K::Command, "&Área do setor ...", 712}, \
    {K::Command, "&Volume de revolução ...", 713}, \
    {K::Command, "&Superfície de revolução ...", 714}, \
    {K::End, nullptr, 0}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Indefinido ...", 916}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "Trajetória dy/d&x ...", 930}, \
    {K::Command, "Trajetória dy/d&t ...", 931}, \
    {K::Command, "&Sequências ...", 932}, \
    {K::End, nullptr, 0}, \
    {K::Popup, "&Dois", 0}, \
    {K::Command, "&Interseções ...", 710}, \
    {K::Command, "I&ntegrações ...", 722}, \
    {K::End, nullptr, 0}
