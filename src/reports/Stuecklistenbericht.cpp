#include "reports/Stuecklistenbericht.h"

#include "reports/SeitenRahmen.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <algorithm>

namespace vsk {

namespace {

const std::string& TextVon(const TKStueckliste::Eintrag& e, std::size_t i) {
    static const std::string leer;
    return i < e.size() ? e[i] : leer;
}

void Punktlinie(Canvas& c, int x1, int x2, int y) {
    c.stift.art = Stiftart::Gepunktet;
    c.MoveTo(x1, y);
    c.LineTo(x2, y);
}

void Rechtsbuendig(Canvas& c, int xr, int y, const std::string& t) {
    c.TextOut(xr - c.TextWidth(t), y, t);
}

} // namespace

int ListeZeichnen(Canvas& canvas, Berichtskontext& k, const std::string& titel,
                  const Seitenziel& ziel) {
    const TKStueckliste& liste = k.modell.Stueckliste;
    const int xl = k.druck.CmX(k.druck.ml);
    const int xr = k.druck.CmX(k.druck.Wp - k.druck.mr);
    const int x1 = k.druck.CmX(k.druck.ml + 1);
    const int x2 = k.druck.CmX(k.druck.ml + 2.75);
    const int x3 = k.druck.CmX(k.druck.ml + 3.5);
    const int L10 = k.druck.L10;
    const int anderthalb = static_cast<int>(RundeGerade(1.5L * L10));

    auto schrift9 = [&] {
        canvas.schrift = Schrift{};
        canvas.schrift.name = "Arial";
        canvas.schrift.groesse = 9;
        canvas.pinsel.art = Pinselart::Leer;
    };
    schrift9();
    int y = k.druck.CmY(k.druck.mt + k.druck.inhaltOben);

    for (const std::string& zeile : liste.TBemerkung) {
        y += L10;
        canvas.TextOut(xl, y, zeile);
    }
    y += k.druck.CmY(0.25) + L10;
    Punktlinie(canvas, xl, xr, y);
    y += k.druck.CmY(0.25);
    canvas.TextOut(xl, y, text("Stueckliste", "Mat.-Pos"));
    const std::string menge = text("Stueckliste", "Quantity of parts");
    canvas.TextOut(xl + k.druck.CmX(1.75), y, menge);
    // The quantity head is wider than its column in some languages; the designation head
    // then moves right instead of printing over it.
    const int xBezeichnung =
        std::max(xl + k.druck.CmX(3.5), xl + k.druck.CmX(1.75) + canvas.TextWidth(menge + " "));
    canvas.TextOut(xBezeichnung, y, text("Stueckliste", "Designation"));
    y += k.druck.CmY(0.25) + L10;
    Punktlinie(canvas, xl, xr, y);

    int n = 0;
    for (const TKStueckliste::Eintrag& e : liste.Eintraege()) {
        if (!IstAktivText(TextVon(e, 5))) {
            continue;
        }
        const bool mitBrandschutz = !TextVon(e, 7).empty();
        if (ziel.drucker != nullptr) {
            // An item is about nine lines high; at printer resolutions that is more than
            // the fixed reserve, so the room check takes the larger of the two and an item
            // never runs into the footer or off the page.
            const int hoehe = 2 * k.druck.CmY(0.25) + 6 * L10 + 3 * anderthalb +
                              (mitBrandschutz ? L10 + anderthalb : 0);
            const int unten = ziel.drucker->SeitenClip().bottom;
            if (unten - k.druck.CmY(2.9) - std::max(170, hoehe) < y) {
                ziel.drucker->NewPage();
                SeitenRahmen(canvas, k, titel);
                schrift9();
                y = k.druck.CmY(k.druck.mt + k.druck.inhaltOben);
            }
        } else if (ziel.bild != nullptr) {
            if (ziel.bild->Clip().bottom - k.druck.CmY(2.9) - 250 < y) {
                ziel.bild->Wachse(250);
            }
        }
        ++n;
        canvas.schrift.groesse = 9;
        y += k.druck.CmY(0.25);
        Rechtsbuendig(canvas, x1, y, FormatAllgemein(n));
        canvas.TextOut(
            x3, y,
            text("Stueckliste",
                 "Shear connectors supply to transverse force transmission in expansion"));
        y += L10;
        canvas.TextOut(
            x3, y,
            text("Stueckliste",
                 "joint and install according to the specification of the wing element."));
        y += anderthalb;
        canvas.TextOut(x3, y,
                       text("Stueckliste", "max. design Resistance FRd") + ": " + TextVon(e, 8) +
                           " kN");
        y += L10;
        canvas.TextOut(x3, y,
                       text("Stueckliste", "Material") + ": " +
                           text("Stueckliste", "stainless steel 1.4462"));
        y += anderthalb;
        canvas.TextOut(x3, y, text("Stueckliste", "Position(s):   ") + TextVon(e, 0));
        y += anderthalb;
        canvas.TextOut(
            x3, y,
            text("Stueckliste", "Double shear connector consisting of dowel element and sleeve"));
        y += L10;
        Rechtsbuendig(canvas, x2, y, TextVon(e, 4));
        canvas.TextOut(x3, y, text("Stueckliste", "Type: ") + TextVon(e, 3));
        if (mitBrandschutz) {
            y += anderthalb;
            canvas.TextOut(x3, y, text("Stueckliste", "and fire protection sleeve"));
            y += L10;
            Rechtsbuendig(canvas, x2, y, TextVon(e, 4));
            canvas.TextOut(x3, y, text("Stueckliste", "Type: ") + TextVon(e, 7));
        }
        y += k.druck.CmY(0.25) + L10;
        Punktlinie(canvas, xl, xr, y);
        canvas.stift.art = Stiftart::Durchgezogen;
    }
    canvas.stift.art = Stiftart::Durchgezogen;
    return y;
}

} // namespace vsk
