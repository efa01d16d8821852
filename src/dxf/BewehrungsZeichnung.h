#pragma once
// The DXF drawing of the reinforcement detail of one position: title, plan view, view
// and section of the selected connector type with its concrete member, the bars of
// positions B and D, dimensions and labels, in model millimetres on layer "0".

#include "design/Bewehrungsgeometrie.h"
#include "dxf/DxfObjekt.h"
#include "katalog/Katalog.h"

namespace vsk {

class TKAnwendung;

// Adds the drawing to layer "0" of the object. Numbers in dimension texts use the
// given decimal separator.
void ZeichneBewehrung(DXF_Object& objekt, const BewehrungsAngaben& angaben, char trenner);

// How the export hands the drawing on: show it in the display window (the user may save
// from there), or run the window's save command directly.
enum class DxfExportModus { Zeigen, Speichern };

// What the export needs of the DXF display window, which owns the drawing.
class DxfAnzeige {
public:
    virtual ~DxfAnzeige() = default;
    virtual DXF_Object& Zeichnung() = 0;
    virtual void Zeigen() = 0;    // modal
    virtual void Speichern() = 0; // the save command (dialog, then SaveToFile)
};

// Fills the window's drawing with the reinforcement drawing of the position and shows or
// saves it.
void ExportiereBewehrung(const TKAnwendung& position, char trenner, DxfExportModus modus,
                         DxfAnzeige& anzeige);

} // namespace vsk
