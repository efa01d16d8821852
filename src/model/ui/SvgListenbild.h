#pragma once
// A schedule picture drawn as SVG: the vector picture of the schedule export. Its final
// size is the screen preview's, known before drawing, so growing only moves the clip.

#include "canvas/qt/QtCanvas.h"
#include "reports/Seitenziel.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QSvgGenerator>

#include <memory>

namespace vsk {

class SvgListenbild final : public Vorschaubild {
public:
    SvgListenbild(int breite, int hoehe, int dpi);
    ~SvgListenbild() override;

    SvgListenbild(const SvgListenbild&) = delete;
    SvgListenbild& operator=(const SvgListenbild&) = delete;

    Canvas& Leinwand() override { return *canvas_; }
    int BildschirmDpi() const override { return dpi_; }
    void SetzeGroesse(int breite, int hoehe) override;
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

    // Ends the drawing and returns the SVG document.
    QByteArray Fertig();

private:
    int dpi_;
    int breite_;
    int hoehe_;
    QBuffer puffer_;
    QSvgGenerator svg_;
    QPainter maler_;
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace vsk
