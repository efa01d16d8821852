#include "design/ProjektOeffnen.h"

#include "design/Bemessung.h"
#include "design/Plausibilitaet.h"
#include "katalog/Katalog.h"
#include "model/Modell.h"
#include "model/Projektdatei.h"
#include "shell/StillePlattform.h"

namespace vsk {

namespace {

void Ergaenze(TKModell& modell, const Leseergebnis& ergebnis, const Plattform& plattform) {
    for (std::uint16_t nummer : ergebnis.ohneBewehrungsdaten) {
        LeiteBewehrungAb(modell.Anwendung(nummer), plattform);
    }
}

} // namespace

void LeiteBewehrungAb(TKAnwendung& anwendung, const Plattform& plattform) {
    // Inputs that the Calculation command refuses (a broken or hand-made file) are not
    // designed here either: the catalogue's records stay.
    if (!PruefeEingaben(anwendung).empty()) {
        return;
    }
    // The arrangement's message about load points beyond the joint was the user's when the
    // position was designed; the copy designs silently.
    StillePlattform still(plattform);
    TKAnwendung entwurf = anwendung;
    RunDesign(entwurf, still);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        anwendung.cErgebnisse.DornDaten(typ) = entwurf.cErgebnisse.DornDaten(typ);
    }
}

Leseergebnis OeffneProjektdatei(TKModell& modell, const std::filesystem::path& pfad,
                                Plattform& plattform) {
    Leseergebnis ergebnis = LoadProjekt(modell, pfad, plattform);
    if (ergebnis) {
        Ergaenze(modell, ergebnis, plattform);
    }
    return ergebnis;
}

Leseergebnis ImportierePosition(TKModell& modell, const std::filesystem::path& pfad, int zeile,
                                Plattform& plattform) {
    Leseergebnis ergebnis = ImportAnwendung(modell, pfad, zeile, plattform);
    if (ergebnis) {
        Ergaenze(modell, ergebnis, plattform);
    }
    return ergebnis;
}

} // namespace vsk
