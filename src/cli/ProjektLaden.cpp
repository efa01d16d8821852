#include "cli/ProjektLaden.h"

#include "design/ProjektOeffnen.h"
#include "model/Projektdatei.h"
#include "shell/qt/QtDateien.h"
#include "shell/qt/QtPlattform.h"

#include <QCoreApplication>
#include <vector>

namespace vsk::cli {

namespace {

// Passes everything on and remembers the messages shown.
class MitschreibendePlattform : public Plattform {
public:
    explicit MitschreibendePlattform(Plattform& ziel) : ziel_(ziel) {}

    char Dezimaltrenner() const override { return ziel_.Dezimaltrenner(); }
    std::string HeuteText() const override { return ziel_.HeuteText(); }
    int SystemSprachID() const override { return ziel_.SystemSprachID(); }
    std::filesystem::path Einstellungsdatei() const override { return ziel_.Einstellungsdatei(); }
    void Meldung(const std::string& text) override {
        meldungen.push_back(text);
        ziel_.Meldung(text);
    }
    void Information(const std::string& text) override {
        meldungen.push_back(text);
        ziel_.Information(text);
    }
    void Fehler(const std::string& text) override { ziel_.Fehler(text); }
    bool FrageJaNein(const std::string& text) override { return ziel_.FrageJaNein(text); }
    Antwort FrageJaNeinAbbrechen(const std::string& text) override {
        return ziel_.FrageJaNeinAbbrechen(text);
    }

    std::vector<std::string> meldungen;

private:
    Plattform& ziel_;
};

bool Enthaelt(const std::vector<std::string>& liste, const std::string& text) {
    for (const auto& s : liste) {
        if (s == text) {
            return true;
        }
    }
    return false;
}

} // namespace

Plattform& KonsolenPlattform() {
    static QtPlattform plattform(PfadAus(QCoreApplication::applicationFilePath()));
    return plattform;
}

std::optional<GeladenesProjekt> LadeProjekt(const std::string& pfad, Plattform& plattform) {
    MitschreibendePlattform mit(plattform);
    GeladenesProjekt projekt{TKModell(nullptr, plattform.HeuteText()), false};
    const bool ok = static_cast<bool>(OeffneProjektdatei(projekt.modell, pfad, mit));
    projekt.alteVersion = Enthaelt(mit.meldungen, TextAlteVersion());
    if (!ok) {
        return std::nullopt;
    }
    return projekt;
}

} // namespace vsk::cli
