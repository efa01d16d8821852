#include "reports/Berechnungsbericht.h"

#include "katalog/Katalog.h"
#include "reports/Skizzenaufrufe.h"
#include "shell/Texte.h"

namespace vsk {

std::string Berichtstitel(const Berichtskontext& k) {
    return text("Druck", "Calculation for ") + DornName(k.Anwendung().cErgebnisse.TAktDorn);
}

void Ergebnisseite(Canvas& canvas, Berichtskontext& k) {
    const Druckzustand& z = k.druck;
    const TKAnwendung& a = k.Anwendung();
    const int xl = z.CmX(z.ml);
    int y = z.CmY(z.mt + z.inhaltOben);

    canvas.pinsel.art = Pinselart::Leer;
    canvas.schrift.name = "Arial";
    canvas.schrift.groesse = 12;
    canvas.schrift.stil = Fett;
    canvas.TextOut(xl, y, Tabellentext(k.texte.AnwendungsfallLang, a.TAnwendungsfall));

    canvas.schrift.groesse = 10;
    canvas.schrift.stil = Normal;
    const TKMeldungen& warnungen = a.cErgebnisse.AktDornErgebnis().Warnungen;
    if (warnungen.Count() > 0) {
        y += z.L6;
        for (const std::uint16_t code : warnungen.Codes()) {
            y += z.L10;
            canvas.TextOut(xl, y, Tabellentext(k.texte.Warnungstexte, code));
        }
    }

    const int e = z.CmX(z.Wp - z.mr - 9.5);
    if (a.TAnwendungsfall == Anwendungsfall::ReiheWand) {
        BerichtSystemSchnitt(canvas, k, {e, y + z.CmY(0.5), e + z.CmX(10), y + z.CmY(5.5)});
    } else {
        BerichtSystemSchnitt(canvas, k, {e, y - z.CmY(0.5), e + z.CmX(10), y + z.CmY(6.5)});
    }
    const int ea = z.CmX(z.Wp - z.mr - 9);
    const int y2 = y + z.CmY(8);
    if (a.cBelastungDesign.TBelastungsfall == Belastungsfall::Beliebig) {
        BerichtSystemAnsicht(canvas, k, {ea, y2 - z.CmY(0.5), ea + z.CmX(8), y2 + z.CmY(6.5)});
    } else {
        BerichtSystemAnsicht(canvas, k, {ea, y2 - z.CmY(2), ea + z.CmX(8), y2 + z.CmY(5)});
    }

    canvas.pinsel.art = Pinselart::Leer;
    canvas.schrift.farbe = 0;
    Eingabeblock(canvas, k, xl, y + z.L14, z.CmX(4.5), z.CmX(0.75));
    Lastblock(canvas, k, xl, z.CmY(z.Hp - z.mb - 15), z.CmX(4), false, z.CmX(0.75));
    Ergebnisblock(canvas, k, xl, z.CmY(z.Hp - z.mb - 8), z.CmX(5), z.CmX(9), z.CmX(1));
}

void Lastseite(Canvas& canvas, Berichtskontext& k) {
    const Druckzustand& z = k.druck;
    const int xl = z.CmX(z.ml);
    canvas.pinsel.art = Pinselart::Leer;
    const int ye =
        Lastblock(canvas, k, xl, z.CmY(z.mt + z.inhaltOben + 0.5), z.CmX(4), true, z.CmX(0.75));
    BerichtSystemAnsicht(canvas, k, {xl, ye - z.CmY(2), xl + z.CmX(8), ye - z.CmY(2) + z.CmY(8)});
}

void Skizzenseite(Canvas& canvas, Berichtskontext& k) {
    const Druckzustand& z = k.druck;
    const int xl = z.CmX(z.ml);
    const int y = z.CmY(z.mt + z.inhaltOben + 0.5);
    const int w = z.CmX(z.Wp - z.ml - z.mr);
    const int yb = z.CmY(z.Hp - z.mb - 5.25);

    BerichtReihenansicht(canvas, k, {xl, y, xl + z.CmX(17), y + z.CmY(5)});
    int u = y + z.CmY(5.25);
    const int hw = w / 2;
    const int hh = (yb - y - 2 * z.L8) / 2;
    BerichtDraufsicht(canvas, k, {xl, u, xl + hw, u + hh});
    u = u + hh - z.CmY(0.7);
    BerichtAnsicht(canvas, k, {xl, u, xl + hw, u + hh});
    BerichtSchnitt(canvas, k, {xl + hw, u, xl + 2 * hw, u + hh});
}

} // namespace vsk
