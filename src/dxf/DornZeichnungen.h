#pragma once
// The prepared CAD drawings of the connector types ("CAD files" beside the program):
// three drawings per type of the connector alone, and the copy of a type's drawings to
// a place the user chose.

#include "dxf/DxfObjekt.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vsk {

class Plattform;
class TKDornDaten;

inline constexpr const char* CadOrdnerName = "CAD files";

enum class DornAnsicht { Grundriss, Seite, Stirn };
inline constexpr DornAnsicht AlleDornAnsichten[] = {DornAnsicht::Grundriss, DornAnsicht::Seite,
                                                    DornAnsicht::Stirn};

// The part of a drawing's file name between designation and extension
// (" Plan View Block.", " Side View Block.", " End View Block.").
const char* DornTeil(DornAnsicht ansicht);

// Draws the connector of the record on layer "0": the plan view from above, the side
// view along the dowels, the end view onto the joint face.
void ZeichneDornBlock(DXF_Object& objekt, const TKDornDaten& dorn, DornAnsicht ansicht);

// Writes the three DXF drawings of every type into the folder (created when missing);
// throws DateiFehler.
void SchreibeDornZeichnungen(const std::filesystem::path& ordner);

// The chosen name with the extension of the chosen file type appended unless it has it
// already (in any case): filter 0 ".dxf", filter 1 ".dwg".
std::string DornZielMitEndung(const std::string& name, int filter);

// Whether a prepared drawing of the type with that extension ("dxf", "dwg", in any case)
// lies in the "CAD files" folder of the program folder: a file type is offered only then.
bool DornZeichnungVorhanden(const std::filesystem::path& programmOrdner, int typ,
                            const std::string& endung);

struct DornKopie {
    std::vector<std::filesystem::path> kopiert; // targets written
    std::vector<std::filesystem::path> fehlen;  // sources not found
    std::string fehler; // the copy error that ended the command, empty if none
};

// Copies the type's three drawings with the extension of the target name (which ends
// in ".dxf" or ".dwg", see DornZielMitEndung) from the "CAD files" folder of the program
// folder to "<target without extension><part><extension>". Missing sources are noted
// and skipped; the others are written together, so a copy error leaves every target as
// it was.
DornKopie KopiereDornZeichnungen(const std::filesystem::path& programmOrdner, int typ,
                                 const std::string& zielName);

// The command as the program runs it: copies, then shows "Cannot open file!" once when a
// drawing was missing, then reports a copy error. True when all three were copied.
bool KopiereDornZeichnungen(Plattform& plattform, const std::filesystem::path& programmOrdner,
                            int typ, const std::string& zielName);

} // namespace vsk
