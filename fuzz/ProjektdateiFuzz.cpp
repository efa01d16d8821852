// libFuzzer target for the project file reader: opening and listing any byte string must
// neither crash nor run away; a project that opens must export its schedule and write back
// to a file that opens again and writes back to the same text.

#include "model/Explorer.h"
#include "model/Modell.h"
#include "model/ProjektSchreiben.h"
#include "model/Projektdatei.h"
#include "reports/ListeExport.h"
#include "shell/Plattform.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class StillePlattform : public vsk::Plattform {
public:
    char Dezimaltrenner() const override { return '.'; }
    std::string HeuteText() const override { return "09.12.2026"; }
    int SystemSprachID() const override { return 2057; }
    std::filesystem::path Einstellungsdatei() const override { return "/nonexistent/VSK.INI"; }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    bool FrageJaNein(const std::string&) override { return false; }
    vsk::Antwort FrageJaNeinAbbrechen(const std::string&) override {
        return vsk::Antwort::Abbrechen;
    }
};

std::string Text(const vsk::TKModell& modell) {
    auto dokument = vsk::BaueProjektDokument(modell, "fuzz.VSK", ',');
    if (!dokument) {
        std::abort();
    }
    auto text = vsk::xml::Schreibe(dokument.get());
    if (!text) {
        std::abort();
    }
    return *text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    StillePlattform plattform;
    std::string_view inhalt(reinterpret_cast<const char*>(daten), groesse);

    vsk::TKExplorer explorer;
    explorer.ReadProjektText(inhalt, plattform);

    vsk::TKModell modell;
    if (!vsk::LoadProjektText(modell, inhalt, plattform)) {
        return 0;
    }
    // The schedule export handles whatever texts the file brought.
    const auto zeilen = vsk::ListeTextZeilen(modell.Projektbeschreibung, modell.Stueckliste, "d");
    if (zeilen.size() < 11) {
        std::abort();
    }
    const std::string erster = Text(modell);
    vsk::TKModell wieder;
    if (!vsk::LoadProjektText(wieder, erster, plattform) || Text(wieder) != erster) {
        std::abort(); // what was read must survive a save
    }
    return 0;
}
