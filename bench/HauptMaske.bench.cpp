// The main window on the offscreen platform: from nothing to the shown window with its
// first sketch, and the Calculation command from the click to the redrawn results.

#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "shell/Plattform.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

// Quiet platform services: nothing is shown, questions answer No.
class StillePlattform final : public vsk::Plattform {
public:
    char Dezimaltrenner() const override { return '.'; }
    std::string HeuteText() const override { return "09.12.2026"; }
    int SystemSprachID() const override { return 2057; }
    std::filesystem::path Einstellungsdatei() const override {
        return std::filesystem::temp_directory_path() / "vsk-bench-HauptMaske.INI";
    }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    bool FrageJaNein(const std::string&) override { return false; }
    vsk::Antwort FrageJaNeinAbbrechen(const std::string&) override { return vsk::Antwort::Nein; }
};

void BM_FensterZeigen(benchmark::State& state) {
    StillePlattform plattform;
    for (auto _ : state) {
        vsk::Programm programm(plattform);
        vsk::TfrmHauptMaske fenster(programm);
        fenster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenster.Skizze().Bild().constBits());
        state.PauseTiming();
        fenster.Freigeben();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FensterZeigen)->Unit(benchmark::kMillisecond);

void BM_Berechnung(benchmark::State& state) {
    StillePlattform plattform;
    vsk::Programm programm(plattform);
    vsk::TfrmHauptMaske fenster(programm);
    fenster.show();
    QApplication::processEvents();
    vsk::TKBelastung& b = programm.AktAnwendung().cBelastungDesign;
    b.cLinienLastLinks.SetFdDirekt(50);
    b.cLinienLastRechts.SetFdDirekt(50);
    fenster.AktualisiereEingaben();
    for (auto _ : state) {
        fenster.Aktionen().berechnung->trigger();
        QApplication::processEvents(); // the list and the sketch are painted
    }
    fenster.Freigeben();
}
BENCHMARK(BM_Berechnung)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(std::filesystem::temp_directory_path() / "vsk-bench-HauptMaske.INI");
    return 0;
}
