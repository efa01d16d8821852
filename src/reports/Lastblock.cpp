#include "reports/Berechnungsbericht.h"

#include "reports/Berichtsbilder.h"
#include "reports/Berichtszahlen.h"
#include "reports/Druckhilfen.h"
#include "shell/Texte.h"
#include "sketches/Primitive.h"

namespace vsk {

namespace {

// Multiplication sign in the Symbol font's code page.
const std::string Mal = "\u00B4";

// Draws formula parts in a row, each starting where the previous one ended.
class Formelreihe {
public:
    Formelreihe(Canvas& canvas, int x, int y) : c_(canvas), x_(x), y_(y) {}

    Formelreihe& Text(const std::string& t) {
        c_.schrift.name = "Arial";
        c_.TextOut(x_, y_, t);
        x_ += c_.TextWidth(t);
        return *this;
    }
    Formelreihe& Symbol(const std::string& t) {
        c_.schrift.name = "Symbol";
        c_.TextOut(x_, y_, t);
        x_ += c_.TextWidth(t);
        c_.schrift.name = "Arial";
        return *this;
    }
    Formelreihe& MitIndex(const std::string& t, const std::string& index) {
        c_.schrift.name = "Arial";
        c_.TextOut(x_, y_, t);
        x_ = TextTief(c_, x_ + c_.TextWidth(t), y_, index);
        return *this;
    }
    Formelreihe& Index(const std::string& index) {
        c_.schrift.name = "Arial";
        x_ = TextTief(c_, x_, y_, index);
        return *this;
    }
    int X() const { return x_; }

private:
    Canvas& c_;
    int x_;
    int y_;
};

int BreiteMitIndex(Canvas& canvas, const std::string& t, const std::string& index) {
    const int w = canvas.TextWidth(t);
    const int groesse = canvas.schrift.groesse;
    canvas.schrift.groesse = groesse * 3 / 4;
    const int wi = canvas.TextWidth(index);
    canvas.schrift.groesse = groesse;
    return w + wi;
}

struct Block {
    Canvas& c;
    const Berichtskontext& k;
    int x;
    int symbolOffset;
    int wertOffset;

    int L10() const { return k.druck.L10; }

    void Zeile(int y, int xz, const std::string& label, const std::string& wert,
               const Formeltexte& t, const std::string& einheit, bool symbolSchrift = false) {
        Formelschriften s;
        if (symbolSchrift) {
            s.symbol = "Symbol";
        }
        Formelzeile(c, label, wert, wertOffset, symbolOffset, y, xz, s, t, einheit);
        c.schrift.name = "Arial";
    }

    // The five input lines of one load; labels only when beschriften is set.
    int FuenfZeilen(int y, int xz, const TKLast& last, const std::string& sym,
                    const std::string& seite, const std::string& einheit, bool beschriften) {
        const char t = k.trenner;
        y += L10();
        Zeile(y, xz, beschriften ? text("Bericht", "Dead load") : "", AufZehntel(last.TGk(), t),
              {sym, "g" + seite, "", "="}, einheit);
        y += L10();
        Zeile(y, xz, beschriften ? text("Bericht", "Partial safety factor") : "",
              AufHundertstel(last.Tgg(), t), {"g", "g", "", "="}, "", true);
        y += L10();
        Zeile(y, xz, beschriften ? text("Bericht", "Imposed load") : "", AufZehntel(last.TQk(), t),
              {sym, "q" + seite, "", "="}, einheit);
        y += L10();
        Zeile(y, xz, beschriften ? text("Bericht", "Partial safety factor") : "",
              AufHundertstel(last.Tgq(), t), {"g", "q", "", "="}, "", true);
        y += L10();
        Zeile(y, xz, beschriften ? text("Bericht", "Additional design load") : "",
              AufZehntel(last.TF1(), t), {sym, "d" + seite, "", "="}, einheit);
        return y;
    }

