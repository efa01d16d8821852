#pragma once
// The main window's DXF commands: the reinforcement drawing of the current position,
// shown in the display window or saved directly, and the copy of the selected type's
// prepared CAD drawings to a place the user chooses.

#include "dxf/ui/DxfAnzeigeForm.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>

class QWidget;

namespace vsk {

class Plattform;
class TKAnwendung;

// "DXF Export - &Reinforcement" (modus Speichern) and the sketch pop-up "DXF-Export"
// (modus Zeigen): the drawing of the position's selected type TAktDorn in a fresh display
// window, which is shown modally or whose save command runs at once. wahl replaces the
// save dialog when given. False when a save was cancelled or failed.
bool BefehlDxfBewehrung(Plattform& plattform, const TKAnwendung& position, DxfExportModus modus,
                        QWidget* eltern, TDXF_Anzeige_Form::DateiWahl wahl = {});

// The chosen file and the file type (0 DXF, 1 DWG) of the save dialog.
struct DornDateiWahl {
    QString name;
    int filter = 0;
};
// The save dialog; mitDwg: the DWG type is offered besides DXF.
using DornDateiDialog = std::function<std::optional<DornDateiWahl>(
    QWidget* eltern, const QString& vorschlag, bool mitDwg)>;

// "DXF Export - &Connector": asks for the target (the type designation proposed; DWG
// offered only when the type's DWG drawings are there), then copies the type's three
// drawings from the "CAD files" folder of the program folder; missing drawings are
// reported once. dialog replaces the save dialog when given.
void BefehlDxfDorn(Plattform& plattform, const std::filesystem::path& programmOrdner, int typ,
                   QWidget* eltern, DornDateiDialog dialog = {});

} // namespace vsk
