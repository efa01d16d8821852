#pragma once
// Text written for the "Symbol" font is in that font's own code page: Latin letters
// stand for Greek ones (g gamma, h eta, ...) and some Latin-1 codes for mathematical
// signs (0xA3 less-or-equal, 0xB3 greater-or-equal, ...). Canvases without that font
// draw the Unicode equivalent instead.

#include <string>

namespace vsk {

// Translates Symbol-encoded text to UTF-8. The input may be UTF-8 (a "£" typed in the
// source) or single Latin-1 bytes ("\xA3"); both mean the same code. Codes without a
// different meaning in the Symbol page are kept.
std::string SymbolNachUnicode(const std::string& text);

} // namespace vsk