    // sym_Ed = sym_g x gamma_g + sym_q x gamma_q + sym_d, each index with the side suffix.
    void Summenformel(int y, const std::string& sym, const std::string& seite) {
        Formelreihe(c, x + symbolOffset, y).MitIndex(sym, "Ed" + seite);
        Formelreihe(c, x + symbolOffset + wertOffset, y)
            .Text("=  ")
            .MitIndex(sym, "g" + seite)
            .Symbol(" " + Mal + " g")
            .Index("g")
            .MitIndex(" + " + sym, "q" + seite)
            .Symbol(" " + Mal + " g")
            .Index("q")
            .MitIndex(" + " + sym, "d" + seite);
    }

    // F_Sd,act = F_Sd,tot / n_D with the legend n_D = no. of dowels beside the fraction.
    void Dornbruch(int y, int xStart, bool mitLabel) {
        if (mitLabel) {
            c.TextOut(x, y, text("Bericht", "Connector design load"));
        }
        const int a = Formelreihe(c, xStart, y).MitIndex("F", "Sd,act").Text("  =  ").X();
        // The bar is as wide as symbol and index written at full size, a little wider
        // than the numerator with its smaller index.
        const int w = c.TextWidth("F" + std::string("Sd,tot"));
        c.MoveTo(a, y + L10() / 2);
        c.LineTo(a + w, y + L10() / 2);
        Formelreihe(c, a + w + c.TextWidth("     "), y)
            .MitIndex("n", "D")
            .Text(" = " + text("Bericht", "no. of dowels"));
        Formelreihe(c, a, y - L10() / 2).MitIndex("F", "Sd,tot");
        const int wn = BreiteMitIndex(c, "n", "D");
        Formelreihe(c, a + (w - wn) / 2, y + L10() / 2).MitIndex("n", "D");
    }

