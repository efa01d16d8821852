#include "reports/Projektuebersicht.h"

#include "katalog/Katalog.h"
#include "model/StuecklisteAufnahme.h"
#include "reports/Berichtszahlen.h"
#include "reports/SeitenRahmen.h"
#include "shell/Texte.h"

#include <string>

namespace vsk {

namespace {

// Columns in cm from the left margin: right edges of the numbers, left edges of texts.
constexpr float NummerRechtsCm = 0.8f;
constexpr float NameCm = 1.1f;
constexpr float FallCm = 5.0f;
constexpr float TypCm = 9.3f;
constexpr float AnzahlRechtsCm = 12.4f;
constexpr float EtaRechtsCm = 14.5f;
constexpr float StatusCm = 14.9f;
constexpr float LueckeCm = 0.2f; // kept free at the end of a shortened text
// A usage beyond this (an absurd load) is shown as beyond it: its digits would run into the
// count of connectors.
constexpr double MaxEtaProzent = 99999.9;

const std::string Auslassung = "...";

void LetztesZeichenWeg(std::string& s) {
    // UTF-8 continuation bytes belong to the character before them.
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) {
        s.pop_back();
    }
    if (!s.empty()) {
        s.pop_back();
    }
}

// The text shortened with "..." so that it is at most breite pixels wide.
std::string Eingepasst(Canvas& c, const std::string& text, int breite) {
    if (c.TextWidth(text) <= breite) {
        return text;
    }
    std::string kurz = text;
    while (!kurz.empty() && c.TextWidth(kurz + Auslassung) > breite) {
        LetztesZeichenWeg(kurz);
    }
    return kurz + Auslassung;
}

class Tabelle {
public:
    Tabelle(Drucker& drucker, Berichtskontext& k, const std::string& titel)
        : d_(drucker), k_(k), z_(k.druck), titel_(titel), xl_(z_.CmX(z_.ml)),
          xr_(z_.CmX(z_.Wp - z_.mr)) {}

    void Anfang() {
        y_ = z_.CmY(z_.mt + z_.inhaltOben);
        Setze(12, Fett);
        Leinwand().TextOut(xl_, y_, text("Projektbericht", "Summary"));
        y_ += z_.L12 + z_.L6;
        Spaltenkoepfe();
    }

    void Zeile(const Projektzeile& p) {
        PlatzFuer(z_.L10 * (1 + static_cast<int>(p.hinweise.size())), true);
        Canvas& c = Leinwand();
        Setze(9, Normal);
        Rechts(NummerRechtsCm, std::to_string(p.nummer));
        c.TextOut(X(NameCm), y_, Eingepasst(c, p.name, X(FallCm - LueckeCm) - X(NameCm)));
        c.TextOut(X(FallCm), y_,
                  Eingepasst(c, Tabellentext(k_.texte.AnwendungsfallKurz, p.anwendungsfall),
                             X(TypCm - LueckeCm) - X(FallCm)));
        if (p.status != Positionsstatus::NichtBerechnet) {
            c.TextOut(X(TypCm), y_, DornName(p.typ));
            Rechts(AnzahlRechtsCm, std::to_string(p.anzahl));
            const double prozent = p.eta * 100;
            Rechts(EtaRechtsCm, prozent > MaxEtaProzent
                                    ? "> " + AufZehntel(MaxEtaProzent, k_.trenner) + " %"
                                    : AufZehntel(prozent, k_.trenner) + " %");
        }
        c.TextOut(X(StatusCm), y_, Statustext(p.status));
        if (p.ersteSeite > 0) {
            const std::string seite = std::to_string(p.ersteSeite);
            c.TextOut(xr_ - c.TextWidth(seite), y_, seite);
        }
        y_ += z_.L10;
        Setze(8, Kursiv);
        for (const std::string& hinweis : p.hinweise) {
            c.TextOut(X(NameCm), y_, Eingepasst(c, hinweis, xr_ - X(NameCm)));
            y_ += z_.L10;
        }
    }

