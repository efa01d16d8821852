#pragma once
// The project file (".VSK"): one XML document per project.
//
// Saving writes to a temporary file beside the target and renames it over the target only
// once everything is on the disk, so a failed save leaves the old file as it was. Reading
// accepts reals with "." or "," whatever the user's separator is; values that would index
// a table or list are checked before use. Messages go through the platform.

#include "model/Lesestelle.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vsk {

class Plattform;
class TKModell;

// The whole project; FileName := pfad, nothing else in the model changes. A project
// beyond what a project file can hold (its reader would refuse it) is not written. On failure
// shows "Error during saving the data - unable to save the project" and returns false.
bool SaveProjekt(TKModell& modell, const std::filesystem::path& pfad, Plattform& plattform);

// Reads a project into a freshly constructed model; FileName := pfad. Fails when the file
// is not a project file or a part of it could not be read (the caller then discards the
// model): the result names the place. Shows the header messages and, on every failure,
// "Error during opening the data file - unable to read project data" with the place in a
// second line.
Leseergebnis LoadProjekt(TKModell& modell, const std::filesystem::path& pfad, Plattform& plattform);
// The same for a file's content already in memory; FileName is left alone.
Leseergebnis LoadProjektText(TKModell& modell, std::string_view inhalt, Plattform& plattform);

// Appends position zeile + 1 of the file (zeile: row index of the listing, from 0) as the
// new last position. FileName is left alone. When the position cannot be read completely
// the model stays as it was and the reading error is shown.
Leseergebnis ImportAnwendung(TKModell& modell, const std::filesystem::path& pfad, int zeile,
                             Plattform& plattform);

// Program texts of the file operations.
std::string TextSpeicherFehler();
std::string TextLeseFehler();
// The read error with the place in its second line.
std::string TextLeseFehler(const Lesestelle& stelle);
std::string TextKeineVSKDatei();
std::string TextAlteVersion();

} // namespace vsk
