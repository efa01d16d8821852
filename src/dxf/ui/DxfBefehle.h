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

enum class DxfExportArt { Anzeigen, Speichern };

// Builds the drawing of the position's selected type TAktDorn into a fresh display
// window, then shows the window modally (Anzeigen) or runs its save command
// (Speichern). wahl replaces the save dialog when given. False when a save was
// cancelled or failed.
bool ExportiereBewehrung(Plattform& plattform, const TKAnwendung& position, DxfExportArt art,
                         QWidget* eltern, TDXF_Anzeige_Form::DateiWahl wahl = {});

// The chosen file and the file type (0 DXF, 1 DWG) of the save dialog.
struct DornDateiWahl {
    QString name;
    int filter = 0;
};
using DornDateiDialog =
    std::function<std::optional<DornDateiWahl>(QWidget* eltern, const QString& vorschlag)>;

// "DXF Export - &Connector": asks for the target (the type designation proposed), then
// copies the type's three drawings from the "CAD files" folder of the program folder;
// missing drawings are reported once. dialog replaces the save dialog when given.
void ExportiereDornZeichnungen(Plattform& plattform, const std::filesystem::path& programmOrdner,
                               int typ, QWidget* eltern, DornDateiDialog dialog = {});

} // namespace vsk
