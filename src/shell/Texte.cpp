#include "shell/Texte.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace vsk {

namespace {
Uebersetzer& AktuellerUebersetzer() {
    static Uebersetzer uebersetzer;
    return uebersetzer;
}
Sprachensammler& AktuellerSammler() {
    static Sprachensammler sammler;
    return sammler;
}
} // namespace

void SetzeSprachensammler(Sprachensammler sammler) {
    AktuellerSammler() = std::move(sammler);
}

std::vector<std::string> textInAllenSprachen(const char* kontext, const char* quelle) {
    std::vector<std::string> texte{quelle};
    auto dazu = [&texte](const std::string& t) {
        if (!t.empty() && std::find(texte.begin(), texte.end(), t) == texte.end()) {
            texte.push_back(t);
        }
    };
    dazu(text(kontext, quelle));
    if (const Sprachensammler& s = AktuellerSammler()) {
        for (const std::string& t : s(kontext, quelle)) {
            dazu(t);
        }
    }
    return texte;
}

void SetzeUebersetzer(Uebersetzer uebersetzer) {
    AktuellerUebersetzer() = std::move(uebersetzer);
}

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

std::string Kleinbuchstaben(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ErsetzeProzentS(const std::string& muster, const std::string& wert) {
    std::string ergebnis = muster;
    auto p = ergebnis.find("%s");
    if (p != std::string::npos) {
        ergebnis.replace(p, 2, wert);
    }
    return ergebnis;
}

std::string ErsetzeProzentS(const std::string& muster, std::initializer_list<std::string> werte) {
    std::string ergebnis;
    auto wert = werte.begin();
    std::size_t von = 0;
    for (std::size_t p = muster.find("%s"); p != std::string::npos && wert != werte.end();
         p = muster.find("%s", von), ++wert) {
        ergebnis.append(muster, von, p - von).append(*wert);
        von = p + 2;
    }
    return ergebnis.append(muster, von);
}

} // namespace vsk
