#include "reports/qt/Druckauftrag.h"

#include "reports/Druckablauf.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"

#include <QCoreApplication>

namespace vsk {

std::string TextKeinDrucker() {
    return QCoreApplication::translate(
               "Druck", "No printer is installed. The pages can be saved as a PDF file instead.")
        .toStdString();
}

namespace {

void MeldePdfFehler(Plattform& plattform, const std::filesystem::path& datei,
                    const Ausgabeergebnis& e) {
    plattform.Meldung(
        QCoreApplication::translate("Druck", "The PDF file could not be written:").toStdString() +
        "\n" + datei.string() + (e.fehler.empty() ? "" : "\n" + e.fehler));
}

} // namespace

bool AlsPdfSpeichern(Druckart art, const std::filesystem::path& datei, Berichtskontext& k,
                     Plattform& plattform) {
    const Druckergeometrie geometrie = AktuelleDruckergeometrie();
    const Ausgabeergebnis e = art == Druckart::Bericht ? BerichtAlsPdf(datei, k, geometrie)
                                                       : ListeAlsPdf(datei, k, geometrie);
    if (!e.ok) {
        MeldePdfFehler(plattform, datei, e);
    }
    return e.ok;
}

bool ProjektberichtSpeichern(const std::filesystem::path& datei, Projektbericht& bericht,
                             Berichtskontext& k, Plattform& plattform,
                             const Fortschritt& fortschritt) {
    const Ausgabeergebnis e =
        ProjektberichtAlsPdf(datei, bericht, k, AktuelleDruckergeometrie(), fortschritt);
    if (!e.ok && !e.abgebrochen) {
        MeldePdfFehler(plattform, datei, e);
    }
    return e.ok;
}

bool Drucken(Druckart art, Berichtskontext& k, Plattform& plattform, const PdfDateiwahl& waehle) {
    if (!DruckerVorhanden()) {
        plattform.Information(TextKeinDrucker());
        const std::optional<std::filesystem::path> datei = waehle ? waehle() : std::nullopt;
        if (!datei) {
            return false;
        }
        return AlsPdfSpeichern(art, *datei, k, plattform);
    }
    SystemDrucker drucker;
    const bool ok =
        art == Druckart::Bericht ? BerichtDrucken(drucker, k) : ListeDrucken(drucker, k);
    if (!ok) {
        plattform.Fehler(
            drucker.Fehler().empty()
                ? QCoreApplication::translate("Druck", "The document could not be printed.")
                      .toStdString()
                : drucker.Fehler());
    }
    return ok;
}

} // namespace vsk
