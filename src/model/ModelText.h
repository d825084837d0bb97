// Every text the engine and the model produce for a person to read, identified in one table
// (ModelText.cpp) by its English source text. A front-end hands the model its translation
// function once at start; until then, and under English, every text is the source text.
// The table's texts are in the translation context "Veltrona".
#pragma once

#include <initializer_list>
#include <span>
#include <string>

namespace ModelText {

// Translates one of the table's English texts (never called with any other).
using TTranslate = std::string (*)(const char* English);

// Installs the front-end's translation for the model's and the engine's texts.
void SetTranslate(TTranslate Translate);

// The translation of English, or English itself when no translation is installed.
std::string Tr(const char* English);

// English with each "%1", "%2" ... replaced by the given texts, as Qt's arg() does.
std::string Arg(std::string Text, std::initializer_list<std::string> Values);

// Every source text of the table, for the tests.
std::span<const char* const> Texts();

}  // namespace ModelText
