#pragma once
// Building the document of a project file from the model.

#include "model/XmlBaum.h"

#include <optional>
#include <string>

namespace vsk {

class TKModell;

// Root element and header texts of the file.
inline constexpr const char* WurzelName = "VSK_2.0";
inline constexpr const char* ProgrammName = "Tervo - VSK / VSKQ Shear Connector";
inline constexpr const char* ProgrammVersion = "VSK - 2.0";
inline constexpr const char* CopyrightZeile = "Copyright (c) Tervo";
// Prefix of the groups that keep each type's designed reinforcement at the end of a
// position's results ("cDornDaten_VSK_007").
inline constexpr const char* DornDatenElement = "cDornDaten_";

// The whole project in the element order of the file. Reals use the given decimal
// separator; dateiName goes into the header's "FileName". Null when libxml2 fails.
xml::Dokument BaueProjektDokument(const TKModell& modell, const std::string& dateiName,
                                  char trenner);

// The same document as the file's text, written without building the tree:
// xml::Schreibe(BaueProjektDokument(...)) letter for letter, in a fraction of the time.
// Empty when the project goes beyond what a project file may hold (its reader would refuse
// the file).
std::optional<std::string> ProjektText(const TKModell& modell, const std::string& dateiName,
                                       char trenner);

} // namespace vsk
