// The undo history on a designed project of 200 positions (arbitrary loads of 50 points):
// the time of one recorded edit of a field, of undo and redo, and the memory a step holds,
// against the memory of the whole project. Memory is what the heap holds (mallinfo2).

#include "Messplattform.h"
#include "Projektgenerator.h"

#include "model/Bearbeitungsverlauf.h"
#include "model/Eingaben.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>
#include <string>

namespace {

constexpr int kPositionen = 200;
constexpr int kSchritte = static_cast<int>(vsk::Bearbeitungsverlauf::MaxSchritte);

vsk::TKModell& Projekt() {
    static vsk::bench::Messplattform plattform;
    static vsk::TKModell modell = vsk::bench::GrossesProjekt(kPositionen, plattform);
    return modell;
}

std::size_t HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Leaving the slab-thickness field of a position with a new value, as the window records it.
void Dicke(vsk::Bearbeitungsverlauf& v, vsk::TKModell& m, int nummer, int i) {
    v.Beginne(m, "Slab thickness", vsk::Bearbeitungsumfang::Position(nummer));
    vsk::GeometrieEingeben(m.Anwendung(nummer), vsk::Geometriefeld::Plattendicke,
                           std::to_string(200 + i % 400), '.');
    v.Abschliessen(m);
}

// Which position step i edits: always the same one, or every step another.
int Nummer(bool eine, int i) {
    return eine ? 7 : 1 + i % kPositionen;
}

void Schritt200(benchmark::State& state) {
    const bool eine = state.range(0) == 1;
    vsk::TKModell m = Projekt();
    vsk::Bearbeitungsverlauf v;
    int i = 0;
    for (auto _ : state) {
        Dicke(v, m, Nummer(eine, i), i);
        ++i;
    }
    state.SetLabel(eine ? "one position" : "another position each step");
}
BENCHMARK(Schritt200)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void RueckgaengigUndWiederholen200(benchmark::State& state) {
    vsk::TKModell m = Projekt();
    vsk::Bearbeitungsverlauf v;
    for (int i = 0; i < kSchritte; ++i) {
        Dicke(v, m, Nummer(false, i), i);
    }
    for (auto _ : state) {
        v.Rueckgaengig(m);
        v.Wiederholen(m);
    }
}
BENCHMARK(RueckgaengigUndWiederholen200)->Unit(benchmark::kMicrosecond);

// The heap a full history of 100 steps holds, per step, and what a copy of the whole
// project takes.
void SpeicherJeSchritt200(benchmark::State& state) {
    const bool eine = state.range(0) == 1;
    std::size_t jeSchritt = 0;
    std::size_t projekt = 0;
    for (auto _ : state) {
        vsk::TKModell m = Projekt();
        const std::size_t vorher = HeapBytes();
        {
            auto kopie = std::make_unique<vsk::TKModell>(m);
            projekt = HeapBytes() - vorher;
            benchmark::DoNotOptimize(kopie->TAnzAnwendung());
        }
        auto v = std::make_unique<vsk::Bearbeitungsverlauf>();
        const std::size_t leer = HeapBytes();
        for (int i = 0; i < kSchritte; ++i) {
            Dicke(*v, m, Nummer(eine, i), i);
        }
        jeSchritt = (HeapBytes() - leer) / kSchritte;
        benchmark::DoNotOptimize(v->Schritte());
    }
    state.counters["bytes_per_step"] = static_cast<double>(jeSchritt);
    state.counters["project_bytes"] = static_cast<double>(projekt);
    state.SetLabel(eine ? "one position" : "another position each step");
}
BENCHMARK(SpeicherJeSchritt200)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
