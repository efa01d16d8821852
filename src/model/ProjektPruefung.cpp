#include "model/ProjektPruefung.h"

#include "model/ProjektSchreiben.h"
#include "model/Projektdatei.h"
#include "shell/Plattform.h"

namespace vsk {

GepruefteDatei PruefeDatei(const std::filesystem::path& pfad, Plattform& plattform) {
    return PruefeDokument(xml::LeseDatei(pfad), plattform);
}

GepruefteDatei PruefeDokument(xml::Parsergebnis gelesen, Plattform& plattform) {
    GepruefteDatei datei;
    datei.dokument = std::move(gelesen.dokument);
    if (!datei.dokument) {
        datei.stelle = std::move(gelesen.fehler);
        return datei;
    }
    const xml::Knoten* wurzel = xml::Wurzel(datei.dokument.get());
    const xml::Knoten* kopf = xml::KindElementNr(wurzel, 1);
    if (!kopf) {
        datei.stelle = Lesestelle{Lesegrund::Fehlt, "Program", xml::Zeile(wurzel)};
        return datei;
    }
    if (xml::Attribut(kopf, "Name") != ProgrammName) {
        plattform.Meldung(TextKeineVSKDatei());
        datei.ergebnis = Pruefung::Fremd;
        datei.stelle = Lesestelle{Lesegrund::Kopf, std::string(xml::Name(kopf)), xml::Zeile(kopf)};
        return datei;
    }
    if (xml::Attribut(kopf, "Version") != ProgrammVersion) {
        plattform.Meldung(TextAlteVersion());
        datei.alteVersion = true;
    }
    datei.projekt = xml::Kind(wurzel, "Projekt");
    datei.ergebnis = Pruefung::Gueltig;
    return datei;
}

} // namespace vsk
