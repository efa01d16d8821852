#include "dxf/ui/DxfBildZeichner.h"

#include "canvas/Farbe.h"
#include "canvas/qt/QtCanvas.h"
#include "shell/Zahlen.h"
#include "sketches/ZoomAbbildung.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace vsk {

namespace {

QColor Farbwert(int bildschirmFarbe) {
    return QColor(Rot(bildschirmFarbe), Gruen(bildschirmFarbe), Blau(bildschirmFarbe));
}

// Pixel size of the font whose cell (ascent + descent) is the given height: texts are
// sized by their cell height, as the drawing's text heights are meant.
int PixelFuerZellenhoehe(const QFont& schrift, int zellenhoehe) {
    static double verhaeltnis = [&schrift] {
        QFont f = schrift;
        f.setPixelSize(1000);
        const double zelle = QFontMetricsF(f).height();
        return zelle > 0 ? 1000 / zelle : 1.0;
    }();
    return std::max(1, static_cast<int>(RundeGerade(zellenhoehe * verhaeltnis)));
}

struct Kasten {
    int x1, y1, x2, y2;
    bool Flaeche() const { return x2 - x1 > 1 && y2 - y1 > 1; }
    QRectF Rechteck() const { return QRectF(x1, y1, x2 - x1, y2 - y1); }
};

Kasten KreisKasten(const ZoomAbbildung& a, const Circle_& k) {
    const Point3D& m = k.Mitte();
    const double r = k.Radius();
    return {a.BildX(m.x - r), a.BildY(m.y + r), a.BildX(m.x + r), a.BildY(m.y - r)};
}

} // namespace

DxfBildZeichner::DxfBildZeichner(QPainter& maler, const ZoomAbbildung& abbildung)
    : maler_(maler), abbildung_(abbildung) {
    maler_.setFont(QFont(QtSchriftname("Arial")));
    maler_.setPen(QPen(Qt::black, 1));
    maler_.setBrush(Qt::NoBrush);
}

void DxfBildZeichner::Stift(int bildschirmFarbe) {
    maler_.setPen(QPen(Farbwert(bildschirmFarbe), 1));
}

void DxfBildZeichner::Zeichne(const Line_& linie) {
    Stift(linie.ScreenColour());
    maler_.drawLine(abbildung_.BildX(linie.Start().x), abbildung_.BildY(linie.Start().y),
                    abbildung_.BildX(linie.Ende().x), abbildung_.BildY(linie.Ende().y));
}

void DxfBildZeichner::Zeichne(const Circle_& kreis) {
    Stift(kreis.ScreenColour());
    const Kasten k = KreisKasten(abbildung_, kreis);
    if (k.Flaeche()) {
        maler_.drawEllipse(k.Rechteck());
    } else {
        maler_.drawPoint(abbildung_.BildX(kreis.Mitte().x), abbildung_.BildY(kreis.Mitte().y));
    }
}

void DxfBildZeichner::Zeichne(const Arc_& bogen) {
    Stift(bogen.ScreenColour());
    const Kasten k = KreisKasten(abbildung_, bogen);
    if (!k.Flaeche()) {
        maler_.drawPoint(k.x1, k.y2);
        return;
    }
    // Qt's angles run counter-clockwise as seen on the screen, and the mapping turns
    // world y upward, so the drawing's angles carry over unchanged.
    double spanne = std::fmod(bogen.EndGrad() - bogen.StartGrad(), 360.0);
    if (spanne <= 0) {
        spanne += 360;
    }
    maler_.drawArc(k.Rechteck(), static_cast<int>(RundeGerade(bogen.StartGrad() * 16)),
                   static_cast<int>(RundeGerade(spanne * 16)));
}

void DxfBildZeichner::Zeichne(const Text_& text) {
    const int hoehe = static_cast<int>(RundeGerade(abbildung_.LaengeY(text.Hoehe())));
    if (hoehe == 0) {
        return;
    }
    QFont schrift = maler_.font();
    schrift.setPixelSize(PixelFuerZellenhoehe(schrift, std::abs(hoehe) + 2));
    const QString inhalt = QString::fromStdString(text.Inhalt());
    const double breite = QFontMetricsF(schrift).horizontalAdvance(inhalt);
    const double dx = text.Ausrichtung() == 1 ? -breite / 2 : text.Ausrichtung() == 2 ? -breite : 0;
    const int zehntel = static_cast<int>(RundeGerade(text.DrehungGrad() * 10));

    maler_.save();
    maler_.setFont(schrift);
    maler_.setPen(Farbwert(text.ScreenColour()));
    maler_.translate(abbildung_.BildX(text.AusrichtPunkt().x),
                     abbildung_.BildY(text.AusrichtPunkt().y));
    maler_.rotate(-zehntel / 10.0); // counter-clockwise on the screen
    maler_.drawText(QPointF(dx, 0), inhalt);
    maler_.restore();
}

void ZeichneDxf(QPainter& maler, const ZoomAbbildung& abbildung, const DXF_Object& objekt) {
    DxfBildZeichner zeichner(maler, abbildung);
    for (const auto& layer : objekt.Layers()) {
        for (const Entity_List& liste : layer->EntityLists()) {
            for (const auto& entity : liste.Entities()) {
                entity->Draw(zeichner);
            }
        }
    }
}

} // namespace vsk