    int BildBeliebigeLastZeichnen(int y) {
        const BildMass m = EigeneGroesse(BildBeliebigeLast);
        const int oben = y + L10();
        return oben +
               BildSkaliert(c, k.druck, BildBeliebigeLast, {x, oben, x + m.breite, oben + m.hoehe});
    }
};

} // namespace

int Lastblock(Canvas& canvas, const Berichtskontext& k, int x, int y, int symbolOffset,
              bool lastseite, int wertOffset) {
    const TKBelastung& b = k.Anwendung().cBelastungDesign;
    Block bl{canvas, k, x, symbolOffset, wertOffset};
    const int L10 = k.druck.L10;
    const char t = k.trenner;
    const std::string kNm = "kN/m";

    canvas.schrift.name = "Arial";
    canvas.schrift.groesse = 9;
    canvas.schrift.stil = Kursiv | Unterstrichen;
    switch (b.TBelastungsfall) {
    case Belastungsfall::Punktlast:
        canvas.TextOut(x, y, text("Bericht", "Single load to connector"));
        break;
    case Belastungsfall::Konstant:
        canvas.TextOut(x, y, text("Bericht", "Linear load"));
        break;
    case Belastungsfall::Linear:
        canvas.TextOut(x, y, text("Bericht", "Uniform distributed load"));
        break;
    case Belastungsfall::Beliebig:
        canvas.TextOut(x, y, text("Bericht", "Varying distributed load"));
        break;
    default:
        break;
    }
    canvas.schrift.stil = Normal;
    const std::string summe = text("Bericht", "Total design load");

    switch (b.TBelastungsfall) {
    case Belastungsfall::Punktlast: {
        const TKLast& p = b.cPunktlast;
        y = bl.FuenfZeilen(y, x, p, "V", "", "kN", true);
        y += L10 + L10 / 2;
        canvas.TextOut(x, y, summe);
        bl.Summenformel(y, "V", "");
        y += L10;
        bl.Zeile(y, x, "", AufZehntel(p.TFd(), t), {"V", "Ed", "", "="}, "kN");
        y += L10 + L10 / 2;
        canvas.TextOut(x, y, text("Bericht", "Connector design load"));
        Formelreihe(canvas, x + symbolOffset, y)
            .MitIndex("F", "Sd,act")
            .Text("  =  ")
            .MitIndex("V", "Ed");
        break;
    }
    case Belastungsfall::Konstant: {
        const TKLast& l = b.cLinienLastLinks;
        y = bl.FuenfZeilen(y, x, l, "q", "", kNm, true);
        y += L10 + L10 / 2;
        canvas.TextOut(x, y, summe);
        bl.Summenformel(y, "q", "");
        y += L10;
        bl.Zeile(y, x, "", AufZehntel(l.TFd(), t), {"q", "Ed", "", "="}, kNm);
        y += 2 * L10;
        bl.Dornbruch(y, x + symbolOffset, true);
        // Half a line more than a plain line step: the fraction's denominator above
        // reaches below the next line's top.
        y += L10 + L10 / 2;
        Formelreihe(canvas, x + symbolOffset, y)
            .MitIndex(text("Bericht", "with F"), "Sd,tot")
            .Text("  =  ")
            .MitIndex("l", "f")
            .Symbol(" " + Mal + " ")
            .MitIndex("q", "Ed");
        break;
    }
    case Belastungsfall::Linear: {
        const TKLast& l = b.cLinienLastLinks;
        const TKLast& r = b.cLinienLastRechts;
        const int xr = x + k.druck.CmX(2.75);
        bl.FuenfZeilen(y, xr, r, "q", ",R", kNm, false);
        y = bl.FuenfZeilen(y, x, l, "q", ",L", kNm, true);
        y += L10 + L10 / 2;
        canvas.TextOut(x, y, summe);
        bl.Summenformel(y, "q", ",L");
        y += L10;
        bl.Summenformel(y, "q", ",R");
        y += L10;
        bl.Zeile(y, x, "", AufZehntel(l.TFd(), t), {"q", "Ed,L", "", "="}, kNm);
        bl.Zeile(y, xr, "", AufZehntel(r.TFd(), t), {"q", "Ed,R", "", "="}, kNm);
        y += 2 * L10;
        bl.Dornbruch(y, x + symbolOffset, true);
        // Two lines: the raised numerator below must clear the denominator above.
        y += 2 * L10;
        const int a = Formelreihe(canvas, x + symbolOffset, y)
                          .MitIndex("F", "Sd,tot")
                          .Text("  =  ")
                          .MitIndex("l", "f")
                          .Symbol(" " + Mal + " ")
                          .X();
        const int ende = Formelreihe(canvas, a, y - L10 / 2)
                             .MitIndex("q", "Ed,L")
                             .Text(" + ")
                             .MitIndex("q", "Ed,R")
                             .X();
        canvas.MoveTo(a, y + L10 / 2);
        canvas.LineTo(ende, y + L10 / 2);
        canvas.TextOut(a + (ende - a - canvas.TextWidth("2")) / 2, y + L10 / 2, "2");
        break;
    }
    case Belastungsfall::Beliebig: {
        if (lastseite) {
            const auto& punkte = b.Punkte();
            for (std::size_t i = 0; i < punkte.size(); ++i) {
                y += L10;
                bl.Zeile(y, x, i == 0 ? summe : "", InMetern(punkte[i].x, t), {"x", "", "", "="},
                         "m");
                bl.Zeile(y, x + k.druck.CmX(2.5), "", AufZehntel(punkte[i].y, t),
                         {"q", "Ed", "", "="}, kNm);
            }
            y += L10;
            if (punkte.empty()) {
                bl.Zeile(y, x, summe, "", {"", "", "", "="}, "");
            } else {
                bl.Zeile(y, x, "", AufZehntel(punkte.back().y, t), {"q", "Ed", "", "="}, kNm);
            }
            y = bl.BildBeliebigeLastZeichnen(y);
        } else {
            y += L10;
            bl.Zeile(y, x, summe, "", {text("Bericht", "see next page"), "", "", "="}, "");
            y = bl.BildBeliebigeLastZeichnen(y);
            y += L10;
            bl.Dornbruch(y, x, false);
        }
        break;
    }
    default:
        break;
    }
    return y + 2 * L10;
}

} // namespace vsk
