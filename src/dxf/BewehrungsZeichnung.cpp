#include "dxf/BewehrungsZeichnung.h"

#include "dxf/DxfZeichenhilfe.h"
#include "model/Anwendung.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <cstddef>
#include <string>

namespace vsk {

namespace {

constexpr int kFarbeFlaeche = 5; // member faces
constexpr int kFarbeSchnitt = 4; // cut edges of the concrete

// Number of characters of a UTF-8 text (a translated label may hold non-ASCII letters).
double Zeichenzahl(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++n;
        }
    }
    return static_cast<double>(n);
}

class Zeichnung {
public:
    Zeichnung(DXF_Object& objekt, const BewehrungsAngaben& angaben, char trenner)
        : z_(GetLayer(objekt, "0")), a_(angaben), d_(angaben.Dorn), trenner_(trenner),
          dB_(d_.DurchmB), dD_(d_.DurchmD), bb_(d_.BreiteBuegel) {}

    void Alles() {
        double unten = -(a_.h + 2 * d_.DornLaenge);
        z_.SetzeTexthoehe(45);
        z_.DxfText(text("DXF", "Reinforcement for Tervo shear connector in the building ") +
                       a_.Bezeichnung,
                   {a_.h + 500, 0});
        z_.SetzeTexthoehe(30);
        Grundriss(0, 0);
        Ansicht(0, unten);
        Schnitt(a_.Tby + 2 * d_.DornLaenge, unten);
    }

private:
    std::string Zahl(double wert) const { return FormatAllgemein(wert, trenner_); }
    static std::string Ganz(int wert) { return std::to_string(wert); }
    int HalbeAnzD() const { return d_.AnzD / 2; }

    void Grundriss(double ox, double oy) {
        double xl = ox - a_.Tby / 2;
        double xr = xl + a_.Tby;
        double tiefe = UBuegelFormVon(a_).yEnde;

        z_.DxfLinie({xl, oy}, {xr, oy}, kFarbeFlaeche, false);
        z_.DxfLinie({xl, oy - 20}, {xl, oy + tiefe + 20}, kFarbeSchnitt, false);
        z_.DxfLinie({xr, oy - 20}, {xr, oy + tiefe + 20}, kFarbeSchnitt, false);
        z_.DxfLinie({xl - 20, oy + tiefe}, {xr + 20, oy + tiefe}, kFarbeSchnitt, false);

        z_.DxfStab({ox - d_.Anker2Laenge / 2, oy + d_.Anker2Abstand},
                   {ox + d_.Anker2Laenge / 2, oy + d_.Anker2Abstand}, d_.Anker2Durchm,
                   StabEnde::Eckig, StabEnde::Eckig);
        z_.DxfStab({ox - d_.Anker1Laenge / 2, oy + d_.Anker1Abstand},
                   {ox + d_.Anker1Laenge / 2, oy + d_.Anker1Abstand}, d_.Anker1Durchm,
                   StabEnde::Eckig, StabEnde::Eckig);
        const double platte = AnkerplatteDickeMm;
        const double rippe = RippeDickeMm / 2;
        z_.DxfRechteck(ox + d_.PlatteBreite / 2, oy + platte, ox - d_.PlatteBreite / 2, oy);
        z_.DxfRechteck(ox + rippe, oy + platte + d_.RippeLaenge, ox - rippe, oy + platte);
        z_.DxfStab({ox, oy - d_.DornLaenge}, {ox, oy + d_.DornLaenge}, d_.DornDurchm,
                   StabEnde::Eckig, StabEnde::Eckig);

        for (const BStab& b : BStaebe(a_)) {
            if (b.lage == 0) {
                z_.DxfStab({xl, oy + b.y}, {xr, oy + b.y}, dB_, StabEnde::Offen, StabEnde::Offen);
            }
        }

        double yb = oy + UBuegelFormVon(a_).yEnde;
        double yf = oy + a_.cV + dD_ / 2;
        auto buegel = [&](double x) {
            z_.DxfStab({x, yf}, {x, yb}, dD_, StabEnde::Rund, StabEnde::Offen);
        };
        for (const UBuegel& u : UBuegelLagen(a_)) {
            buegel(ox + u.x);
        }

        double s2 = 2 * a_.cV + ListenSumme(d_.AbstandB, d_.AnzB);
        z_.DxfText(text("DXF", "Plan view"), {xl, oy + s2 + 175});
        std::string label = text("DXF", "Top and Bottom: ") + text("DXF", "2 x ") + Ganz(d_.AnzB) +
                            text("DXF", " - T") + Ganz(d_.DurchmB);
        double xa = ox - bb_ / 2 + ListenEintrag(d_.AbstandD, 0) / 2;
        double yl = oy + s2 + 100;
        double xt = xa + 15 * Zeichenzahl(label);
        z_.DxfLinie({xa, oy + ListenEintrag(d_.AbstandB, 0)}, {xa, yl}, 7, false);
        z_.DxfMasslinie({xa, yl}, {xt, yl}, label, 0, false);
        if (d_.AnzB > 0) {
            double xd = ox + a_.Tby / 2 + 50;
            double y = oy;
            for (int i = 0; i < d_.AnzB; ++i) {
                double abstand = ListenEintrag(d_.AbstandB, i);
                z_.DxfMasslinie({xd, y + abstand}, {xd, y}, Zahl(abstand), 90, true);
                y += abstand;
            }
        }
    }

