#pragma once
// A preview picture drawn straight onto a given canvas whose final size is known before
// drawing (a vector picture of the screen preview): growing only moves the clip.

#include "reports/Seitenziel.h"

namespace vsk {

class LeinwandVorschaubild final : public Vorschaubild {
public:
    LeinwandVorschaubild(Canvas& canvas, int breite, int hoehe, int dpi)
        : canvas_(canvas), dpi_(dpi), breite_(breite), hoehe_(hoehe) {}

    Canvas& Leinwand() override { return canvas_; }
    int BildschirmDpi() const override { return dpi_; }
    void SetzeGroesse(int breite, int hoehe) override {
        breite_ = breite;
        hoehe_ = hoehe;
    }
    void Wachse(int pixel) override { hoehe_ += pixel; }
    int Breite() const override { return breite_; }
    int Hoehe() const override { return hoehe_; }
    Rechteck Clip() const override { return {0, 0, breite_, hoehe_}; }
    int ElternBreite() const override { return 0; }
    int Links() const override { return 0; }
    int Oben() const override { return 0; }
    void SetzeLage(int, int) override {}
    void Zeige(bool) override {}
    void Neuzeichnen() override {}

private:
    Canvas& canvas_;
    int dpi_;
    int breite_;
    int hoehe_;
};

} // namespace vsk
