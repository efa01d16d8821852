// The calculation report: a full report as a PDF file and the preview pages, for a designed
// row with an arbitrary load (three pages). The preview pages at 100 % on a screen at 100 %
// and 200 %, and at the largest zoom (the same device pixels per inch on both screens).

#include "Messplattform.h"

#include "design/Bemessung.h"
#include "model/Modell.h"
#include "model/Projektdatei.h"
#include "model/Texttabellen.h"
#include "reports/Berichtskontext.h"
#include "reports/qt/Berichtsausgabe.h"
#include "shell/Plattform.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

struct Projekt {
    vsk::bench::Messplattform plattform;
    vsk::TKModell modell{nullptr, "09.12.2026"};

    Projekt() {
        const auto datei = std::filesystem::path(VSK_BENCH_DATA) / "reports" / "bericht.VSK";
        if (!vsk::LoadProjekt(modell, datei, plattform)) {
            throw std::runtime_error("cannot read " + datei.string());
        }
        modell.TAktAnwendung = 3; // row in a wall with an arbitrary load
        vsk::RunDesign(modell.AktuelleAnwendung(), plattform);
    }
};

void BerichtPdf(benchmark::State& state) {
    Projekt p;
    const auto datei = std::filesystem::temp_directory_path() / "vsk-bench-bericht.pdf";
    for (auto _ : state) {
        vsk::Berichtskontext k(p.modell, vsk::Texttabellen(), "09.12.2026", '.');
        const auto e = vsk::BerichtAlsPdf(datei, k, vsk::StandardDruckergeometrie());
        if (!e.ok || e.seiten != 3) {
            state.SkipWithError("PDF not written");
        }
    }
    std::filesystem::remove(datei);
}
BENCHMARK(BerichtPdf)->Unit(benchmark::kMillisecond);

// Arguments: the pixels per inch the page is drawn at, the device pixel ratio.
void BerichtVorschau(benchmark::State& state) {
    Projekt p;
    const int aufloesung = static_cast<int>(state.range(0));
    const auto verhaeltnis = static_cast<qreal>(state.range(1));
    for (auto _ : state) {
        vsk::Berichtskontext k(p.modell, vsk::Texttabellen(), "09.12.2026", '.');
        const auto seiten =
            vsk::BerichtsVorschau(k, vsk::StandardDruckergeometrie(), 96, aufloesung, verhaeltnis);
        benchmark::DoNotOptimize(seiten.data());
    }
}
BENCHMARK(BerichtVorschau)
    ->Args({96, 1})
    ->Args({96, 2})
    ->Args({384, 1})
    ->Args({192, 2})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
