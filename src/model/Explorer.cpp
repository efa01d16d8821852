#include "model/Explorer.h"

#include "model/ProjektLesen.h"
#include "model/ProjektPruefung.h"
#include "model/Texttabellen.h"
#include "shell/Plattform.h"
#include "shell/Zahlen.h"

#include <algorithm>

namespace vsk {

const std::vector<TKExplorer::Zeile>& TKExplorer::ReadProjektFile(const std::filesystem::path& pfad,
                                                                  Plattform& plattform) {
    GepruefteDatei datei = PruefeDatei(pfad, plattform);
    if (datei.ergebnis != Pruefung::Gueltig) {
        return zeilen_;
    }
    const xmlNode* projekt = datei.projekt;
    std::int64_t anzahl = 0;
    if (!LeseInteger(projekt, "TAnzAnwendung", anzahl)) {
        return zeilen_;
    }
    // Positions the file does not hold are listed with placeholders; a count beyond the
    // elements the file has cannot be meant and is cut there.
    xml::KindIndex index(projekt);
    anzahl = std::min<std::int64_t>(anzahl, static_cast<std::int64_t>(index.Anzahl()));

    const xmlNode* beschreibung = xml::Kind(projekt, "Projektbeschreibung");
    std::string bauvorhaben = "#NV";
    std::string datum = "#NV";
    LeseText(beschreibung, "TBauvorhaben", bauvorhaben);
    LeseText(beschreibung, "TDatum", datum);
    const std::string programm(xml::Name(xml::Wurzel(datei.dokument.get())));
    const char trenner = plattform.Dezimaltrenner();

    for (std::int64_t k = 1; k <= anzahl; ++k) {
        const xmlNode* position = index.Finde("Position_" + std::to_string(k));
        std::int64_t fall = 0;
        std::string name = "#NV";
        double laenge = 0;
        if (!LeseInteger(position, "TAnwendungsfall", fall)) {
            return zeilen_;
        }
        LeseText(position, "TPosition", name);
        if (!LeseReal(xml::Kind(position, "cGeometrie"), "TFugenlaenge", laenge)) {
            return zeilen_;
        }
        const int fallIndex = (fall >= 0 && fall <= 2) ? static_cast<int>(fall) : -1;
        zeilen_.push_back({programm, bauvorhaben, name,
                           Tabellentext(Texttabellen().AnwendungsfallKurz, fallIndex),
                           FormatFest(laenge / 10, 1, trenner) + " cm", datum});
    }
    return zeilen_;
}

} // namespace vsk
