#include "reports/Projektbericht.h"

#include "design/Bemessung.h"
#include "design/Plausibilitaet.h"
#include "reports/Druckablauf.h"
#include "reports/Projektuebersicht.h"
#include "reports/SeitenRahmen.h"
#include "reports/Seitenzaehler.h"
#include "reports/Stuecklistenbericht.h"
#include "shell/StillePlattform.h"
#include "shell/Texte.h"

namespace vsk {

namespace {

Projektzeile Zeile(int nummer, const TKAnwendung& a, std::vector<std::string> hinweise) {
    const TKErgebnisse& e = a.cErgebnisse;
    Projektzeile z;
    z.nummer = nummer;
    z.name = a.TPosition;
    z.anwendungsfall = a.TAnwendungsfall;
    z.typ = e.TAktDorn;
    z.anzahl = e.TAnzDorn(e.TAktDorn);
    z.eta = e.AktDornErgebnis().TEtaQ;
    if (e.TBerechnet == 0) {
        z.status = Positionsstatus::NichtBerechnet;
    } else {
        z.status = DornBrauchbar(e.AktDornErgebnis()) ? Positionsstatus::Brauchbar
                                                      : Positionsstatus::NichtBrauchbar;
    }
    z.hinweise = std::move(hinweise);
    return z;
}

bool HatReport(const Projektzeile& z) {
    return z.status != Positionsstatus::NichtBerechnet;
}

bool ListeHatAktiveEintraege(const TKStueckliste& liste) {
    for (int k = 1; k <= liste.EintragCount(); ++k) {
        if (liste.IstAktiv(k)) {
            return true;
        }
    }
    return false;
}

// The position's report pages show it as the window does once its row is selected.
void MacheAktuell(TKModell& m, int nummer) {
    m.TAktAnwendung = static_cast<std::uint16_t>(nummer);
    m.AktDornDaten.Laden(m.AktuelleAnwendung().cErgebnisse.TAktDorn);
}

// The summary and the schedule without the drawing: the number of pages each takes.
struct Seitenplan {
    int uebersicht = 0;
    int liste = 0;
};

Seitenplan PlaneSeiten(Drucker& drucker, Projektbericht& b, Berichtskontext& k,
                       const std::string& titel) {
    Seitenplan plan;
    Seitenzaehler zaehler(drucker);
    zaehler.BeginDoc(titel);
    SeitenRahmen(zaehler.Leinwand(), k, titel);
    Projektuebersicht(zaehler, k, b.zeilen, titel);
    plan.uebersicht = zaehler.Seiten();
    if (ListeHatAktiveEintraege(b.modell.Stueckliste)) {
        const std::string listentitel = Stuecklistentitel();
        zaehler.BeginDoc(listentitel);
        SeitenRahmen(zaehler.Leinwand(), k, listentitel);
        ListeZeichnen(zaehler.Leinwand(), k, listentitel, Seitenziel{&zaehler, nullptr});
        plan.liste = zaehler.Seiten();
    }
    return plan;
}

} // namespace

std::string Projektberichtstitel() {
    return text("Projektbericht", "Project Report");
}

std::optional<Projektbericht> BereiteProjektberichtVor(const TKModell& projekt,
                                                       Plattform& plattform, bool bemessen,
                                                       const Fortschritt& fortschritt) {
    Projektbericht b{projekt, {}};
    StillePlattform still(plattform);
    const int anzahl = b.modell.TAnzAnwendung();
    b.zeilen.reserve(static_cast<std::size_t>(anzahl));
    for (int nummer = 1; nummer <= anzahl; ++nummer) {
        TKAnwendung& a = b.modell.Anwendung(nummer);
        std::vector<std::string> hinweise;
        if (bemessen && a.cErgebnisse.TBerechnet == 0) {
            hinweise = PruefeEingaben(a);
            if (hinweise.empty()) {
                RunDesign(a, still);
            }
        }
        b.zeilen.push_back(Zeile(nummer, a, std::move(hinweise)));
        if (fortschritt && !fortschritt(nummer, anzahl)) {
            return std::nullopt;
        }
    }
    return b;
}

Berichtsende ProjektberichtDrucken(Drucker& drucker, Projektbericht& b, Berichtskontext& k,
                                   const Fortschritt& fortschritt) {
    const std::string titel = Projektberichtstitel();
    const int aktuell = b.modell.TAktAnwendung;
    const Rahmenzusatz vorher = k.rahmen;
    if (!DokumentBeginnen(drucker, k, titel)) {
        k.linienbreite = 1;
        return Berichtsende::Fehler;
    }
    k.rahmen = Rahmenzusatz{0, 0, false};
    const Seitenplan plan = PlaneSeiten(drucker, b, k, titel);

    int seite = plan.uebersicht + 1;
    int berichte = 0;
    for (Projektzeile& z : b.zeilen) {
        z.ersteSeite = HatReport(z) ? seite : 0;
        if (HatReport(z)) {
            seite += Berichtsseitenzahl(b.modell.Anwendung(z.nummer));
            ++berichte;
        }
    }
    k.rahmen.seiten = seite - 1 + plan.liste;

    Canvas& c = drucker.Leinwand();
    drucker.Gliederungseintrag(text("Projektbericht", "Summary"));
    SeitenRahmen(c, k, titel);
    Projektuebersicht(drucker, k, b.zeilen, titel);
    int erledigt = 0;
    Berichtsende ende = Berichtsende::Fertig;
    for (const Projektzeile& z : b.zeilen) {
        if (!HatReport(z)) {
            continue;
        }
        MacheAktuell(b.modell, z.nummer);
        drucker.NewPage();
        drucker.Gliederungseintrag(std::to_string(z.nummer) + " " + z.name);
        k.rahmen.dornFehler = true;
        Berichtsseiten(drucker, k);
        k.rahmen.dornFehler = false;
        if (fortschritt && !fortschritt(++erledigt, berichte)) {
            ende = Berichtsende::Abgebrochen;
            break;
        }
    }
    MacheAktuell(b.modell, aktuell);
    if (ende == Berichtsende::Fertig && plan.liste > 0) {
        const std::string listentitel = Stuecklistentitel();
        drucker.NewPage();
        drucker.Gliederungseintrag(listentitel);
        SeitenRahmen(c, k, listentitel);
        ListeZeichnen(c, k, listentitel, Seitenziel{&drucker, nullptr});
    }
    if (ende == Berichtsende::Fertig && !drucker.EndDoc()) {
        ende = Berichtsende::Fehler;
    }
    k.rahmen = vorher;
    k.linienbreite = 1;
    return ende;
}

} // namespace vsk
