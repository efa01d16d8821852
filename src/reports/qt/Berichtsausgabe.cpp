#include "reports/qt/Berichtsausgabe.h"

#include "reports/Druckablauf.h"
#include "reports/qt/BildVorschaubild.h"
#include "reports/qt/Seitengeraete.h"

namespace vsk {

namespace {

template <typename Pipeline>
Ausgabeergebnis AlsPdf(const std::filesystem::path& datei, Berichtskontext& k,
                       const Druckergeometrie& geometrie, Pipeline pipeline) {
    PdfDrucker pdf(datei, geometrie);
    Ausgabeergebnis e;
    e.ok = pipeline(pdf, k);
    e.seiten = pdf.Seiten();
    e.fehler = pdf.Fehler();
    return e;
}

} // namespace

Ausgabeergebnis BerichtAlsPdf(const std::filesystem::path& datei, Berichtskontext& k,
                              const Druckergeometrie& geometrie) {
    return AlsPdf(datei, k, geometrie, BerichtDrucken);
}

Ausgabeergebnis ListeAlsPdf(const std::filesystem::path& datei, Berichtskontext& k,
                            const Druckergeometrie& geometrie) {
    return AlsPdf(datei, k, geometrie, ListeDrucken);
}

Ausgabeergebnis ProjektberichtAlsPdf(const std::filesystem::path& datei, Projektbericht& bericht,
                                     Berichtskontext& k, const Druckergeometrie& geometrie,
                                     const Fortschritt& fortschritt) {
    PdfDrucker pdf(datei, geometrie);
    const TKProjektdaten& projekt = bericht.modell.Projektbeschreibung;
    const std::string titel = Projektberichtstitel();
    pdf.SetzeDokumentinfo(projekt.TBauvorhaben.empty() ? titel
                                                       : titel + " - " + projekt.TBauvorhaben,
                          projekt.TBearbeiter);
    Ausgabeergebnis e;
    const Berichtsende ende = ProjektberichtDrucken(pdf, bericht, k, fortschritt);
    e.ok = ende == Berichtsende::Fertig;
    e.abgebrochen = ende == Berichtsende::Abgebrochen;
    e.seiten = pdf.Seiten();
    e.fehler = pdf.Fehler();
    return e;
}

std::vector<QImage> BerichtsVorschau(Berichtskontext& k, const Druckergeometrie& geometrie, int dpi,
                                     int aufloesung, qreal verhaeltnis) {
    BildVorschaubild p1(dpi, 0, aufloesung, verhaeltnis), p2(dpi, 0, aufloesung, verhaeltnis),
        p3(dpi, 0, aufloesung, verhaeltnis);
    BerichtVorschau(geometrie, p1, p2, p3, k);
    std::vector<QImage> seiten;
    for (BildVorschaubild* p : {&p1, &p2, &p3}) {
        if (p->Sichtbar()) {
            seiten.push_back(p->Bild().copy());
        }
    }
    return seiten;
}

QImage ListenVorschau(Berichtskontext& k, const Druckergeometrie& geometrie, int dpi,
                      qreal verhaeltnis) {
    BildVorschaubild p(dpi, 0, 0, verhaeltnis);
    ListeVorschau(geometrie, p, k);
    return p.Bild().copy();
}

} // namespace vsk
