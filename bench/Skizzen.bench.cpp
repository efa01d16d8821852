// Every sketch kind of a designed slab-to-slab row, drawn into a 1920 x 1080 QImage.

#include "sketches/Skizzen.h"
#include "canvas/qt/QtCanvas.h"
#include "design/Bemessung.h"
#include "model/Objektmodell.h"
#include "shell/Plattform.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

class StillePlattform final : public vsk::Plattform {
public:
    char Dezimaltrenner() const override { return '.'; }
    std::string HeuteText() const override { return {}; }
    int SystemSprachID() const override { return 2057; }
    std::filesystem::path Einstellungsdatei() const override { return {}; }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    bool FrageJaNein(const std::string&) override { return true; }
    vsk::Antwort FrageJaNeinAbbrechen(const std::string&) override { return vsk::Antwort::Ja; }
};

struct Projekt {
    vsk::TKModell modell;
    vsk::TKFarbe farben;
    int linienbreite = 1;

    explicit Projekt(int belastungsfall) {
        vsk::TKAnwendung& a = modell.AktuelleAnwendung();
        a.TAnwendungsfall = vsk::Anwendungsfall::ReihePlatte;
        a.cGeometrie.TFugenlaenge = 6000;
        a.cBelastungDesign.SetLastLaenge(6000);
        a.cBelastungDesign.TBelastungsfall = static_cast<std::uint8_t>(belastungsfall);
        a.cBelastungDesign.cLinienLastLinks.SetFdDirekt(60);
        a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(90);
        a.cBelastungDesign.ClassifyLinienLast();
        StillePlattform plattform;
        vsk::RunDesign(a, plattform);
    }
};

void Zeichnen(benchmark::State& state, int art) {
    Projekt p(2);
    const vsk::Zeichenkontext k{p.modell, p.modell.AktuelleAnwendung(), p.farben, p.linienbreite};
    QImage bild(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        vsk::QtCanvas c(bild);
        vsk::ZeichneSkizze(c, {0, 0, 1920, 1080}, k, art);
        benchmark::DoNotOptimize(bild.bits());
    }
}

void BM_Ansicht(benchmark::State& s) {
    Zeichnen(s, vsk::SkizzenArt::Ansicht);
}
void BM_Draufsicht(benchmark::State& s) {
    Zeichnen(s, vsk::SkizzenArt::Draufsicht);
}
void BM_Schnitt(benchmark::State& s) {
    Zeichnen(s, vsk::SkizzenArt::Schnitt);
}
void BM_Reihenansicht(benchmark::State& s) {
    Zeichnen(s, vsk::SkizzenArt::Reihe);
}
void BM_Systemskizze(benchmark::State& s) {
    Zeichnen(s, vsk::SkizzenArt::System);
}

BENCHMARK(BM_Ansicht)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Draufsicht)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schnitt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reihenansicht)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Systemskizze)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts need the application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
