#include "reports/qt/BildVorschaubild.h"

#include "reports/qt/Berichtsbilder.h"

#include <algorithm>

namespace vsk {

BildVorschaubild::BildVorschaubild(int dpi, int elternBreite, int aufloesung, qreal verhaeltnis)
    : dpi_(dpi > 0 ? dpi : 96), elternBreite_(elternBreite),
      aufloesung_(aufloesung > 0 ? aufloesung : dpi_),
      verhaeltnis_(verhaeltnis > 0 ? verhaeltnis : 1),
      bild_(Bildschirmbitmap({1, 1}, verhaeltnis_)) {
    Oeffnen();
}

BildVorschaubild::~BildVorschaubild() {
    Schliessen();
}

void BildVorschaubild::Oeffnen() {
    bild_.setDotsPerMeterX(static_cast<int>(aufloesung_ / 0.0254 + 0.5));
    bild_.setDotsPerMeterY(static_cast<int>(aufloesung_ / 0.0254 + 0.5));
    maler_.begin(&bild_);
    maler_.setRenderHint(QPainter::TextAntialiasing, true);
    if (!canvas_) {
        // The canvas keeps drawing with the same painter when the picture is replaced, so
        // callers may hold on to Leinwand() while the picture grows.
        canvas_ = std::make_unique<QtCanvas>(maler_, aufloesung_, aufloesung_);
        canvas_->SetzeBildQuelle(BerichtsBildQuelle());
    }
}

void BildVorschaubild::Schliessen() {
    if (maler_.isActive()) {
        maler_.end();
    }
}

void BildVorschaubild::SetzeGroesse(int breite, int hoehe) {
    Schliessen();
    breite_ = std::max(1, breite);
    hoehe_ = std::max(1, hoehe);
    bild_ = Bildschirmbitmap({breite_, hoehe_}, verhaeltnis_);
    Oeffnen();
}

void BildVorschaubild::Wachse(int pixel) {
    if (pixel <= 0) {
        return;
    }
    Schliessen();
    hoehe_ += pixel;
    QImage groesser = Bildschirmbitmap({breite_, hoehe_}, verhaeltnis_);
    {
        QPainter p(&groesser);
        p.drawImage(0, 0, bild_);
    }
    bild_ = std::move(groesser);
    Oeffnen();
    if (beobachter_) {
        beobachter_();
    }
}

void BildVorschaubild::SetzeLage(int links, int oben) {
    links_ = links;
    oben_ = oben;
    if (beobachter_) {
        beobachter_();
    }
}

void BildVorschaubild::Neuzeichnen() {
    if (beobachter_) {
        beobachter_();
    }
}

const QImage& BildVorschaubild::Bild() {
    // Ending and re-opening the painter flushes everything into the image.
    Schliessen();
    Oeffnen();
    return bild_;
}

} // namespace vsk
