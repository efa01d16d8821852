#pragma once
// Translation hook of the core. Every user-visible text of the core is written as
//   vsk::text("Context", "English source text")
// with two string literals, so that Qt's lupdate extracts them
// (lupdate -tr-function-alias translate+=text). The program installs a translator
// that looks the text up in the loaded language module; without one the source text
// is returned.

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace vsk {

using Uebersetzer = std::function<std::string(const char* kontext, const char* quelle)>;

// Installs the translator used by text(); an empty function restores the built-in texts.
void SetzeUebersetzer(Uebersetzer uebersetzer);

std::string text(const char* kontext, const char* quelle);

// A text in every installed language, the built-in English first: for words that project
// files store in the language they were written in, so that a file keeps its meaning when
// it is opened in another language. The program installs the lookup; without one the list
// holds the English and the current text.
using Sprachensammler =
    std::function<std::vector<std::string>(const char* kontext, const char* quelle)>;
void SetzeSprachensammler(Sprachensammler sammler);
std::vector<std::string> textInAllenSprachen(const char* kontext, const char* quelle);

// The text with its ASCII letters in lower case (names of units, types and languages typed
// in any case).
std::string Kleinbuchstaben(std::string text);

// Replaces the first "%s" of a message pattern.
std::string ErsetzeProzentS(const std::string& muster, const std::string& wert);
// Replaces the pattern's "%s" in order by the values, in one pass: a value that holds "%s"
// itself (a name the user typed) is inserted as it is.
std::string ErsetzeProzentS(const std::string& muster, std::initializer_list<std::string> werte);

} // namespace vsk
