#include "design/Plausibilitaet.h"

#include "model/Modell.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <cmath>

namespace vsk {

namespace {

// A file may hold "NAN" or "INF" where a number belongs; no check below would see it.
bool AlleZahlenEndlich(const TKAnwendung& anw) {
    const TKGeometrie& g = anw.cGeometrie;
    const TKBelastung& b = anw.cBelastungDesign;
    bool endlich = true;
    for (double wert : {g.TFugenlaenge, g.TNutzhoehe, g.TBetondeckungUnten, g.TBetondeckungOben,
                        g.TBetondeckungVorn, g.TPlatteDicke, g.TWandDicke, g.TBauteilRandLinks,
                        g.TBauteilRandRechts, b.cPunktlast.TFd(), b.cLinienLastLinks.TFd(),
                        b.cLinienLastRechts.TFd()}) {
        endlich = endlich && std::isfinite(wert);
    }
    for (const TPunkt& p : b.Punkte()) {
        endlich = endlich && std::isfinite(p.x) && std::isfinite(p.y);
    }
    return endlich;
}

} // namespace

std::vector<std::string> PruefeEingaben(const TKAnwendung& anw) {
    const TKGeometrie& g = anw.cGeometrie;
    std::vector<std::string> hinweise;
    if (!AlleZahlenEndlich(anw)) {
        hinweise.push_back(text("Eingabe", "An input value is not a number. Please check!"));
    }
    if (g.TPlatteDicke > MaxPlattenDicke) {
        hinweise.push_back(ErsetzeProzentS(
            text("Eingabe", "The thickness of the concrete slab is greater than %s mm. Please "
                            "check!"),
            FormatAllgemein(MaxPlattenDicke)));
    }
    if (g.TPlatteDicke < MinPlattenDicke) {
        hinweise.push_back(text("Eingabe",
                                "The thickness of the concrete slab is less than the minimum "
                                "thickness of concrete for the smallest shear connector!"));
    }
    if (g.TPlatteDicke - g.TBetondeckungUnten < g.TNutzhoehe) {
        hinweise.push_back(text("Eingabe",
                                "The thickness of the concrete slab to be connected is less "
                                "than the structural effective height!"));
    }
    if (g.TNutzhoehe + 1 > g.TPlatteDicke) {
        hinweise.push_back(text("Eingabe",
                                "The thickness of the concrete slab to be connected is less "
                                "than the structural effective height!"));
    }
    if (g.TNutzhoehe < 10) {
        hinweise.push_back(text("Eingabe", "Structural effective height is < 10mm. Please check!"));
    }
    if (g.TBetondeckungOben < 10) {
        hinweise.push_back(text("Eingabe", "Concrete cover above is <10mm. Please check"));
    }
    if (g.TBetondeckungUnten < 10) {
        hinweise.push_back(text("Eingabe", "Concrete cover below is <10mm.Please check"));
    }
    if (g.TBetondeckungOben + g.TBetondeckungUnten > g.TPlatteDicke) {
        hinweise.push_back(text("Eingabe",
                                "The sum of the concrete cover is greater than the thickness "
                                "of the concrete slab to be connected!"));
    }
    if (anw.TAnwendungsfall == Anwendungsfall::ReiheWand && g.TWandDicke < 200) {
        hinweise.push_back(text("Eingabe",
                                "The wall thickness is less than the minimum required "
                                "thickness of concrete for the smallest shear connector!"));
    }
    return hinweise;
}

std::vector<std::string> PruefeVorBemessung(TKModell& modell) {
    std::vector<std::string> hinweise = PruefeEingaben(modell.AktuelleAnwendung());
    modell.TCalcFlag = hinweise.empty() ? 1 : 0;
    return hinweise;
}

} // namespace vsk
