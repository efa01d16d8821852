#include "model/Stueckliste.h"

#include "shell/Texte.h"

#include <algorithm>

namespace vsk {

std::string TextAktiv() {
    return text("Stueckliste", "Active");
}
std::string TextNichtAktiv() {
    return text("Stueckliste", "Not active");
}

bool IstAktivText(const std::string& status) {
    if (status == TextAktiv()) {
        return true;
    }
    if (status.empty() || status == TextNichtAktiv()) {
        return false;
    }
    const std::vector<std::string> aktiv = textInAllenSprachen("Stueckliste", "Active");
    return std::find(aktiv.begin(), aktiv.end(), status) != aktiv.end();
}

void TKStueckliste::DeleteEintrag(int k) {
    if (Gueltig(k)) {
        eintraege_.erase(eintraege_.begin() + (k - 1));
    }
}

void TKStueckliste::ReplaceEintrag(Eintrag eintrag, int k) {
    if (Gueltig(k)) {
        eintraege_[static_cast<std::size_t>(k - 1)] = std::move(eintrag);
    }
}

TKStueckliste::Eintrag& TKStueckliste::GetEintrag(int k) {
    static Eintrag leer;
    if (!Gueltig(k)) {
        leer.clear(); // whatever a caller wrote into it last time
        return leer;
    }
    return eintraege_[static_cast<std::size_t>(k - 1)];
}

const TKStueckliste::Eintrag& TKStueckliste::GetEintrag(int k) const {
    static const Eintrag leer;
    return Gueltig(k) ? eintraege_[static_cast<std::size_t>(k - 1)] : leer;
}

bool TKStueckliste::IstAktiv(int k) const {
    const Eintrag& e = GetEintrag(k);
    return e.size() > StuecklisteSpalte::Status && IstAktivText(e[StuecklisteSpalte::Status]);
}

} // namespace vsk
