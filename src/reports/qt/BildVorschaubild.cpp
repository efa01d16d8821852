#include "reports/qt/BildVorschaubild.h"

#include "reports/qt/Berichtsbilder.h"

#include <algorithm>

namespace vsk {

BildVorschaubild::BildVorschaubild(int dpi, int elternBreite)
    : dpi_(dpi > 0 ? dpi : 96), elternBreite_(elternBreite), bild_(1, 1, QImage::Format_RGB32) {
    bild_.fill(Qt::white);
    Oeffnen();
}

BildVorschaubild::~BildVorschaubild() {
    Schliessen();
}

void BildVorschaubild::Oeffnen() {
    bild_.setDotsPerMeterX(static_cast<int>(dpi_ / 0.0254 + 0.5));
    bild_.setDotsPerMeterY(static_cast<int>(dpi_ / 0.0254 + 0.5));
    maler_.begin(&bild_);
    maler_.setRenderHint(QPainter::TextAntialiasing, true);
    if (!canvas_) {
        // The canvas keeps drawing with the same painter when the picture is replaced, so
        // callers may hold on to Leinwand() while the picture grows.
        canvas_ = std::make_unique<QtCanvas>(maler_, dpi_, dpi_);
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
    bild_ = QImage(std::max(1, breite), std::max(1, hoehe), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    Oeffnen();
}

void BildVorschaubild::Wachse(int pixel) {
    if (pixel <= 0) {
        return;
    }
    Schliessen();
    QImage groesser(bild_.width(), bild_.height() + pixel, QImage::Format_RGB32);
    groesser.fill(Qt::white);
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
