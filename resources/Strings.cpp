#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace korvane::res {

namespace {

// Sorted by id. 400 + c is the message of result code c; 600 + c the status texts of
// long drawings.
constexpr StringEntry kStrings[] = {
    {0, "cor de fundo"},
    {2, "cuidado!"},
    {3, "hifen longo"},
    {4, "valor ASCII do novo sinal menos"},
    {5, "entrada"},
    {6, "procurar por"},
    {8, "P&rocurar (F1): digite a palavra e confirme com ok."},
    {9, "Siguie&nte (F3): procura a mesma palavra outra vez, a partir do cursor."},
    {10, "A busca começa no cursor e vai até o fim do texto."},
    {11, "Maiúsculas e minúsculas não se distinguem; partes de palavras também servem."},
    {12, "procurando"},
    {13, "sobreescrever o arquivo existente?"},
    {15, "espessura impressora"},
    {16, "espessura tela"},
    {17, "fator de dilatação"},
    {18, "porcentagem de deslocamento"},
    {22, "número de arquivos"},
    {23, "impressão simultânea"},
    {25, "ajuda.txt"},
    {26, "tamanho do desenho"},
    {27, "espessura (cm)"},
    {28, "altura (cm)"},
    {29, "semnome"},
    {30, "preto"},
    {31, "branco"},
    {32, "magenta"},
    {33, "amarelo"},
    {34, "vermelho"},
    {35, "kiwi"},
    {36, "azul real"},
    {37, "verde escuro"},
    {38, "abóbora"},
    {39, "rosa choque"},
    {40, "vinho"},
    {41, "ciano"},
    {42, "areia"},
    {43, "roxo"},
    {44, "verde limão"},
    {45, "salmão"},
    {46, "oliva"},
    {47, "azul"},
    {48, "cinza1"},
    {49, "cinza2"},
    {50, "cinza3"},
    {51, "cinza4"},
    {52, "cinza5"},
    {53, "cinza6"},
    {54, "vermelho escuro"},
    {64, "Arquivo de Texto (*.TXT)|*.txt"},
    {88, "success"},
    {89, "PiCTeX file saved"},
    {91, "linhas pontilhadas"},
    {93, "caderno"},
    {95, "autor"},
    {100, "curva de nível"},
    {101, "termos"},
    {102, "cursor"},
    {103, "box"},
    {104, "eixo"},
    {105, "grade x"},
    {106, "grade y"},
    {107, "sombreamento 1"},
    {108, "sombreamento 2"},
    {109, "curva"},
    {110, "campo"},
    {111, "linhas de grade"},
    {112, "seta"},
    {113, "y=x (web)"},
    {114, "escala dos eixos"},
    {115, "equações"},
    {116, "janela de texto"},
    {117, "nomes dos eixos"},
    {118, "tabela"},
    {119, "box lista"},
    {120, "coordenadas"},
    {121, "lado esquerdo"},
    {122, "lado direito"},
    {124, " slides feitos fora de "},
    {125, "adivinha"},
    {126, "assíntotas"},
    {156, "domínio"},
    {157, "contradomínio"},
    {175, "(esquerdo,direito,valor,subint)"},
    {182, "interceptar x"},
    {184, "extremo"},
    {192, "cursor"},
    {194, "integração"},
    {205, "adivinhe minha equação"},
    {213, "resposta"},
    {240, "explícita"},
    {241, "polar"},
    {242, "paramétrica"},
    {243, "implícita"},
    {244, "segmento"},
    {245, "indefinido"},
    {246, "ciclóide"},
    {247, "reta"},
    {248, "tamanhos"},
    {249, "dx/dt"},
    {250, "dy/dx"},
    {251, "recursiva"},
    {320, "símbolo pi"},
    {321, "usa valores ASCII"},
    {334, "barras ligadas"},
    {401, "não foi possível compreender"},
    {402, "não foi possível achar"},
    {404, "não há mais espaço"},
    {406, "dados inconsistentes"},
    {409, "nada a fazer"},
    {411, "não é possível abrir arquivo"},
    {412, "não é possível salvar arquivo"},
    {414, "valor positivo?"},
    {415, "caractere que o documento não pode guardar"},
    {417, "fora dos limites"},
    {418, "passo pequeno demais: seriam precisos mais de 10 000 000 passos"},
    {421, "arquivo ini ruim"},
    {422, "imagem perdida ao fechar janela"},
    {423, "selecione dois"},
    {424, "faltam dados"},
    {425, "precisa ao menos"},
    {427, "não autorizado"},
    {428, "não protegido"},
    {429, "protegido"},
    {430, "não confere"},
    {501, "excesso de argumentos"},
    {508, "parenteses descasados"},
    {512, "faltam ="},
    {514, "encontrado vetor nulo"},
    {516, "demasiadas"},
    {517, "não é possível derivar"},
    {522, "nome duplicado"},
    {540, "sem ocorrências de X"},
    {541, "sem ocorrências de Y"},
    {542, "perfeito!"},
    {543, "tentativa outra vez?"},
    {544, "a ... z somente"},
    {601, "pressione S para sair"},
    {602, "ocupado --- favor aguardar"},
    {603, "S=sair L=lento R=rápido"},
    {604, "S=sair P=pausa F=terminar"},
    {605, "S=sair P=pausa R=rápido L=lento"},
    {606, "preparando slides -- favor aguardar"},
    {607, "slide # "},
    {608, "pressione qualquer tecla"},
    {609, "S=parar, F=terminar, P=próximo"},
    {610, "barra de espaço para avançar, Q para sair"},
    {999, "PLOTICON"},
};

constexpr bool StrictlyAscending() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i)
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    return true;
}
static_assert(StrictlyAscending(), "String() looks ids up by binary search");

} // namespace

std::span<const StringEntry> StringTable() { return kStrings; }

const char* String(int id) {
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const StringEntry& e, int key) { return e.id < key; });
    return it != std::end(kStrings) && it->id == id ? it->text : nullptr;
}

std::string Message(int code) {
    if (const char* text = String(400 + code))
        return text;
    return "erro " + std::to_string(code);
}

} // namespace korvane::res
