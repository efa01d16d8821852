#pragma once
// Draws the entities of a DXF drawing with a painter through the zoom panel's mapping,
// each in its screen colour: lines, circle outlines, arcs (counter-clockwise in drawing
// coordinates, so a 0 to 90 degree arc is the quarter above and right of its centre) and
// texts on their baseline, turned by their rotation.

#include "dxf/DxfEntitaeten.h"
#include "dxf/DxfObjekt.h"

class QPainter;

namespace vsk {

class ZoomAbbildung;

class DxfBildZeichner final : public DxfZeichner {
public:
    // Sets font "Arial", a black pen of width 1 and a clear brush.
    DxfBildZeichner(QPainter& maler, const ZoomAbbildung& abbildung);

    void Zeichne(const Line_& linie) override;
    void Zeichne(const Circle_& kreis) override;
    void Zeichne(const Arc_& bogen) override;
    void Zeichne(const Text_& text) override;

private:
    void Stift(int bildschirmFarbe);

    QPainter& maler_;
    const ZoomAbbildung& abbildung_;
};

// Every entity of every layer, layers and lists in order.
void ZeichneDxf(QPainter& maler, const ZoomAbbildung& abbildung, const DXF_Object& objekt);

} // namespace vsk
