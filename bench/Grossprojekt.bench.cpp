// A project of 1,000 positions with arbitrary loads of 50 points each, all designed:
// saving and opening the file, and designing every position as vsk-cli design does.

#include "Messplattform.h"
#include "Projektgenerator.h"

#include "design/Bemessung.h"
#include "design/Plausibilitaet.h"
#include "model/Projektdatei.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPositionen = 1000;

struct Grossprojekt {
    vsk::bench::Messplattform plattform;
    vsk::test::TempDir dir;
    vsk::TKModell modell = vsk::bench::GrossesProjekt(kPositionen, plattform);
    std::filesystem::path datei = dir / "gross.VSK";

    Grossprojekt() { vsk::SaveProjekt(modell, datei, plattform); }
};

Grossprojekt& Projekt() {
    static Grossprojekt p;
    return p;
}

void Speichern1000(benchmark::State& state) {
    Grossprojekt& p = Projekt();
    const auto ziel = p.dir / "gespeichert.VSK";
    for (auto _ : state) {
        if (!vsk::SaveProjekt(p.modell, ziel, p.plattform)) {
            state.SkipWithError("not saved");
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(ziel));
}
BENCHMARK(Speichern1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void Oeffnen1000(benchmark::State& state) {
    Grossprojekt& p = Projekt();
    for (auto _ : state) {
        vsk::TKModell gelesen;
        if (!vsk::LoadProjekt(gelesen, p.datei, p.plattform)) {
            state.SkipWithError("file could not be read");
        }
        benchmark::DoNotOptimize(gelesen.TAnzAnwendung());
    }
}
BENCHMARK(Oeffnen1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The work of vsk-cli design on every position, without the start of the program.
void AlleBemessen1000(benchmark::State& state) {
    Grossprojekt& p = Projekt();
    for (auto _ : state) {
        vsk::TKModell m = p.modell;
        for (int k = 1; k <= m.TAnzAnwendung(); ++k) {
            vsk::TKAnwendung& a = m.Anwendung(k);
            if (vsk::PruefeEingaben(a).empty()) {
                vsk::RunDesign(a, p.plattform);
            }
        }
        benchmark::DoNotOptimize(m.Anwendung(1).cErgebnisse.TAktDorn);
    }
}
BENCHMARK(AlleBemessen1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
