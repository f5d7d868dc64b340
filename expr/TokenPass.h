#pragma once
// The token steps of the compiler (11 to 17): from the rewritten text to a checked
// array of tokens, each returning 0 or a result code.
#include <string>
#include <vector>

#include "expr/FormulaToken.h"

namespace korvane {

class CharacterClasses;

using TokenList = std::vector<FormulaToken>;

int MakeTokens(const std::string& text, const CharacterClasses& classes, TokenList& tokens);
int ReplaceNamedConstants(TokenList& tokens);
int MergeNumbers(TokenList& tokens, const CharacterClasses& classes);
int RewriteFactorials(TokenList& tokens);
int AttributeCommas(TokenList& tokens, const CharacterClasses& classes);
int CheckSyntax(TokenList& tokens, const CharacterClasses& classes);
void UnwrapSingleToken(TokenList& tokens);

} // namespace korvane
