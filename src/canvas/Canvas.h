#pragma once
// The drawing surface of the core. Integer device pixels, origin top left, y downward.
// A canvas carries a current pen, brush and font (public fields, changed by the caller
// and read by every operation) and a current pen position for MoveTo/LineTo.
//
// Conventions (those of the classic GDI canvas the drawing code is written against):
// - Rectangles are given by two corners in any order; the covered area runs from the
//   smaller to the larger coordinate, the larger one excluded. A rectangle of zero width
//   or height draws nothing.
// - Rectangle, Ellipse and RoundRect fill with the brush (unless it is clear) and outline
//   with the pen. FillRect uses the brush only. Arc and lines use the pen only.
// - Arc runs counter-clockwise (as seen on the screen) from the ray through the start
//   point to the ray through the end point; equal rays draw the whole ellipse.
// - TextOut puts the top-left corner of the text cell at (x, y); the cell is turned
//   counter-clockwise about that corner by the font's escapement. The text background
//   is filled with the brush colour unless the brush is clear.
// - Font sizes are points; the canvas converts them with its own resolution.

#include "canvas/Farbe.h"

#include <optional>
#include <string>

namespace vsk {

struct Punkt {
    int x = 0;
    int y = 0;
    friend bool operator==(const Punkt&, const Punkt&) = default;
};

struct Rechteck {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rechteck&, const Rechteck&) = default;
};

enum class Stiftart { Durchgezogen, Gepunktet };
enum class Pinselart { Voll, Leer };

// Font style bits.
enum Schriftstil : int { Normal = 0, Fett = 1, Kursiv = 2, Unterstrichen = 4 };

struct Stift {
    Farbe farbe = 0;
    int breite = 1; // pixels; 0 draws as 1
    Stiftart art = Stiftart::Durchgezogen;
    friend bool operator==(const Stift&, const Stift&) = default;
};

struct Pinsel {
    Farbe farbe = 0xFFFFFF;
    Pinselart art = Pinselart::Voll;
    friend bool operator==(const Pinsel&, const Pinsel&) = default;
};

struct Schrift {
    // "Arial" and "Symbol" are the names the drawing code uses; "Symbol" text is written
    // in that font's code page (g gamma, h eta, \xA3 less-or-equal, ...).
    std::string name = "Arial";
    int groesse = 10; // points
    int stil = Normal;
    Farbe farbe = 0;
    int winkel = 0; // escapement, tenths of a degree, counter-clockwise
    friend bool operator==(const Schrift&, const Schrift&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    Stift stift;
    Pinsel pinsel;
    Schrift schrift;

    virtual void FillRect(const Rechteck& r) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Corners are quarter ellipses of width ew and height eh.
    virtual void RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) = 0;
    // Ellipse in the box (x1, y1)-(x2, y2); from the ray to (x3, y3) to the ray to (x4, y4).
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;

    void MoveTo(int x, int y) { position_ = {x, y}; }
    // Line from the pen position to (x, y), which becomes the new pen position.
    void LineTo(int x, int y) {
        Linie(position_, {x, y});
        position_ = {x, y};
    }
    Punkt PenPos() const { return position_; }

    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Advance width and cell height of the text in the current font.
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    // A named bitmap of the program's pictures, stretched into r.
    virtual void StretchDraw(const Rechteck& r, const std::string& bildname) = 0;

    // Drawing outside r is suppressed; an empty optional removes the clipping.
    virtual void SetClipRect(const std::optional<Rechteck>& r) = 0;

    // Device resolution in dots per inch, the scale of point sizes.
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;

protected:
    virtual void Linie(Punkt von, Punkt bis) = 0;

private:
    Punkt position_;
};

// Pixel size of a font of the given point size at dpi: round(punkte * dpi / 72),
// halves away from zero, as the font mapper does it.
int SchriftPixel(int punkte, int dpi);

} // namespace vsk
