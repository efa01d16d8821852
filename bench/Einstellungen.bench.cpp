// The settings file at the start and at the end of a run: what creating the project model
// and the colour scheme reads, and what discarding them writes, on a settings file of the
// usual size and on one far beyond it.

#include "shell/Einstellungen.h"
#include "model/Modell.h"
#include "sketches/Farbschema.h"

#include "support/Dateiinhalt.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kPositionen = 10;

std::string UeblicheEinstellungen() {
    return "[Anwenderdaten]\nIDSprache=2055\nBemessung=1\nGammaMs=1.05\nPunktlast_Tgg=1.35\n"
           "[ProjektDaten]\nTBearbeiter=A. Engineer\nTFirmaZeilen=2\nTFirma1=Office\n"
           "TFirma2=Road 1\n[Farbeinstellung]\nHintergrund=16777215\nPosB=32768\n";
}

void Start(benchmark::State& state) {
    vsk::test::TempDir dir;
    std::string inhalt = UeblicheEinstellungen();
    inhalt.resize(static_cast<std::size_t>(state.range(0)), ';');
    vsk::test::Lege(dir / "vsk.INI", inhalt);
    // As at a usual start: the file was written by an earlier run, not a moment ago.
    std::filesystem::last_write_time(
        dir / "vsk.INI", std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    for (auto _ : state) {
        vsk::Einstellungen e(dir / "vsk.INI", '.');
        vsk::TKModell modell(&e, "heute");
        vsk::TKFarbe farben(e);
        benchmark::DoNotOptimize(farben);
    }
}
// A usual file and one of 100 MB, which is not read at all (beyond the bound).
BENCHMARK(Start)->Arg(512)->Arg(100 << 20)->Unit(benchmark::kMicrosecond)->UseRealTime();

void Ende(benchmark::State& state) {
    vsk::test::TempDir dir;
    vsk::test::Lege(dir / "vsk.INI", UeblicheEinstellungen());
    vsk::Einstellungen e(dir / "vsk.INI", '.');
    vsk::TKModell modell(&e, "heute");
    modell.SetAnzAnwendung(kPositionen);
    const vsk::TKFarbe farben(e);
    for (auto _ : state) {
        e.SchreibeZusammen([&] {
            farben.Speichern(e);
            modell.Verwerfen();
        });
    }
}
BENCHMARK(Ende)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
