// The main window on the offscreen platform: from nothing to the shown window with its
// first sketch, and the Calculation command from the click to the redrawn results.

#include "Messplattform.h"
#include "Projektgenerator.h"

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/ZahlenFeld.h"
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

void BM_FensterZeigen(benchmark::State& state) {
    vsk::bench::Messplattform plattform(std::filesystem::temp_directory_path() /
                                        "vsk-bench-HauptMaske.INI");
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

// The shown main window on quiet platform services of its own.
struct Hauptfenster {
    vsk::bench::Messplattform plattform{std::filesystem::temp_directory_path() /
                                        "vsk-bench-HauptMaske.INI"};
    vsk::Programm programm{plattform};
    vsk::TfrmHauptMaske fenster{programm};

    Hauptfenster() {
        fenster.show();
        QApplication::processEvents();
    }
    ~Hauptfenster() { fenster.Freigeben(); }
    Hauptfenster(const Hauptfenster&) = delete;
    Hauptfenster& operator=(const Hauptfenster&) = delete;
};

void BM_Berechnung(benchmark::State& state) {
    Hauptfenster h;
    vsk::TKBelastung& b = h.programm.AktAnwendung().cBelastungDesign;
    b.cLinienLastLinks.SetFdDirekt(50);
    b.cLinienLastRechts.SetFdDirekt(50);
    h.fenster.AktualisiereEingaben();
    for (auto _ : state) {
        h.fenster.Aktionen().berechnung->trigger();
        QApplication::processEvents(); // the list and the sketch are painted
    }
}
BENCHMARK(BM_Berechnung)->Unit(benchmark::kMillisecond);

// A project of 1,000 designed positions with arbitrary loads, saved once.
QString Grossprojekt() {
    static const vsk::test::TempDir dir;
    static const std::filesystem::path datei = vsk::bench::GrossesProjektDatei(1000, dir.pfad());
    return QString::fromStdString(datei.string());
}

// Open: from the file to the window showing the current position's results.
void BM_Oeffnen1000(benchmark::State& state) {
    Hauptfenster h;
    for (auto _ : state) {
        if (!h.fenster.OeffneProjekt(Grossprojekt())) {
            state.SkipWithError("not opened");
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Oeffnen1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Choosing another position in the selector: the window shows its inputs, results list and
// sketch.
void BM_PositionWechseln1000(benchmark::State& state) {
    Hauptfenster h;
    h.fenster.OeffneProjekt(Grossprojekt());
    QApplication::processEvents();
    int nummer = 1;
    for (auto _ : state) {
        nummer = nummer % 1000 + 1;
        h.fenster.Positionswahl().setValue(nummer);
        QApplication::processEvents();
    }
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
