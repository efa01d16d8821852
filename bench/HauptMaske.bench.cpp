// The main window on the offscreen platform: from nothing to the shown window with its
// first sketch, and the Calculation command from the click to the redrawn results.

#include "Messplattform.h"
#include "Projektgenerator.h"

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "model/Projektdatei.h"
#include "shell/Plattform.h"
#include "shell/ui/Programm.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QSpinBox>
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

// A project of 1,000 designed positions with arbitrary loads, saved once.
const std::filesystem::path& Grossprojekt() {
    static const vsk::test::TempDir dir;
    static const std::filesystem::path datei = [] {
        vsk::bench::Messplattform plattform;
        vsk::TKModell m = vsk::bench::GrossesProjekt(1000, plattform);
        const std::filesystem::path ziel = dir / "gross.VSK";
        vsk::SaveProjekt(m, ziel, plattform);
        return ziel;
    }();
    return datei;
}

// Open: from the file to the window showing the current position's results.
void BM_Oeffnen1000(benchmark::State& state) {
    StillePlattform plattform;
    vsk::Programm programm(plattform);
    vsk::TfrmHauptMaske fenster(programm);
    fenster.show();
    QApplication::processEvents();
    const QString datei = QString::fromStdString(Grossprojekt().string());
    for (auto _ : state) {
        if (!fenster.OeffneProjekt(datei)) {
            state.SkipWithError("not opened");
        }
        QApplication::processEvents();
    }
    fenster.Freigeben();
}
BENCHMARK(BM_Oeffnen1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Choosing another position in the selector: the window shows its inputs, results list and
// sketch.
void BM_PositionWechseln1000(benchmark::State& state) {
    StillePlattform plattform;
    vsk::Programm programm(plattform);
    vsk::TfrmHauptMaske fenster(programm);
    fenster.show();
    QApplication::processEvents();
    fenster.OeffneProjekt(QString::fromStdString(Grossprojekt().string()));
    QApplication::processEvents();
    int nummer = 1;
    for (auto _ : state) {
        nummer = nummer % 1000 + 1;
        fenster.Positionswahl().setValue(nummer);
        QApplication::processEvents();
    }
    fenster.Freigeben();
}
BENCHMARK(BM_PositionWechseln1000)->Unit(benchmark::kMillisecond)->UseRealTime();

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
