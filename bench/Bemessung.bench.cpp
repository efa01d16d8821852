// One full design run (19 types, every thickness pass) for three kinds of position.

#include "Messplattform.h"

#include "design/Bemessung.h"
#include "model/Objektmodell.h"
#include "shell/Plattform.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

vsk::TKAnwendung Reihe(double h, double L, std::uint8_t maxAbstand) {
    vsk::TKAnwendung a;
    a.TAnwendungsfall = vsk::Anwendungsfall::ReihePlatte;
    a.TMaxDornabstand = maxAbstand;
    a.cGeometrie.TPlatteDicke = h;
    a.cGeometrie.TNutzhoehe = h - 40;
    a.cGeometrie.TFugenlaenge = L;
    a.cBelastungDesign.SetLastLaenge(L);
    return a;
}

void Messen(benchmark::State& state, const vsk::TKAnwendung& vorlage) {
    vsk::bench::Messplattform plattform;
    for (auto _ : state) {
        vsk::TKAnwendung a = vorlage;
        vsk::RunDesign(a, plattform);
        benchmark::DoNotOptimize(a.cErgebnisse.TAktDorn);
    }
}

// (a) Slab to slab, 450 mm, 5 m joint, constant 50 kN/m.
void BM_KonstanteLast(benchmark::State& state) {
    vsk::TKAnwendung a = Reihe(450, 5000, 1);
    a.cBelastungDesign.TBelastungsfall = vsk::Belastungsfall::Konstant;
    a.cBelastungDesign.cLinienLastLinks.SetFdDirekt(50);
    a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(50);
    Messen(state, a);
}
BENCHMARK(BM_KonstanteLast)->Unit(benchmark::kMicrosecond);

// (b) 30 m joint, 600 mm slab, spacing limit on, 20-point arbitrary load.
void BM_BeliebigeLast30m(benchmark::State& state) {
    vsk::TKAnwendung a = Reihe(600, 30000, 1);
    a.cBelastungDesign.TBelastungsfall = vsk::Belastungsfall::Beliebig;
    a.cBelastungDesign.ClearPunkte();
    for (int k = 0; k < 20; ++k) {
        const double x = 30000.0 * k / 19;
        a.cBelastungDesign.AddPunkt(x, 40 + 30 * std::sin(k * 0.9) + 2 * k);
    }
    Messen(state, a);
}
BENCHMARK(BM_BeliebigeLast30m)->Unit(benchmark::kMillisecond);

// (c) A nearly unloaded 3 m middle (spacing limit 1000 mm at 200 mm): no count helps,
// the count grows to its bound in every pass.
void BM_Wachstumsgrenze(benchmark::State& state) {
    vsk::TKAnwendung a = Reihe(200, 5000, 1);
    a.cBelastungDesign.TBelastungsfall = vsk::Belastungsfall::Beliebig;
    a.cBelastungDesign.ClearPunkte();
    for (auto [x, q] :
         {std::pair{0.0, 20.0}, {1000, 20}, {1000, 1e-9}, {4000, 1e-9}, {4000, 20}, {5000, 20}}) {
        a.cBelastungDesign.AddPunkt(x, q);
    }
    Messen(state, a);
}
BENCHMARK(BM_Wachstumsgrenze)->Unit(benchmark::kMillisecond);

} // namespace
