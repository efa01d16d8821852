#pragma once
// Drawing primitives shared by the sketches and the printed report: dimension line,
// arrow, leader label, rotated text, lowered and raised index text. Texts are UTF-8;
// pen and font colours are the caller's.

#include "canvas/Canvas.h"

#include <string>
#include <vector>

namespace vsk {

// Dimension line between p1 and p2, both moved by offset, with end marks of +-markLen/4,
// 45-degree ticks of +-markLen/8 and the text (with its index) centred on it; vertical
// dimensions carry their text turned to read upward. Font Arial 8 pt, regular; pen solid
// with the given width.
void ZeichneBemassung(Canvas& c, Punkt p1, Punkt p2, int markLen, bool senkrecht,
                      const std::string& index, const std::string& text, Punkt offset,
                      int linienbreite);

// Arrow from `von` to `nach` with an outlined triangular head of half width head.x and
// length head.y, and a text beside its shaft. A horizontal arrow whose points coincide
// has no direction and draws nothing.
void ZeichnePfeil(Canvas& c, Punkt von, Punkt nach, bool senkrecht, const std::string& index,
                  const std::string& text, Punkt head, int linienbreite);

// Leader line through the points with the label text1 (Arial), text2 (Symbol), text3
// (Arial) centred above its last segment. Fewer than one point draws nothing.
void ZeichneHinweis(Canvas& c, const std::vector<Punkt>& punkte, const std::string& text1,
                    const std::string& text2, const std::string& text3);

// Text at (x, y) turned counter-clockwise by winkel tenths of a degree; the font's own
// escapement is restored afterwards.
void TextGedreht(Canvas& c, int x, int y, const std::string& text, int winkel);

// Lowered and raised index text at three quarters of the font size; both return x plus
// the width of the text drawn.
int TextTief(Canvas& c, int x, int y, const std::string& text);
int TextHoch(Canvas& c, int x, int y, const std::string& text);

// Text followed by its lowered index; returns the x where the index ends.
int TextMitIndex(Canvas& c, int x, int y, const std::string& index, const std::string& text);

} // namespace vsk
