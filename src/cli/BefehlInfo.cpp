// vsk-cli info FILE: the project description and the listing of its positions.

#include "cli/Befehle.h"
#include "cli/ProjektLaden.h"
#include "model/Explorer.h"

#include <QCoreApplication>
#include <iostream>

namespace vsk::cli {

namespace {

std::string Text(const char* quelle) {
    return QCoreApplication::translate("vsk-cli", quelle).toStdString();
}

// The console's locale, but without messages: the file was already read once with them.
class StillePlattform : public Plattform {
public:
    explicit StillePlattform(const Plattform& basis) : basis_(basis) {}
    char Dezimaltrenner() const override { return basis_.Dezimaltrenner(); }
    std::string HeuteText() const override { return basis_.HeuteText(); }
    int SystemSprachID() const override { return basis_.SystemSprachID(); }
    std::filesystem::path Einstellungsdatei() const override { return basis_.Einstellungsdatei(); }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    bool FrageJaNein(const std::string&) override { return false; }
    Antwort FrageJaNeinAbbrechen(const std::string&) override { return Antwort::Abbrechen; }

private:
    const Plattform& basis_;
};

int Ausfuehren(const Argumente& argumente) {
    if (argumente.size() != 1) {
        std::cerr << "vsk-cli info: " << Text("expects exactly one project file") << '\n';
        return 2;
    }
    auto projekt = LadeProjekt(argumente[0]);
    if (!projekt) {
        return 1;
    }
    const TKProjektdaten& d = projekt->modell.Projektbeschreibung;
    std::cout << Text("Project:") << ' ' << d.TBauvorhaben << '\n';
    const std::string firma = Text("Company:");
    std::cout << firma;
    for (std::size_t i = 0; i < d.TFirma.size(); ++i) {
        std::cout << (i == 0 ? std::string(" ") : std::string(firma.size() + 1, ' ')) << d.TFirma[i]
                  << '\n';
    }
    if (d.TFirma.empty()) {
        std::cout << '\n';
    }
    std::cout << Text("Designer:") << ' ' << d.TBearbeiter << '\n';
    std::cout << Text("Date:") << ' ' << d.TDatum << '\n';

    StillePlattform still(KonsolenPlattform());
    TKExplorer explorer;
    const auto& zeilen = explorer.ReadProjektFile(argumente[0], still);
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        std::cout << "No: " << k + 1;
        for (const auto& text : zeilen[k]) {
            std::cout << '\t' << text;
        }
        std::cout << '\n';
    }
    return 0;
}

} // namespace

Befehl BefehlInfo() {
    return {"info",
            "  info FILE\n"
            "      the project description and one line per position: program, building\n"
            "      project, position, application case, joint length, date (tab-separated)\n",
            Ausfuehren};
}

} // namespace vsk::cli
