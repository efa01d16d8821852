#pragma once
// Index and raised text of the drawing primitives.
// TODO(reports): replace by the sketch primitives' header once it is on main.

#include "canvas/Canvas.h"

#include <string>

namespace vsk {

// Lowered index text at a quarter smaller size; returns x plus its width.
int TextTief(Canvas& canvas, int x, int y, const std::string& text);
// Raised text at a quarter smaller size; returns x plus its width.
int TextHoch(Canvas& canvas, int x, int y, const std::string& text);
// Text followed by its lowered index.
void TextMitIndex(Canvas& canvas, int x, int y, const std::string& index, const std::string& text);

} // namespace vsk
