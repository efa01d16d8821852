#include "model/Projektausschnitt.h"

#include "model/Modell.h"

#include <algorithm>

namespace vsk {

namespace {

Projektwerte WerteVon(const TKModell& m) {
    return {m.TAktAnwendung,       m.TTempFlag,      m.TCalcFlag,       m.TEingabeDorn,
            m.TEingabeFugenbreite, m.TSkizzeAnzeige, m.TErgebnisAnzeige};
}

// The copy of position `nummer` in the states of vorrat, when it equals the position.
Positionskopie Geteilt(const std::vector<const Projektausschnitt*>& vorrat, int nummer,
                       const TKAnwendung& position) {
    for (const Projektausschnitt* zustand : vorrat) {
        const int i = nummer - zustand->ab;
        if (i >= 0 && i < static_cast<int>(zustand->positionen.size())) {
            const Positionskopie& kopie = zustand->positionen[static_cast<std::size_t>(i)];
            if (*kopie == position) {
                return kopie;
            }
        }
    }
    return nullptr;
}

template <class T>
bool GleicherTeil(const std::shared_ptr<const T>& a, const std::shared_ptr<const T>& b) {
    return a == b || (a && b && *a == *b);
}

} // namespace

Projektausschnitt Erfasse(const TKModell& m, const Bearbeitungsumfang& umfang, int anzahl,
                          const std::vector<const Projektausschnitt*>& vorrat) {
    Projektausschnitt z;
    z.ab = umfang.ab;
    z.werte = WerteVon(m);
    z.positionen.reserve(static_cast<std::size_t>(std::max(anzahl, 0)));
    for (int k = umfang.ab; k < umfang.ab + anzahl; ++k) {
        const TKAnwendung& position = m.Anwendung(k);
        Positionskopie kopie = Geteilt(vorrat, k, position);
        z.positionen.push_back(kopie ? std::move(kopie)
                                     : std::make_shared<const TKAnwendung>(position));
    }
    if (umfang.projektdaten) {
        z.projektdaten = std::make_shared<const TKProjektdaten>(m.Projektbeschreibung);
    }
    if (umfang.stueckliste) {
        z.stueckliste = std::make_shared<const TKStueckliste>(m.Stueckliste);
    }
    return z;
}

bool GleicherInhalt(const Projektausschnitt& a, const Projektausschnitt& b) {
    if (a.ab != b.ab || a.positionen.size() != b.positionen.size() ||
        !GleicherTeil(a.projektdaten, b.projektdaten) ||
        !GleicherTeil(a.stueckliste, b.stueckliste)) {
        return false;
    }
    for (std::size_t i = 0; i < a.positionen.size(); ++i) {
        if (!GleicherTeil(a.positionen[i], b.positionen[i])) {
            return false;
        }
    }
    return true;
}

bool Stelle(TKModell& m, const Projektausschnitt& zustand, int ersetzt) {
    std::vector<TKAnwendung> positionen;
    positionen.reserve(zustand.positionen.size());
    for (const Positionskopie& kopie : zustand.positionen) {
        positionen.push_back(*kopie);
    }
    if ((ersetzt > 0 || !positionen.empty()) &&
        !m.TauschePositionen(zustand.ab, ersetzt, std::move(positionen))) {
        return false;
    }
    const Projektwerte& w = zustand.werte;
    m.TTempFlag = w.TTempFlag;
    m.TCalcFlag = w.TCalcFlag;
    m.TEingabeDorn = w.TEingabeDorn;
    m.TEingabeFugenbreite = w.TEingabeFugenbreite;
    m.TSkizzeAnzeige = w.TSkizzeAnzeige;
    m.TErgebnisAnzeige = w.TErgebnisAnzeige;
    m.TAktAnwendung = std::clamp<std::uint16_t>(w.TAktAnwendung, 1, m.TAnzAnwendung());
    if (zustand.projektdaten) {
        m.Projektbeschreibung = *zustand.projektdaten;
    }
    if (zustand.stueckliste) {
        m.Stueckliste = *zustand.stueckliste;
    }
    return true;
}

} // namespace vsk
