#include "model/Anwendung.h"

#include "shell/Einstellungen.h"
#include "shell/Texte.h"

#include <algorithm>

namespace vsk {

namespace {

constexpr const char* sektion = "Anwenderdaten";

std::uint8_t Klemme(int wert, int hoechstens) {
    return static_cast<std::uint8_t>(std::clamp(wert, 0, hoechstens));
}

} // namespace

TKAnwendung::TKAnwendung() : TPosition(text("Objektmodell", "Unnamed")) {}

TKAnwendung::TKAnwendung(const Einstellungen& e) : TKAnwendung() {
    TAktLand = Klemme(e.ReadInteger(sektion, "Land", 0), 255);
    TMaxDornabstand = Klemme(e.ReadInteger(sektion, "Bemessung", 1), 1);
    TStahlguete = Klemme(e.ReadInteger(sektion, "Stahlguete", 0), 1);
    TGammaMs = e.ReadFloat(sektion, "GammaMs", 1.05);
    // All loads are zero here, so setting a factor leaves TFd at 0.
    TKBelastung& b = cBelastungDesign;
    b.cPunktlast.setTgg(e.ReadFloat(sektion, "Punktlast_Tgg", 1.35));
    b.cPunktlast.setTgq(e.ReadFloat(sektion, "Punktlast_Tgq", 1.5));
    b.cLinienLastLinks.setTgg(e.ReadFloat(sektion, "LinienlastLinks_Tgg", 1.35));
    b.cLinienLastLinks.setTgq(e.ReadFloat(sektion, "LinienlastLinks_Tgq", 1.5));
    b.cLinienLastRechts.setTgg(e.ReadFloat(sektion, "LinienlastRechts_Tgg", 1.35));
    b.cLinienLastRechts.setTgq(e.ReadFloat(sektion, "LinienlastRechts_Tgq", 1.5));
}

void TKAnwendung::SchreibeBemessungsvorgaben(Einstellungen& e) const {
    e.SchreibeZusammen([&] {
        e.WriteInteger(sektion, "Bemessung", TMaxDornabstand);
        e.WriteInteger(sektion, "Stahlguete", TStahlguete);
        e.WriteFloat(sektion, "GammaMs", TGammaMs);
    });
}

void TKAnwendung::SchreibeLastfaktoren(Einstellungen& e) const {
    const TKBelastung& b = cBelastungDesign;
    e.SchreibeZusammen([&] {
        e.WriteFloat(sektion, "Punktlast_Tgg", b.cPunktlast.Tgg());
        e.WriteFloat(sektion, "Punktlast_Tgq", b.cPunktlast.Tgq());
        e.WriteFloat(sektion, "LinienlastLinks_Tgg", b.cLinienLastLinks.Tgg());
        e.WriteFloat(sektion, "LinienlastLinks_Tgq", b.cLinienLastLinks.Tgq());
        e.WriteFloat(sektion, "LinienlastRechts_Tgg", b.cLinienLastRechts.Tgg());
        e.WriteFloat(sektion, "LinienlastRechts_Tgq", b.cLinienLastRechts.Tgq());
    });
}

} // namespace vsk
