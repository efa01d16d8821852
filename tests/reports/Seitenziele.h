#pragma once
// Page targets for tests: a printer and a preview picture that draw on a recording canvas
// and count what the pipelines do with them.

#include "canvas/Aufzeichnung.h"
#include "reports/Seitenziel.h"

#include <string>
#include <utility>
#include <vector>

namespace vsk::test {

class TestDrucker final : public Drucker {
public:
    explicit TestDrucker(Druckergeometrie g = StandardDruckergeometrie())
        : geometrie(g), canvas(g.dpiX) {}

    Druckergeometrie geometrie;
    Aufzeichnung canvas;
    bool beginnt = true; // BeginDoc result
    bool endet = true;   // EndDoc result
    int dokumente = 0;
    int neueSeiten = 0;
    bool offen = false;
    // Index into canvas.ops where each page starts.
    std::vector<std::size_t> seitenAnfang;
    // The outline entries with the page (from 1) they mark.
    std::vector<std::pair<std::string, int>> gliederung;

    Druckergeometrie Geometrie() const override { return geometrie; }
    bool BeginDoc(const std::string&) override {
        if (!beginnt) {
            return false;
        }
        ++dokumente;
        offen = true;
        seitenAnfang = {canvas.ops.size()};
        return true;
    }
    void NewPage() override {
        ++neueSeiten;
        seitenAnfang.push_back(canvas.ops.size());
    }
    bool EndDoc() override {
        offen = false;
        return endet;
    }
    Canvas& Leinwand() override { return canvas; }
    Rechteck SeitenClip() const override { return {0, 0, geometrie.breite, geometrie.hoehe}; }
    void Gliederungseintrag(const std::string& titel) override {
        gliederung.emplace_back(titel, Seiten());
    }

    int Seiten() const { return static_cast<int>(seitenAnfang.size()); }
    // The texts drawn on page i (from 0).
    std::vector<std::string> Texte(int seite) const {
        const std::size_t von = seitenAnfang.at(static_cast<std::size_t>(seite));
        const std::size_t bis = static_cast<std::size_t>(seite + 1) < seitenAnfang.size()
                                    ? seitenAnfang[static_cast<std::size_t>(seite + 1)]
                                    : canvas.ops.size();
        std::vector<std::string> r;
        for (std::size_t i = von; i < bis; ++i) {
            if (canvas.ops[i].op == Operation::TextOut) {
                r.push_back(canvas.ops[i].text);
            }
        }
        return r;
    }
};

class TestBild final : public Vorschaubild {
public:
    Aufzeichnung canvas{96};
    int breite = 0;
    int hoehe = 0;
    int links = 0;
    int oben = 0;
    int eltern = 1200;
    bool sichtbar = false;
    int neugezeichnet = 0;
    std::vector<int> wachstum;

    Canvas& Leinwand() override { return canvas; }
    int BildschirmDpi() const override { return 96; }
    void SetzeGroesse(int b, int h) override {
        breite = b;
        hoehe = h;
    }
    void Wachse(int pixel) override {
        hoehe += pixel;
        wachstum.push_back(pixel);
    }
    int Breite() const override { return breite; }
    int Hoehe() const override { return hoehe; }
    Rechteck Clip() const override { return {0, 0, breite, hoehe}; }
    int ElternBreite() const override { return eltern; }
    int Links() const override { return links; }
    int Oben() const override { return oben; }
    void SetzeLage(int l, int o) override {
        links = l;
        oben = o;
    }
    void Zeige(bool s) override { sichtbar = s; }
    void Neuzeichnen() override { ++neugezeichnet; }
};

// All texts drawn on a canvas, in order.
inline std::vector<std::string> AlleTexte(const Aufzeichnung& c) {
    std::vector<std::string> r;
    for (const auto& op : c.ops) {
        if (op.op == Operation::TextOut) {
            r.push_back(op.text);
        }
    }
    return r;
}

} // namespace vsk::test
