#include "model/ProjektPruefung.h"

#include "model/ProjektSchreiben.h"
#include "model/Projektdatei.h"
#include "shell/Plattform.h"

namespace vsk {

GepruefteDatei PruefeDatei(const std::filesystem::path& pfad, Plattform& plattform) {
    return PruefeDokument(xml::LeseDatei(pfad), plattform);
}

GepruefteDatei PruefeDokument(xml::Dokument dokument, Plattform& plattform) {
    GepruefteDatei datei;
    datei.dokument = std::move(dokument);
    const xmlNode* wurzel = xml::Wurzel(datei.dokument.get());
    const xmlNode* kopf = xml::KindElementNr(wurzel, 1);
    if (!kopf) {
        datei.ergebnis = Pruefung::Unlesbar;
        return datei;
    }
    if (xml::Attribut(kopf, "Name") != ProgrammName) {
        plattform.Meldung(TextKeineVSKDatei());
        datei.ergebnis = Pruefung::Fremd;
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
