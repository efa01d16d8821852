#pragma once
// A schedule picture drawn as an Enhanced Metafile: the vector picture of the schedule
// export. Its final size is the screen preview's, known before drawing, so growing only
// moves the clip.

#include "canvas/qt/EmfCanvas.h"
#include "reports/Seitenziel.h"
#include "reports/qt/Berichtsbilder.h"

#include <QByteArray>

#include <optional>

namespace vsk {

class EmfListenbild final : public Vorschaubild {
public:
    EmfListenbild(int breite, int hoehe, int dpi)
        : dpi_(dpi), breite_(breite), hoehe_(hoehe), canvas_(breite, hoehe, dpi) {
        canvas_.SetzeBildQuelle(BerichtsBildQuelle()); // the logo of the page header
    }

    bool Offen() const { return canvas_.Offen(); }
    // Ends the drawing and returns the metafile; nothing on failure.
    std::optional<QByteArray> Fertig() { return canvas_.Abschliessen(); }

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
    int dpi_;
    int breite_;
    int hoehe_;
    EmfCanvas canvas_;
};

} // namespace vsk
