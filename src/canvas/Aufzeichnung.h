#pragma once
// A canvas that records every operation together with the pen, brush and font in force,
// for tests. Text metrics follow a simple deterministic rule so that expected geometry
// can be computed by hand:
//   p = SchriftPixel(size, dpi)  (dpi 96 unless given: 10 pt = 13 px, 12 pt = 16 px)
//   TextWidth  = number of characters (UTF-8 code points) * p / 2, truncated
//   TextHeight = p + p / 5, truncated, independent of the text
// The recording canvas ignores clipping for drawing but records the call.

#include "canvas/Canvas.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vsk {

enum class Operation {
    FillRect,
    Rectangle,
    Ellipse,
    RoundRect,
    Arc,
    Linie,
    TextOut,
    StretchDraw,
    SetClipRect,
};

struct Aufgezeichnet {
    Operation op;
    // Coordinates as passed: rectangles x1, y1, x2, y2 (RoundRect adds ew, eh; Arc adds
    // x3, y3, x4, y4); a line from (x1, y1) to (x2, y2); TextOut x, y. SetClipRect with
    // no rectangle has no coordinates.
    std::vector<int> k;
    std::string text; // TextOut text, StretchDraw bitmap name
    Stift stift;
    Pinsel pinsel;
    Schrift schrift;
};

class Aufzeichnung final : public Canvas {
public:
    explicit Aufzeichnung(int dpi = 96) : dpi_(dpi) {}

    std::vector<Aufgezeichnet> ops;

    // The recorded operations of one kind, in order.
    std::vector<Aufgezeichnet> Nur(Operation op) const;
    std::size_t Anzahl(Operation op) const;
    void Leeren() { ops.clear(); }

    void FillRect(const Rechteck& r) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void StretchDraw(const Rechteck& r, const std::string& bildname) override;
    void SetClipRect(const std::optional<Rechteck>& r) override;
    int PixelsPerInchX() const override { return dpi_; }
    int PixelsPerInchY() const override { return dpi_; }

protected:
    void Linie(Punkt von, Punkt bis) override;

private:
    void Merke(Operation op, std::vector<int> k, std::string text = {});
    int dpi_;
};

} // namespace vsk