    void Ansicht(double ox, double oy) {
        double h = a_.h;
        double xl = ox - a_.Tby / 2;
        double xr = xl + a_.Tby;
        double yb = oy - h / 2;
        double yt = yb + h;

        z_.DxfLinie({xl, yb}, {xr, yb}, kFarbeFlaeche, false);
        z_.DxfLinie({xl, yt}, {xr, yt}, kFarbeFlaeche, false);
        z_.DxfLinie({xl, yb - 20}, {xl, yt + 20}, kFarbeSchnitt, false);
        z_.DxfLinie({xr, yb - 20}, {xr, yt + 20}, kFarbeSchnitt, false);

        z_.DxfStab({ox - d_.Anker2Laenge / 2, oy}, {ox + d_.Anker2Laenge / 2, oy}, d_.Anker2Durchm,
                   StabEnde::Eckig, StabEnde::Eckig);
        z_.DxfStab({ox - d_.Anker1Laenge / 2, oy}, {ox + d_.Anker1Laenge / 2, oy}, d_.Anker1Durchm,
                   StabEnde::Eckig, StabEnde::Eckig);
        z_.DxfRechteck(ox + d_.PlatteBreite / 2, oy + d_.PlatteHoehe / 2, ox - d_.PlatteBreite / 2,
                       oy - d_.PlatteHoehe / 2);
        double g = (d_.DornMittenAbstand + d_.HuelseHoehe) / 2;
        z_.DxfRechteck(ox + d_.HuelseBreite / 2, oy - g + d_.HuelseHoehe, ox - d_.HuelseBreite / 2,
                       oy - g);
        z_.DxfRechteck(ox + d_.HuelseBreite / 2, oy + g - d_.HuelseHoehe, ox - d_.HuelseBreite / 2,
                       oy + g);
        z_.DxfKreis({ox, oy - d_.DornMittenAbstand / 2}, d_.DornDurchm / 2);
        z_.DxfKreis({ox, oy + d_.DornMittenAbstand / 2}, d_.DornDurchm / 2);

        for (int j = 0; j < d_.AnzLagen; ++j) {
            double oben = oy + BStabHoeheOben(a_, j);
            double unten = oy + BStabHoeheUnten(a_, j);
            z_.DxfStab({xl, oben}, {xr, oben}, dB_, StabEnde::Offen, StabEnde::Offen);
            z_.DxfStab({xl, unten}, {xr, unten}, dB_, StabEnde::Offen, StabEnde::Offen);
        }

        for (const UBuegel& u : UBuegelLagen(a_)) {
            z_.DxfStab({ox + u.x, oy + u.zUnten}, {ox + u.x, oy + u.zOben}, dD_, StabEnde::Rund,
                       StabEnde::Rund);
        }

        z_.DxfText(text("DXF", "View"), {xl, oy + h / 2 + 175});
        z_.DxfMasslinie({xr + 50, yt}, {xr + 50, yb}, Zahl(h), 90, true);
        double yw = oy + h / 2 + 100;
        z_.DxfMasslinie({ox - bb_ / 2, yw}, {ox + bb_ / 2, yw}, Zahl(bb_), 0, true);
        double ya = oy + h / 2 + 50;
        Point3D links(ox - bb_ / 2, ya);
        Point3D rechts(ox + bb_ / 2, ya);
        double s = 0;
        for (int i = 0; i <= HalbeAnzD() - 2; ++i) {
            double abstand = ListenEintrag(d_.AbstandD, i);
            s += abstand;
            Point3D neuLinks(ox - bb_ / 2 + s, ya);
            Point3D neuRechts(ox + bb_ / 2 - s, ya);
            z_.DxfMasslinie(neuLinks, links, Zahl(abstand), 0, true);
            z_.DxfMasslinie(rechts, neuRechts, Zahl(abstand), 0, true);
            links = neuLinks;
            rechts = neuRechts;
        }
        std::string label = text("DXF", "Vertical Reinforcement: ") + Ganz(d_.AnzD) +
                            text("DXF", " - T") + Ganz(d_.DurchmD) + text("DXF", " U-bars");
        double xa = ox - bb_ / 2;
        double yl = oy - h / 2 - 100;
        double xt = xa + 15 * Zeichenzahl(label);
        z_.DxfLinie({xa, oy - h / 4}, {xa, yl}, 7, false);
        z_.DxfMasslinie({xa, yl}, {xt, yl}, label, 0, false);
    }

