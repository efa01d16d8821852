#pragma once
// A project, text tables and a report context laid out for a 600 dpi printer page, for
// the report tests.

#include "canvas/Aufzeichnung.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Berichtskontext.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vsk::test {

struct Berichtsumgebung {
    TKModell modell;
    TKTexttabellen texte = ErzeugeTexttabellen();
    Berichtskontext k{modell, texte, "09.12.2026", '.'};
    Aufzeichnung canvas{600};

    Berichtsumgebung() { Einrichten(); }

    void Einrichten() {
        k.linienbreite = MasseEinrichten(k.druck, canvas, false, 96);
        SeiteEinrichten(k.druck, StandardDruckergeometrie());
    }

    TKAnwendung& Position() { return modell.AktuelleAnwendung(); }
    TKDornErgebnis& Ergebnis() { return Position().cErgebnisse.AktDornErgebnis(); }
};

// The first TextOut whose text is t.
inline std::optional<Aufgezeichnet> Text(const Aufzeichnung& c, const std::string& t) {
    auto it = std::find_if(c.ops.begin(), c.ops.end(), [&](const Aufgezeichnet& a) {
        return a.op == Operation::TextOut && a.text == t;
    });
    if (it == c.ops.end()) {
        return std::nullopt;
    }
    return *it;
}

inline bool HatText(const Aufzeichnung& c, const std::string& t) {
    return Text(c, t).has_value();
}

// Index of the first TextOut with text t, or -1.
inline int TextIndex(const Aufzeichnung& c, const std::string& t) {
    for (std::size_t i = 0; i < c.ops.size(); ++i) {
        if (c.ops[i].op == Operation::TextOut && c.ops[i].text == t) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace vsk::test
