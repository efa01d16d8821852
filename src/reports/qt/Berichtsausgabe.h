#pragma once
// The report and the schedule as files: PDF pages and preview pictures. Used by vsk-cli and
// by the windows' export commands.

#include "reports/Berichtskontext.h"
#include "reports/Projektbericht.h"
#include "reports/Seitenziel.h"

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace vsk {

struct Ausgabeergebnis {
    bool ok = false;
    bool abgebrochen = false; // the user cancelled; no file was written
    int seiten = 0;
    std::string fehler; // why it failed, for the user
};

// The calculation report of the current position as a PDF file with the geometry of the
// given printer page.
Ausgabeergebnis BerichtAlsPdf(const std::filesystem::path& datei, Berichtskontext& k,
                              const Druckergeometrie& geometrie);
// The connector schedule as a PDF file.
Ausgabeergebnis ListeAlsPdf(const std::filesystem::path& datei, Berichtskontext& k,
                            const Druckergeometrie& geometrie);

// The project report as a PDF file titled with the project and authored by its designer,
// with an outline entry for the summary, each position and the schedule. k reads
// bericht.modell.
Ausgabeergebnis ProjektberichtAlsPdf(const std::filesystem::path& datei, Projektbericht& bericht,
                                     Berichtskontext& k, const Druckergeometrie& geometrie,
                                     const Fortschritt& fortschritt = {});

// The preview pages of the report at the screen resolution dpi (two or three pictures),
// drawn at aufloesung pixels per inch (0: dpi; a zoomed preview) into bitmaps of the
// device pixel ratio verhaeltnis.
std::vector<QImage> BerichtsVorschau(Berichtskontext& k, const Druckergeometrie& geometrie,
                                     int dpi = 96, int aufloesung = 0, qreal verhaeltnis = 1);
// The preview picture of the schedule (one picture, as tall as its content needs).
QImage ListenVorschau(Berichtskontext& k, const Druckergeometrie& geometrie, int dpi = 96,
                      qreal verhaeltnis = 1);

} // namespace vsk
