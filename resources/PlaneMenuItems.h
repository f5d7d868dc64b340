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

// The popup "A&nim": the letters' sliders and how they animate.
#define KV_ANIM_MENU \
    {K::Popup, "A&nim", 0}, \
    KV_LETTER_SLIDER_ITEMS, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&1=Unidades da barra ...", 1169}, \
    {K::Command, "&2=Simultânea ...", 627}, \
    {K::Command, "&0=Janela ligada ...", 874}, \
    {K::End, nullptr, 0}

// The sliders of A..W and of the symbol parameter.
#define KV_LETTER_SLIDER_ITEMS \
    {K::Command, "&A ...", 601}, \
    {K::Command, "&B ...", 602}, \
    {K::Command, "&C ...", 603}, \
    {K::Command, "&D ...", 604}, \
    {K::Command, "&E ...", 605}, \
    {K::Command, "&F ...", 606}, \
    {K::Command, "&G ...", 607}, \
    {K::Command, "&H ...", 608}, \
    {K::Command, "&I ...", 609}, \
    {K::Command, "&J ...", 610}, \
    {K::Command, "&K ...", 611}, \
    {K::Command, "&L ...", 612}, \
    {K::Command, "&M ...", 613}, \
    {K::Command, "&N ...", 614}, \
    {K::Command, "&O ...", 615}, \
    {K::Command, "&P ...", 616}, \
    {K::Command, "&Q ...", 617}, \
    {K::Command, "&R ...", 618}, \
    {K::Command, "&S ...", 619}, \
    {K::Command, "&T ...", 620}, \
    {K::Command, "&U ...", 621}, \
    {K::Command, "&V ...", 622}, \
    {K::Command, "&W ...", 623}, \
    {K::Command, "@ ...", 600}

// The popups "&Eixos" and "&Misc" of the plane window and the mapper's domain; `help` is
// the text of command 360, the window's own help page.
#define KV_PLANE_LOOK_MENUS(help) \
    {K::Popup, "&Eixos", 0}, \
    {K::Command, "&Eixos\tCtrl+E", 109}, \
    {K::Command, "&Grade ...\tCtrl+G", 320}, \
    {K::Command, "&Setas sólidas", 110}, \
    {K::Command, "&Nome ...", 102}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "Símbolo &pi ...", 73}, \
    {K::Command, "&Sinal menos ...", 92}, \
    {K::Command, "&Opaco", 220}, \
    {K::End, nullptr, 0}, \
    {K::Popup, "&Misc", 0}, \
    {K::Popup, "&Cores", 0}, \
    {K::Command, "&Fundo ...", 200}, \
    {K::Command, "&Eixos ...", 203}, \
    {K::Command, "&Linhas de grade ...", 210}, \
    {K::End, nullptr, 0}, \
    {K::Popup, "Espessura dos &eixos", 0}, \
    {K::Command, "Espessura &tela ...", 100}, \
    {K::Command, "Espessura &impressora ...", 101}, \
    {K::End, nullptr, 0}, \
    {K::Popup, "Espessura da &grade", 0}, \
    {K::Command, "Espessura &tela ...", 150}, \
    {K::Command, "Espessura &impressora ...", 151}, \
    {K::End, nullptr, 0}, \
    {K::Command, "&Fonte ...", 61}, \
    {K::Command, "Deci&mais ...", 105}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "Linhas &pontilhadas", 71}, \
    {K::Command, "C&or ...", 72}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Usar padrão ...", 49}, \
    {K::Separator, nullptr, 0}, \
    {K::Command, "&Funções ...", 506}, \
    {K::Command, "Ajuda da &linguagem ...", 505}, \
    {K::Command, help, 360}, \
    {K::Command, "Re&desenhar\tF5", 923}, \
    {K::Command, "&Conectar pontos", 702}, \
    {K::Popup, "T&olerância", 0}, \
    {K::Command, "&Vetor Nulo ...", 732}, \
    {K::Command, "&Terminar repetição ...", 733}, \
    {K::Command, "Ângulos &Abruptos", 734}, \
    {K::Command, "&Inclinação infinita", 790}, \
    {K::Command, "Rede&senhar implícitas", 810}, \
    {K::Command, "Sombrear i&mplícitas ...", 769}, \
    {K::End, nullptr, 0}, \
    {K::End, nullptr, 0}
