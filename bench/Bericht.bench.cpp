// The calculation report: a full report as a PDF file and the preview pages, for a designed
// row with an arbitrary load (three pages).

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

void BerichtVorschau(benchmark::State& state) {
    Projekt p;
    for (auto _ : state) {
        vsk::Berichtskontext k(p.modell, vsk::Texttabellen(), "09.12.2026", '.');
        const auto seiten = vsk::BerichtsVorschau(k, vsk::StandardDruckergeometrie(), 96);
        benchmark::DoNotOptimize(seiten.data());
    }
}
BENCHMARK(BerichtVorschau)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
