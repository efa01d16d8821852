// Building and writing the reinforcement drawing, as the export does it.

#include "dxf/BewehrungsZeichnung.h"
#include "dxf/DXF_Writer.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

vsk::BewehrungsAngaben Angaben() {
    vsk::BewehrungsAngaben a;
    a.h = 250;
    a.cO = a.cU = a.cV = 30;
    a.Tbx = 387;
    a.Tby = 600;
    a.Bezeichnung = "VSK 7";
    a.Dorn = vsk::TKDornDaten(6);
    a.Dorn.AnzB = 4;
    a.Dorn.AbstandB = {60, 100, 100, 100};
    a.Dorn.AnzD = 8;
    a.Dorn.AbstandD = {70, 70, 70};
    a.Dorn.AnzLagen = 2;
    return a;
}

void ZeichnenUndSchreiben(benchmark::State& state) {
    vsk::BewehrungsAngaben a = Angaben();
    for (auto _ : state) {
        vsk::DXF_Object objekt;
        vsk::ZeichneBewehrung(objekt, a, '.');
        std::ostringstream aus;
        vsk::SchreibeDxf(objekt, aus);
        benchmark::DoNotOptimize(aus.str().size());
    }
}
BENCHMARK(ZeichnenUndSchreiben);

void NurSchreiben(benchmark::State& state) {
    vsk::DXF_Object objekt;
    vsk::ZeichneBewehrung(objekt, Angaben(), '.');
    for (auto _ : state) {
        std::ostringstream aus;
        vsk::SchreibeDxf(objekt, aus);
        benchmark::DoNotOptimize(aus.str().size());
    }
}
BENCHMARK(NurSchreiben);

} // namespace
