#pragma once
// Items of the "&Arquivo" menus that the document and picture windows share, for the tables
// of resources/ (which use `K` for MenuItem::Kind).

#define KV_SAVE_ITEMS \
    {K::Command, "&Abrir ...\tCtrl+A", 24302}, \
    {K::Command, "&Salvar\tCtrl+S", 24303}, \
    {K::Command, "Salvar &como ...\tCtrl+Shift+S", 24304}

#define KV_NOTEBOOK_AND_LOCK_ITEMS \
    {K::Command, "Ca&derno ...", 75}, \
    {K::Command, "Sen&ha ...", 76}, \
    {K::Command, "A&utor ...", 77}

// Export and printing; a window with documents adds "Simul Imp&rimir" (307) after these.
#define KV_PICTURE_OUTPUT_ITEMS \
    {K::Command, "Arquivo PiCTe&X ...", 70}, \
    {K::Command, "Arquivo Ti&kZ ...", 78}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Imprimir ...\tCtrl+P", 303}, \
    {K::Command, "&Visualizar impressão ...", 308}, \
    {K::Command, "&Formatar ...\tCtrl+Shift+P", 304}

#define KV_PICTURE_COPY_ITEMS \
    {K::Command, "S&elecionar impressora ...", 93}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "C&opiar", 311}, \
    {K::Command, "Copiar &bitmap", 310}, \
    {K::Command, "Co&r de fundo", 221}, \
    {K::Command, "&Tamanho da imagem ...", 90}

// The whole "&Arquivo" menu of a window that only shows a picture.
#define KV_PICTURE_FILE_POPUP \
    {K::Popup, "&Arquivo", 0}, \
    KV_PICTURE_OUTPUT_ITEMS, \
    KV_PICTURE_COPY_ITEMS, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Fechar", 24310}, \
    {K::End, nullptr, 0}
