#include "reports/Berechnungsbericht.h"

#include "katalog/Katalog.h"
#include "reports/Berichtszahlen.h"
#include "reports/Druckhilfen.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <algorithm>

namespace vsk {

int Ergebnisblock(Canvas& canvas, const Berichtskontext& k, int x, int y, int symbolOffset,
                  int rechtsOffset, int wertOffset) {
    const TKAnwendung& a = k.Anwendung();
    const TKErgebnisse& erg = a.cErgebnisse;
    const TKDornErgebnis& r = erg.AktDornErgebnis();
    const Druckzustand& z = k.druck;
    const char t = k.trenner;

    canvas.schrift.name = "Arial";
    canvas.schrift.groesse = 12;
    canvas.schrift.stil = Fett;
    canvas.TextOut(x, y,
                   text("Bericht", "Selected") + ": " +
                       FormatAllgemein(erg.TAnzDorn(erg.TAktDorn)) + " * " +
                       DornName(erg.TAktDorn));

    canvas.schrift.groesse = 9;
    canvas.schrift.stil = Kursiv | Unterstrichen;
    canvas.TextOut(x, y + 2 * z.L12, text("Bericht", "Results"));
    canvas.schrift.stil = Normal;
    const int y1 = y + 2 * z.L12 + z.L10;

    Formelschriften arial;
    Formelschriften eta;
    eta.symbol = "Symbol";
    auto zeile = [&](int xs, int& yz, const std::string& label, const std::string& wert,
                     const Formeltexte& ft, const std::string& einheit, const Formelschriften& s) {
        Formelzeile(canvas, label, wert, wertOffset, symbolOffset, yz, xs, s, ft, einheit);
        canvas.schrift.name = "Arial";
        yz += z.L10;
    };

    // Left column: reinforcement, regions, edge distances and (rows of several) spacings.
    const std::string mm = "mm";
    const std::string mm2 = "mm\u00B2";
    int yl = y1;
    zeile(x, yl, text("Bericht", "Actual area of main reinf\u00B4t"), AufGanze(r.TAsyIst),
          {"A", "sy", "", "="}, mm2, arial);
    zeile(x, yl,
          text("Bericht", "Req\u00B4"
                          "d area of main reinf\u00B4t"),
          AufGanze(r.TAsyErf), {"A", "sy,req", "", "="}, mm2, arial);
    zeile(x, yl, text("Bericht", "Actual area of secondary reinf\u00B4t"), AufGanze(r.TAsxIst),
          {"A", "sx", "", "="}, mm2, arial);
    zeile(x, yl,
          text("Bericht", "Req\u00B4"
                          "d area of secondary reinf\u00B4t"),
          AufGanze(r.TAsxErf), {"A", "sx,req", "", "="}, mm2, arial);
    yl += z.L14;
    zeile(x, yl, text("Bericht", "Region of main reinf\u00B4t"),
          AufGanze(erg.AktDornDaten().BreiteBuegel), {"b", "y", "", "="}, mm, arial);
    zeile(x, yl, text("Bericht", "Region of secondary reinf\u00B4t"), AufGanze(r.Tbx),
          {"b", "x", "", "="}, mm, arial);
    yl += z.L14;
    zeile(x, yl, text("Bericht", "Actual edge distance"),
          AufGanze(std::min(r.TAbstandLinks, r.TAbstandRechts)), {"c", "act", "", "="}, mm, arial);
    zeile(x, yl, text("Bericht", "Minimum edge distance"), AufGanze(r.TZulMinRand),
          {"c", "min", "", "="}, mm, arial);
    yl += z.L14;
    if (a.TAnwendungsfall != Anwendungsfall::Einzeldorn && erg.TAnzDorn(erg.TAktDorn) > 1) {
        zeile(x, yl, text("Bericht", "Actual connector spacing"), AufGanze(r.TIstMinAchs),
              {"e", "act", "", "="}, mm, arial);
        zeile(x, yl, text("Bericht", "Minimum connector spacing"), AufGanze(r.TZulMinAchs),
              {"e", "min", "", "="}, mm, arial);
    }
    const int linksEnde = yl + z.L14;

    // Right column: load, capacity and usages.
    const std::string kN = "kN";
    const std::string prozent = "%";
    const int xr = x + rechtsOffset;
    int yr = y1;
    zeile(xr, yr, text("Bericht", "Connector design load"), AufZehntel(r.TFSdIst, t),
          {"F", "Sd,act", "", "="}, kN, arial);
    zeile(xr, yr, text("Bericht", "Connector design capacity"), AufZehntel(r.TFRd(), t),
          {"F", "Rd", "", "="}, kN, arial);
    zeile(xr, yr, text("Bericht", "Connector usage"), AufZehntel(r.TEtaQ * 100, t),
          {"h", "", "", "="}, prozent, eta);
    yr += z.L14;
    zeile(xr, yr, text("Bericht", "Design resistance concrete"), AufZehntel(r.TFRdBeton(), t),
          {"F", "Rd,c", "", "="}, kN, arial);
    zeile(xr, yr, text("Bericht", "Concrete capacity usage"),
          Ausnutzung(r.TFSdIst, r.TFRdBeton(), t), {"h", "c", "", "="}, prozent, eta);
    yr += z.L14;
    zeile(xr, yr, text("Bericht", "Design resistance steel"), AufZehntel(r.TFRdStahl(), t),
          {"F", "Rd,s", "", "="}, kN, arial);
    zeile(xr, yr, text("Bericht", "Steel capacity usage"), Ausnutzung(r.TFSdIst, r.TFRdStahl(), t),
          {"h", "s", "", "="}, prozent, eta);
    yr += z.L14;
    zeile(xr, yr, text("Bericht", "Design resistance reinforcement"),
          AufZehntel(r.TFRdBewehrung(), t), {"F", "Rd,re", "", "="}, kN, arial);
    zeile(xr, yr, text("Bericht", "Reinforcement capacity usage"),
          Ausnutzung(r.TFSdIst, r.TFRdBewehrung(), t), {"h", "re", "", "="}, prozent, eta);
    // yr is one L10 past the last line.
    const int rechtsEnde = yr - z.L10 + z.L14;

    return std::max(linksEnde, rechtsEnde) + 2 * z.L10;
}

} // namespace vsk
