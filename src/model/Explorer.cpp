#include "model/Explorer.h"

#include "model/Anwendung.h"
#include "model/ProjektLesen.h"
#include "model/ProjektPruefung.h"
#include "model/Texttabellen.h"
#include "shell/Plattform.h"
#include "shell/Zahlen.h"

#include <algorithm>

namespace vsk {

const std::vector<TKExplorer::Zeile>& TKExplorer::ReadProjektFile(const std::filesystem::path& pfad,
                                                                  Plattform& plattform) {
    Liste(PruefeDatei(pfad, plattform), plattform.Dezimaltrenner());
    return zeilen_;
}

const std::vector<TKExplorer::Zeile>& TKExplorer::ReadProjektText(std::string_view inhalt,
                                                                  Plattform& plattform) {
    Liste(PruefeDokument(xml::LeseText(inhalt), plattform), plattform.Dezimaltrenner());
    return zeilen_;
}

void TKExplorer::Liste(const GepruefteDatei& datei, char trenner) {
    if (datei.ergebnis != Pruefung::Gueltig) {
        return;
    }
    const xml::Knoten* projekt = datei.projekt;
    ProjektLeser leser;
    std::int64_t anzahl = 0;
    if (!leser.LeseInteger(projekt, "TAnzAnwendung", anzahl)) {
        return;
    }
    // Positions the file does not hold are listed with placeholders; a count beyond the
    // elements the file has cannot be meant and is cut there.
    xml::KindIndex index(projekt);
    anzahl = std::min<std::int64_t>(anzahl, static_cast<std::int64_t>(index.Anzahl()));

    const xml::Knoten* beschreibung = xml::Kind(projekt, "Projektbeschreibung");
    std::string bauvorhaben = "#NV";
    std::string datum = "#NV";
    leser.LeseText(beschreibung, "TBauvorhaben", bauvorhaben);
    leser.LeseText(beschreibung, "TDatum", datum);
    const std::string programm(xml::Name(xml::Wurzel(datei.dokument.get())));

    for (std::int64_t k = 1; k <= anzahl; ++k) {
        const xml::Knoten* position = index.Finde("Position_" + std::to_string(k));
        std::int64_t fall = 0;
        std::string name = "#NV";
        double laenge = 0;
        if (!leser.LeseInteger(position, "TAnwendungsfall", fall)) {
            return;
        }
        leser.LeseText(position, "TPosition", name);
        if (!leser.LeseReal(xml::Kind(position, "cGeometrie"), "TFugenlaenge", laenge)) {
            return;
        }
        const int fallIndex =
            (fall >= 0 && fall < Anwendungsfall::Anzahl) ? static_cast<int>(fall) : -1;
        zeilen_.push_back({programm, bauvorhaben, name,
                           Tabellentext(Texttabellen().AnwendungsfallKurz, fallIndex),
                           FormatFest(laenge / 10, 1, trenner) + " cm", datum});
    }
}

} // namespace vsk
