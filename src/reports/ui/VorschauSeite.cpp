#include "reports/ui/VorschauSeite.h"

#include <QPainter>

namespace vsk {

TVorschauSeite::TVorschauSeite(QWidget* eltern)
    : QWidget(eltern), bild_(eltern ? eltern->logicalDpiX() : 96) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

int TVorschauSeite::BildschirmDpi() const {
    return bild_.BildschirmDpi();
}

int TVorschauSeite::ElternBreite() const {
    return parentWidget() ? parentWidget()->width() : width();
}

void TVorschauSeite::SetzeGroesse(int breite, int hoehe) {
    bild_.SetzeGroesse(breite, hoehe);
    resize(bild_.Breite(), bild_.Hoehe());
}

void TVorschauSeite::Wachse(int pixel) {
    bild_.Wachse(pixel);
    resize(bild_.Breite(), bild_.Hoehe());
}

void TVorschauSeite::SetzeLage(int links, int oben) {
    move(links, oben);
}

void TVorschauSeite::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_.Bild());
}

} // namespace vsk
