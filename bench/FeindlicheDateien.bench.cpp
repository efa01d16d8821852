// How long the reader takes to refuse files built to stall it: every one must be refused
// within a second.

#include "model/Modell.h"
#include "model/ProjektSchreiben.h"
#include "model/Projektdatei.h"

#include "support/PlattformDouble.h"
#include "support/VollesModell.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

// A real project with n numbered children per name put into its first spacing list.
std::string MitKindern(int n, const std::function<std::string(int)>& kind) {
    vsk::TKModell m = vsk::test::VollesModell(1);
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += kind(i);
    }
    auto dokument = vsk::BaueProjektDokument(m, "bench.VSK", '.');
    std::string inhalt = *vsk::xml::Schreibe(dokument.get());
    const std::string marke = "<TDornAbstand>";
    return inhalt.insert(inhalt.find(marke) + marke.size(), text);
}

void Refuse(benchmark::State& state, const std::string& inhalt) {
    vsk::test::PlattformDouble p;
    for (auto _ : state) {
        vsk::TKModell m;
        if (vsk::LoadProjektText(m, inhalt, p)) {
            state.SkipWithError("a hostile file was read");
        }
        p.meldungen.clear();
    }
    state.counters["MB"] = static_cast<double>(inhalt.size()) / 1e6;
}

void Attribute(benchmark::State& state) {
    std::string viele = "<x";
    for (int i = 0; i < 100000; ++i) {
        viele += " a" + std::to_string(i) + "=\"1\"";
    }
    Refuse(state, MitKindern(1, [&](int) { return viele + "/>"; }));
}
BENCHMARK(Attribute)->Unit(benchmark::kMillisecond)->UseRealTime();

void VerschiedeneNamen(benchmark::State& state) {
    Refuse(state, MitKindern(1000000, [](int i) { return "<n" + std::to_string(i) + "/>"; }));
}
BENCHMARK(VerschiedeneNamen)->Unit(benchmark::kMillisecond)->UseRealTime();

void Abstaende(benchmark::State& state) {
    Refuse(state, MitKindern(1000000, [](int i) {
               const std::string n = std::to_string(i);
               return "<A_" + n + ">1</A_" + n + ">";
           }));
}
BENCHMARK(Abstaende)->Unit(benchmark::kMillisecond)->UseRealTime();

// A million children of one name: within the parser's bounds, refused by the list bound.
void GleicheNamen(benchmark::State& state) {
    Refuse(state, MitKindern(1000000, [](int) { return std::string("<A_0>1</A_0>"); }));
}
BENCHMARK(GleicheNamen)->Unit(benchmark::kMillisecond)->UseRealTime();

// Text between children that have text of their own: every piece of the outer text
// must not move the text gathered before it.
void GemischterText(benchmark::State& state) {
    Refuse(state, MitKindern(65000, [](int) { return std::string("aaaaaaaaaa<A_0>1</A_0>"); }));
}
BENCHMARK(GemischterText)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
