#include "reports/Berechnungsbericht.h"

#include "katalog/Katalog.h"
#include "reports/Berichtszahlen.h"
#include "reports/Druckhilfen.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

namespace vsk {

int Eingabeblock(Canvas& canvas, const Berichtskontext& k, int x, int y, int symbolOffset,
                 int wertOffset) {
    const TKAnwendung& a = k.Anwendung();
    const TKGeometrie& g = a.cGeometrie;
    const int L10 = k.druck.L10;
    const Formelschriften arial;
    const std::string mm = "mm";
    auto zeile = [&](const std::string& label, const std::string& wert, const Formeltexte& t,
                     const std::string& einheit) {
        Formelzeile(canvas, label, wert, wertOffset, symbolOffset, y, x, arial, t, einheit);
    };

    canvas.schrift.name = "Arial";
    canvas.schrift.groesse = 9;
    canvas.schrift.stil = Kursiv | Unterstrichen;
    canvas.TextOut(x, y, text("Bericht", "Input"));
    canvas.schrift.stil = Normal;

    y += L10;
    canvas.TextOut(
        x, y,
        a.TBewehrungCalc == 1
            ? text("Bericht", "Calculation with reinforcement according optimal connector use")
            : text("Bericht",
                   "Calculation with reinforcement according max. load capacity of dowel"));

    y += L10;
    zeile(text("Bericht", "Concrete quality"), "",
          {Tabellentext(k.texte.Betongueten, a.TBetonguete), "", "", "="}, "");
    y += L10;
    zeile("", Tabellentext(k.texte.Betonfestigkeiten, a.TBetonguete), {"f", "ck,cyl", "", "="}, "");
    y += L10;
    zeile(text("Bericht", "Slab thickness"), AufGanze(g.TPlatteDicke), {"d", "", "", "="}, mm);
    if (a.TAnwendungsfall == Anwendungsfall::ReiheWand) {
        y += L10;
        zeile(text("Bericht", "Wall thickness"), AufGanze(g.TWandDicke), {"d", "w", "", "="}, mm);
    }
    y += L10;
    zeile(text("Bericht", "Concrete cover above"), AufGanze(g.TBetondeckungOben),
          {"c", "o", "", "="}, mm);
    y += L10;
    zeile(text("Bericht", "Concrete cover below"), AufGanze(g.TBetondeckungUnten),
          {"c", "u", "", "="}, mm);
    y += L10;
    zeile(text("Bericht", "Concrete cover to front"), AufGanze(g.TBetondeckungVorn),
          {"c", "1", "", "="}, mm);

    // One empty line, then the joint width with a less-or-equal sign.
    y += 2 * L10;
    Formelschriften mitSymbolzeichen;
    mitSymbolzeichen.zeichen = "Symbol";
    Formelzeile(canvas, text("Bericht", "Max. joint width"),
                FormatAllgemein(FugenbreiteMm(g.TFugenbreite), k.trenner), wertOffset, symbolOffset,
                y, x, mitSymbolzeichen, {"f", "", "", "\u00A3"}, mm);
    canvas.schrift.name = "Arial";

    y += L10;
    if (a.TAnwendungsfall == Anwendungsfall::ReihePlatte ||
        a.TAnwendungsfall == Anwendungsfall::ReiheWand) {
        zeile(text("Bericht", "Joint length"), AufGanze(g.WirksameFugenlaenge()),
              {"l", "f", "", "="}, mm);
    } else {
        zeile(text("Bericht", "Given edge distance"), AufGanze(g.TBauteilRandLinks),
              {"c", "L", "", "="}, mm);
        y += L10;
        zeile("", AufGanze(g.TBauteilRandRechts), {"c", "R", "", "="}, mm);
    }
    return y + L10;
}

} // namespace vsk
