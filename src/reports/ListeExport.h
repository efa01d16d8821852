#pragma once
// The connector schedule as fixed-width text: 80 columns, counted in characters, CR LF
// line ends, UTF-8. Only active entries are listed, numbered from 1.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vsk {

class Plattform;
class TKModell;
class TKProjektdaten;
class TKStueckliste;

// The lines of the export; heute: today's date in the user's short date format.
std::vector<std::string> ListeTextZeilen(const TKProjektdaten& projekt, const TKStueckliste& liste,
                                         const std::string& heute);

// Every line followed by CR LF.
void SchreibeZeilen(std::ostream& aus, const std::vector<std::string>& zeilen);

// Writes the export of the model's schedule to the path, replacing the file only once
// the whole text is on the disk. On failure shows "the connector schedule could not be
// exported - Please check the writing access on the data carrier." and returns false.
bool ListeExportieren(const TKModell& modell, const std::filesystem::path& pfad,
                      Plattform& plattform);

// "the connector schedule could not be exported - Please check the writing access on the
// data carrier."
std::string ListeExportFehlerText();

} // namespace vsk