    void Schnitt(double ox, double oy) {
        double h = a_.h;
        const UBuegelForm form = UBuegelFormVon(a_);
        double xe = ox + form.yEnde;
        double yb = oy - h / 2;
        double yt = yb + h;

        z_.DxfLinie({ox, yb}, {xe, yb}, kFarbeFlaeche, false);
        z_.DxfLinie({ox, yt}, {xe, yt}, kFarbeFlaeche, false);
        z_.DxfLinie({ox, yb}, {ox, yt}, kFarbeFlaeche, false);
        z_.DxfLinie({xe, yb - 20}, {xe, yt + 20}, kFarbeSchnitt, false);

        z_.DxfKreis({ox + d_.Anker2Abstand, oy}, d_.Anker2Durchm / 2);
        z_.DxfKreis({ox + d_.Anker1Abstand, oy}, d_.Anker1Durchm / 2);
        const double platte = AnkerplatteDickeMm;
        z_.DxfRechteck(ox + platte, oy + d_.PlatteHoehe / 2, ox, oy - d_.PlatteHoehe / 2);
        double rippe = (d_.DornMittenAbstand - d_.DornDurchm) / 2;
        z_.DxfRechteck(ox + platte + d_.RippeLaenge, oy + rippe, ox + platte, oy - rippe);
        for (double y : {oy - d_.DornMittenAbstand / 2, oy + d_.DornMittenAbstand / 2}) {
            z_.DxfStab({ox - d_.DornLaenge, y}, {ox + d_.DornLaenge, y}, d_.DornDurchm,
                       StabEnde::Eckig, StabEnde::Eckig);
        }

        for (const BStab& b : BStaebe(a_)) {
            z_.DxfKreis({ox + b.y, oy + b.zOben}, dB_ / 2);
            z_.DxfKreis({ox + b.y, oy + b.zUnten}, dB_ / 2);
        }

        double yT = oy + form.zOben;
        double yB = oy + form.zUnten;
        double xw = ox + form.ySteg;
        if (d_.AnzLagen > 1) {
            z_.DxfBuegel(xw, yT, yB + 50, xe, dD_, form.biegeRadius);
            yT -= 50;
        }
        z_.DxfBuegel(xw, yT, yB, xe, dD_, form.biegeRadius);

        z_.DxfText(text("DXF", "Cut"), {ox - d_.DornLaenge, oy + h / 2 + 175});
        if (d_.AnzB > 0) {
            double yc = oy - h / 2 - 100;
            double x = ox;
            for (int i = 0; i < d_.AnzB; ++i) {
                double abstand = ListenEintrag(d_.AbstandB, i);
                z_.DxfMasslinie({x, yc}, {x + abstand, yc}, Zahl(abstand), 0, true);
                x += abstand;
            }
            double summe = ListenSumme(d_.AbstandB, d_.AnzB);
            double yo = oy + h / 2 + 50;
            z_.DxfMasslinie({ox, yo}, {ox + summe, yo}, Zahl(summe), 0, true);
        }
        double xh = ox - 1.1 * d_.DornLaenge;
        z_.DxfMasslinie({xh, yt}, {xh, yb}, Zahl(h), 90, true);
        if (d_.AnzB > 0) {
            double ym = d_.DornMittenAbstand / 2;
            double xb = ox;
            double xm = ox;
            for (int i = 0; i < d_.AnzB; ++i) {
                double abstand = ListenEintrag(d_.AbstandB, i);
                xb += abstand;
                xm = xb + abstand / 2;
                z_.DxfLinie({xb, oy + h / 2 - a_.cO - dD_ - dB_ / 2}, {xm, oy + ym}, 7, false);
                z_.DxfLinie({xb, oy - h / 2 + a_.cU + dD_ + dB_ / 2}, {xm, oy - ym}, 7, false);
            }
            double x0 = ox + 1.5 * ListenEintrag(d_.AbstandB, 0);
            z_.DxfLinie({x0, oy + ym}, {xm, oy + ym}, 7, false);
            z_.DxfLinie({x0, oy - ym}, {xm, oy - ym}, 7, false);
            std::string ende = text("DXF", " - T") + Ganz(d_.DurchmB);
            std::string oben = text("DXF", "Top: ") + Ganz(d_.AnzB) + ende;
            std::string unten = text("DXF", "Bottom: ") + Ganz(d_.AnzB) + ende;
            z_.DxfMasslinie({xm, oy + ym}, {xm + 18 * Zeichenzahl(oben), oy + ym}, oben, 0, false);
            z_.DxfMasslinie({xm, oy - ym}, {xm + 18 * Zeichenzahl(unten), oy - ym}, unten, 0,
                            false);
        }
    }

    DxfZeichenhilfe z_;
    const BewehrungsAngaben& a_;
    const TKDornDaten& d_;
    char trenner_;
    double dB_;
    double dD_;
    double bb_;
};

} // namespace

void ZeichneBewehrung(DXF_Object& objekt, const BewehrungsAngaben& angaben, char trenner) {
    Zeichnung(objekt, angaben, trenner).Alles();
}

void ExportiereBewehrung(const TKAnwendung& position, char trenner, DxfExportModus modus,
                         DxfAnzeige& anzeige) {
    ZeichneBewehrung(anzeige.Zeichnung(), BewehrungsAngabenVon(position), trenner);
    if (modus == DxfExportModus::Zeigen) {
        anzeige.Zeigen();
    } else {
        anzeige.Speichern();
    }
}

} // namespace vsk
