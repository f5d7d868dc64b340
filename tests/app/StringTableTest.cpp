// The numbered string table: looked up by binary search, so its order matters; and the
// texts are the program's own, so a sample is pinned word for word.
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace korvane::res {
namespace {

TEST(StringTable, IdsStrictlyAscending) {
    const auto table = StringTable();
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 1; i < table.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i) + " id " + std::to_string(table[i].id));
        EXPECT_LT(table[i - 1].id, table[i].id);
    }
}

TEST(StringTable, EveryEntryFoundByLookup) {
    for (const StringEntry& e : StringTable()) {
        SCOPED_TRACE(e.id);
        ASSERT_NE(String(e.id), nullptr);
        EXPECT_STREQ(String(e.id), e.text);
    }
}

// Texts quoted by the parts of the program that use them (window titles and status texts
// are pinned by ShellTest and GraphWindowTest).
TEST(StringTable, QuotedTexts) {
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {
        {0, "cor de fundo"},
        {5, "entrada"},
        {13, "sobreescrever o arquivo existente?"},
        {64, "Arquivo de Texto (*.TXT)|*.txt"},
        {100, "curva de nível"},
        {113, "y=x (web)"},
        {122, "lado direito"},
        {124, " slides feitos fora de "},
        {175, "(esquerdo,direito,valor,subint)"},
        {334, "barras ligadas"},
        {401, "não foi possível compreender"},
        {411, "não é possível abrir arquivo"},
        {421, "arquivo ini ruim"},
        {430, "não confere"},
        {508, "parenteses descasados"},
        {544, "a ... z somente"},
        {610, "barra de espaço para avançar, Q para sair"},
        {999, "PLOTICON"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const char* text = String(row.id);
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, row.text);
    }
}

TEST(StringTable, MissingIdsGiveNull) {
    for (int id : {-1, 1, 7, 123, 403, 545, 611, 614, 1000}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(String(id), nullptr);
    }
}

TEST(StringTable, MessageIsString400PlusCode) {
    EXPECT_EQ(Message(11), "não é possível abrir arquivo");
    EXPECT_EQ(Message(116), "demasiadas");
    EXPECT_EQ(Message(3), "erro 3");
}

// A command id is one command: within a menu every item with that id reads the same (the
// space window's "Arquivo TikZ" once carried the id of "Senha").
TEST(Menus, OneIdOneCommand) {
    for (const char* name : {"PLOT2MENU", "PLOT3MENU", "GUESSMENU", "DOM2MENU", "RAN2MENU", "TEXTMENU", "TABLEMENU",
                             "PLOTMENU", "COLWMENU", "LEVELMENU"}) {
        ASSERT_FALSE(Menu(name).empty()) << name;
        std::map<int, std::string> texts;
        for (const MenuItem& item : Menu(name)) {
            if (item.kind != MenuItem::Command)
                continue;
            const std::string text = std::string(item.text).substr(0, std::string(item.text).find('\t'));
            const auto [at, added] = texts.emplace(item.id, text);
            EXPECT_TRUE(added || at->second == text) << name << " " << item.id << ": " << at->second << ", " << text;
        }
    }
}

} // namespace
} // namespace korvane::res
