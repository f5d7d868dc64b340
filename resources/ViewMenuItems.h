#pragma once
// The "&Ver" menu's items that the plane, game and mapper windows share, for the tables of
// resources/ (which use `K` for MenuItem::Kind).

#define KV_VIEW_COMMANDS \
    {K::Command, "&Ver ...\tCtrl+V", 104}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Afastar\tPgDn", 106}, \
    {K::Command, "A&proximar\tPgUp", 107}, \
    {K::Command, "&Fator ...", 108}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Esquerda\t\u2190", 322}, \
    {K::Command, "&Direita\t\u2192", 323}, \
    {K::Command, "Para &baixo\t\u2193", 324}, \
    {K::Command, "Para &cima\t\u2191", 325}, \
    {K::Command, "&Passo ...", 321}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Janela anterior\tCtrl+L", 111}, \
    {K::Command, "&Quadrado\tCtrl+Q", 117}, \
    {K::Command, "&Restaurar\tCtrl+R", 103}
