#pragma once
// A preview picture on a QImage at screen resolution, without a window: the pages of
// vsk-cli's picture output, and the bitmap that the preview window shows. Its sizes are
// logical pixels; the bitmap has the screen's device pixel ratio, so the page is as sharp
// on a high-resolution screen as the screen allows.

#include "canvas/qt/QtCanvas.h"
#include "reports/Seitenziel.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

namespace vsk {

class BildVorschaubild final : public Vorschaubild {
public:
    // dpi: the screen's pixels per inch; elternBreite: width of the area it is shown in;
    // aufloesung: the pixels per inch the page is drawn at (0: dpi); verhaeltnis: the
    // device pixel ratio of the bitmap.
    explicit BildVorschaubild(int dpi = 96, int elternBreite = 0, int aufloesung = 0,
                              qreal verhaeltnis = 1);
    ~BildVorschaubild() override;

    BildVorschaubild(const BildVorschaubild&) = delete;
    BildVorschaubild& operator=(const BildVorschaubild&) = delete;

    Canvas& Leinwand() override { return *canvas_; }
    int BildschirmDpi() const override { return dpi_; }
    int Aufloesung() const override { return aufloesung_; }
    void SetzeGroesse(int breite, int hoehe) override;
    void Wachse(int pixel) override;
    int Breite() const override { return breite_; }
    int Hoehe() const override { return hoehe_; }
    Rechteck Clip() const override { return {0, 0, breite_, hoehe_}; }
    int ElternBreite() const override { return elternBreite_; }
    int Links() const override { return links_; }
    int Oben() const override { return oben_; }
    void SetzeLage(int links, int oben) override;
    void Zeige(bool sichtbar) override { sichtbar_ = sichtbar; }
    void Neuzeichnen() override;

    bool Sichtbar() const { return sichtbar_; }
    // The picture as drawn so far (the painter is flushed first).
    const QImage& Bild();
    // Called after every Neuzeichnen and layout change (the window repaints).
    void SetzeBeobachter(std::function<void()> beobachter) { beobachter_ = std::move(beobachter); }

private:
    void Oeffnen();
    void Schliessen();

    int dpi_;
    int elternBreite_;
    int aufloesung_;
    qreal verhaeltnis_;
    int breite_ = 1;
    int hoehe_ = 1;
    int links_ = 0;
    int oben_ = 0;
    bool sichtbar_ = false;
    QImage bild_;
    QPainter maler_;
    std::unique_ptr<QtCanvas> canvas_;
    std::function<void()> beobachter_;
};

} // namespace vsk
