#pragma once
// The part of a sketch the zoom window shows. The sketch is drawn into a rectangle that
// is the picture enlarged by a factor and moved by an offset, so that it is drawn anew
// for every view (texts keep their size, lines stay sharp). Zooming about a point keeps
// the model point under it where it was; dragging moves the rectangle; fitting shows the
// whole sketch in the picture again.

#include "canvas/Canvas.h"
#include "sketches/Zeichenkontext.h"

#include <functional>

namespace vsk {

// Where a sketch drawn into a rectangle puts its model: a model length l (mm) from the
// reference point lies l * massstab pixels from it.
struct Skizzenlage {
    bool gueltig = false;
    double x0 = 0;
    double y0 = 0;
    double massstab = 0; // pixels per millimetre
};

// The lage of sketch kind art drawn into the rectangle (DatenBerechnen's reference point
// and scale).
Skizzenlage LageDerSkizze(Canvas& c, const Rechteck& r, int art, const Zeichenkontext& k);

class Skizzenausschnitt {
public:
    using Lagefinder = std::function<Skizzenlage(const Rechteck&)>;

    // The largest enlargement; beyond it a connector's bars fill the window.
    static constexpr double GroessterFaktor = 32;

    // The picture's size in pixels; the factor and the offset stay.
    void SetzeGroesse(int breite, int hoehe);
    // The rectangle the sketch is drawn into.
    Rechteck Zeichenrechteck() const;
    double Faktor() const { return faktor_; }
    bool Eingepasst() const { return faktor_ == 1 && dx_ == 0 && dy_ == 0; }

    // Multiplies the factor by f about the picture point (x, y): the model point under
    // it stays there (to the pixel). A factor of 1 or less fits; the factor never exceeds
    // GroessterFaktor. lage tells where the sketch puts its model in a rectangle.
    void ZoomUm(int x, int y, double f, const Lagefinder& lage);
    // Moves the sketch by the pixels.
    void Verschiebe(int dx, int dy);
    // The whole sketch in the picture.
    void Einpassen();

private:
    int breite_ = 0;
    int hoehe_ = 0;
    double faktor_ = 1;
    int dx_ = 0;
    int dy_ = 0;
};

} // namespace vsk
