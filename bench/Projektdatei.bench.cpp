// Saving and opening a project of 200 positions with full results.

#include "model/Projektdatei.h"
#include "model/Modell.h"
#include "model/ProjektSchreiben.h"

#include "support/PlattformDouble.h"
#include "support/TempDir.h"
#include "support/VollesModell.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPositionen = 200;

void SpeichernMitDatei(benchmark::State& state) {
    vsk::test::TempDir dir;
    vsk::test::PlattformDouble p;
    vsk::TKModell m = vsk::test::VollesModell(kPositionen);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vsk::SaveProjekt(m, dir / "bench.VSK", p));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(dir / "bench.VSK"));
}
BENCHMARK(SpeichernMitDatei)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same without the disk: building the document and serialising it.
void SpeichernOhneDatei(benchmark::State& state) {
    vsk::TKModell m = vsk::test::VollesModell(kPositionen);
    for (auto _ : state) {
        auto dokument = vsk::BaueProjektDokument(m, "bench.VSK", '.');
        benchmark::DoNotOptimize(vsk::xml::Schreibe(dokument.get()));
    }
}
BENCHMARK(SpeichernOhneDatei)->Unit(benchmark::kMillisecond)->UseRealTime();

void Laden(benchmark::State& state) {
    vsk::test::TempDir dir;
    vsk::test::PlattformDouble p;
    vsk::TKModell m = vsk::test::VollesModell(kPositionen);
    vsk::SaveProjekt(m, dir / "bench.VSK", p);
    for (auto _ : state) {
        vsk::TKModell gelesen;
        if (!vsk::LoadProjekt(gelesen, dir / "bench.VSK", p)) {
            state.SkipWithError("file could not be read");
        }
        benchmark::DoNotOptimize(gelesen.TAnzAnwendung());
    }
}
BENCHMARK(Laden)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