    // Below the table, before the remarks: schedule entries the designs no longer match.
    void Listenhinweise(const std::vector<std::string>& zeilen) {
        if (zeilen.empty()) {
            return;
        }
        y_ += z_.CmY(0.25);
        for (const std::string& zeile : zeilen) {
            PlatzFuer(z_.L10, false);
            Setze(8, Kursiv);
            Leinwand().TextOut(xl_, y_, Eingepasst(Leinwand(), zeile, xr_ - xl_));
            y_ += z_.L10;
        }
    }

    void Bemerkungen(const std::vector<std::string>& zeilen) {
        y_ += z_.CmY(0.25);
        Punktlinie();
        y_ += z_.CmY(0.25);
        for (const std::string& zeile : zeilen) {
            PlatzFuer(z_.L10, false);
            Setze(9, Normal);
            Leinwand().TextOut(xl_, y_, zeile);
            y_ += z_.L10;
        }
    }

private:
    Canvas& Leinwand() { return d_.Leinwand(); }
    int X(float cm) const { return xl_ + z_.CmX(cm); }

    void Setze(int groesse, int stil) {
        Canvas& c = Leinwand();
        c.schrift = Schrift{};
        c.schrift.groesse = groesse;
        c.schrift.stil = stil;
        c.pinsel.art = Pinselart::Leer;
    }

    void Rechts(float cm, const std::string& t) {
        Canvas& c = Leinwand();
        c.TextOut(X(cm) - c.TextWidth(t), y_, t);
    }

    void Punktlinie() {
        Canvas& c = Leinwand();
        c.stift.art = Stiftart::Gepunktet;
        c.MoveTo(xl_, y_);
        c.LineTo(xr_, y_);
        c.stift.art = Stiftart::Durchgezogen;
    }

    void Spaltenkoepfe() {
        Canvas& c = Leinwand();
        Setze(9, Fett);
        Rechts(NummerRechtsCm, text("Projektbericht", "No."));
        c.TextOut(X(NameCm), y_, text("Projektbericht", "Position"));
        c.TextOut(X(FallCm), y_, text("Projektbericht", "Application case"));
        c.TextOut(X(TypCm), y_, text("Projektbericht", "Type"));
        Rechts(AnzahlRechtsCm, text("Projektbericht", "Connectors"));
        c.schrift.name = "Symbol";
        Rechts(EtaRechtsCm, "h");
        c.schrift.name = "Arial";
        c.TextOut(X(StatusCm), y_, text("Projektbericht", "Status"));
        const std::string seite = text("Projektbericht", "Page");
        c.TextOut(xr_ - c.TextWidth(seite), y_, seite);
        y_ += z_.L10 + z_.CmY(0.1);
        Punktlinie();
        y_ += z_.CmY(0.15);
    }

    // A new page when the height does not fit above the page number.
    void PlatzFuer(int hoehe, bool mitKoepfen) {
        const int unten = z_.CmY(z_.Hp - z_.mb) - 5 * z_.L6 - z_.L9 - z_.CmY(0.2);
        if (y_ + hoehe <= unten) {
            return;
        }
        d_.NewPage();
        SeitenRahmen(Leinwand(), k_, titel_);
        y_ = z_.CmY(z_.mt + z_.inhaltOben);
        if (mitKoepfen) {
            Spaltenkoepfe();
        }
    }

    Drucker& d_;
    Berichtskontext& k_;
    const Druckzustand& z_;
    const std::string& titel_;
    int xl_;
    int xr_;
    int y_ = 0;
};

} // namespace

std::string Statustext(Positionsstatus status) {
    switch (status) {
    case Positionsstatus::Brauchbar:
        return text("Projektbericht", "usable");
    case Positionsstatus::NichtBrauchbar:
        return text("Projektbericht", "not usable");
    case Positionsstatus::NichtBerechnet:
        break;
    }
    return text("Projektbericht", "not calculated");
}

void Projektuebersicht(Drucker& drucker, Berichtskontext& k,
                       const std::vector<Projektzeile>& zeilen, const std::string& titel) {
    Tabelle t(drucker, k, titel);
    t.Anfang();
    for (const Projektzeile& p : zeilen) {
        t.Zeile(p);
    }
    t.Listenhinweise(VeralteteEintraege(k.modell));
    t.Bemerkungen(k.modell.Stueckliste.TBemerkung);
}

} // namespace vsk
