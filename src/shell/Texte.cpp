#include "shell/Texte.h"

#include <utility>

namespace vsk {

namespace {
Uebersetzer& AktuellerUebersetzer() {
    static Uebersetzer uebersetzer;
    return uebersetzer;
}
} // namespace

void SetzeUebersetzer(Uebersetzer uebersetzer) { AktuellerUebersetzer() = std::move(uebersetzer); }

std::string text(const char* kontext, const char* quelle) {
    const Uebersetzer& u = AktuellerUebersetzer();
    if (u) {
        std::string uebersetzt = u(kontext, quelle);
        if (!uebersetzt.empty()) {
            return uebersetzt;
        }
    }
    return quelle;
}

std::string ErsetzeProzentS(const std::string& muster, const std::string& wert) {
    std::string ergebnis = muster;
    auto p = ergebnis.find("%s");
    if (p != std::string::npos) {
        ergebnis.replace(p, 2, wert);
    }
    return ergebnis;
}

} // namespace vsk
