#include "reports/Druckablauf.h"

#include "reports/Berechnungsbericht.h"
#include "reports/SeitenRahmen.h"
#include "reports/Stuecklistenbericht.h"
#include "shell/Texte.h"

namespace vsk {

namespace {

void WeissFuellen(Vorschaubild& p) {
    Canvas& c = p.Leinwand();
    c.pinsel = {0xFFFFFF, Pinselart::Voll};
    c.FillRect({0, 0, p.Breite(), p.Hoehe()});
}

// Sizes the picture to the page and centres it in its parent.
void BildEinrichten(Vorschaubild& p, Berichtskontext& k, const Druckergeometrie& geometrie) {
    k.linienbreite = MasseEinrichten(k.druck, p.Leinwand(), true, p.Aufloesung());
    k.druck.bildschirmDpi = p.BildschirmDpi();
    SeiteEinrichten(k.druck, geometrie);
    const Bildgroesse g = BildGroesse(k.druck, p.Aufloesung());
    p.SetzeGroesse(g.breite, g.hoehe);
    const int eltern = p.ElternBreite();
    p.SetzeLage(p.Breite() < eltern ? (eltern - p.Breite()) / 2 : 0, p.Oben());
}

} // namespace

bool DokumentBeginnen(Drucker& drucker, Berichtskontext& k, const std::string& titel) {
    if (!drucker.BeginDoc(titel)) {
        return false;
    }
    k.linienbreite = MasseEinrichten(k.druck, drucker.Leinwand(), false, k.druck.bildschirmDpi);
    SeiteEinrichten(k.druck, drucker.Geometrie());
    return true;
}

bool MitLastseite(const TKAnwendung& anwendung) {
    return anwendung.cBelastungDesign.TBelastungsfall == Belastungsfall::Beliebig;
}

int Berichtsseitenzahl(const TKAnwendung& anwendung) {
    return MitLastseite(anwendung) ? 3 : 2;
}

void Berichtsseiten(Drucker& drucker, Berichtskontext& k) {
    const std::string titel = Berichtstitel(k);
    Canvas& c = drucker.Leinwand();
    SeitenRahmen(c, k, titel);
    Ergebnisseite(c, k);
    if (MitLastseite(k.Anwendung())) {
        drucker.NewPage();
        SeitenRahmen(c, k, titel);
        Lastseite(c, k);
    }
    drucker.NewPage();
    SeitenRahmen(c, k, titel);
    Skizzenseite(c, k);
}

bool BerichtDrucken(Drucker& drucker, Berichtskontext& k) {
    const std::string titel = Berichtstitel(k);
    if (!DokumentBeginnen(drucker, k, titel)) {
        k.linienbreite = 1;
        return false;
    }
    Berichtsseiten(drucker, k);
    const bool ok = drucker.EndDoc();
    k.linienbreite = 1;
    return ok;
}

void BerichtVorschau(const Druckergeometrie& geometrie, Vorschaubild& p1, Vorschaubild& p2,
                     Vorschaubild& p3, Berichtskontext& k) {
    BildEinrichten(p1, k, geometrie);
    const std::string titel = Berichtstitel(k);

    p1.Zeige(true);
    WeissFuellen(p1);
    SeitenRahmen(p1.Leinwand(), k, titel);
    Ergebnisseite(p1.Leinwand(), k);
    p1.Neuzeichnen();
    int naechste = p1.Oben() + p1.Hoehe() + 10;

    auto folgeseite = [&](Vorschaubild& p) {
        p.SetzeGroesse(p1.Breite(), p1.Hoehe());
        p.SetzeLage(p1.Links(), naechste);
        p.Zeige(true);
        WeissFuellen(p);
        SeitenRahmen(p.Leinwand(), k, titel);
    };
    if (MitLastseite(k.Anwendung())) {
        folgeseite(p2);
        Lastseite(p2.Leinwand(), k);
        p2.Neuzeichnen();
        naechste = p2.Oben() + p2.Hoehe() + 10;
    } else {
        p2.Zeige(false);
    }
    folgeseite(p3);
    Skizzenseite(p3.Leinwand(), k);
    p3.Neuzeichnen();
}

std::string Stuecklistentitel() {
    return text("Druck", "Connector Schedule");
}

bool ListeDrucken(Drucker& drucker, Berichtskontext& k) {
    const std::string titel = Stuecklistentitel();
    if (!DokumentBeginnen(drucker, k, titel)) {
        k.linienbreite = 1;
        return false;
    }
    SeitenRahmen(drucker.Leinwand(), k, titel);
    Seitenziel ziel;
    ziel.drucker = &drucker;
    ListeZeichnen(drucker.Leinwand(), k, titel, ziel);
    const bool ok = drucker.EndDoc();
    k.linienbreite = 1;
    return ok;
}

void ListeVorschau(const Druckergeometrie& geometrie, Vorschaubild& p, Berichtskontext& k) {
    BildEinrichten(p, k, geometrie);
    const std::string titel = Stuecklistentitel();
    p.Zeige(true);
    WeissFuellen(p);
    SeitenRahmen(p.Leinwand(), k, titel);
    Seitenziel ziel;
    ziel.bild = &p;
    ListeZeichnen(p.Leinwand(), k, titel, ziel);
    p.Neuzeichnen();
}

} // namespace vsk
