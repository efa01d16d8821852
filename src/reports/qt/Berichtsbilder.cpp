#include "reports/qt/Berichtsbilder.h"

#include "reports/Berichtsbilder.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <map>

namespace vsk {

namespace {

// Pictures are drawn at this multiple of their own (screen) size, enough for a 600 dpi
// page.
constexpr int Ueberabtastung = 7;

QImage Leer(const BildMass& m) {
    // Transparent, so that a scaled picture shows no edge against the page.
    QImage bild(m.breite * Ueberabtastung, m.hoehe * Ueberabtastung,
                QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    return bild;
}

// Two stylised dowels crossing a joint beside the product name.
QImage Logo() {
    const BildMass m = EigeneGroesse(BildDrucklogo);
    QImage bild = Leer(m);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = bild.width();
    const double h = bild.height();
    const QColor blau(0x1F, 0x4E, 0x8C);
    const QColor stahl(0x9A, 0xA4, 0xAE);

    // Emblem: two slab edges with the joint between them and two dowel bars across it.
    const QRectF emblem(h * 0.08, h * 0.08, h * 0.84, h * 0.84);
    p.setPen(Qt::NoPen);
    p.setBrush(blau);
    p.drawRoundedRect(emblem, h * 0.1, h * 0.1);
    p.setBrush(Qt::white);
    const double fuge = emblem.width() * 0.12;
    p.drawRect(QRectF(emblem.center().x() - fuge / 2, emblem.top(), fuge, emblem.height()));
    p.setBrush(stahl);
    for (const double anteil : {0.33, 0.67}) {
        const double y = emblem.top() + emblem.height() * anteil;
        p.drawRoundedRect(QRectF(emblem.left() + emblem.width() * 0.14, y - h * 0.045,
                                 emblem.width() * 0.72, h * 0.09),
                          h * 0.04, h * 0.04);
    }

    // Product name.
    QFont f(QtSchriftname("Arial"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(h * 0.46));
    p.setFont(f);
    p.setPen(blau);
    const double x0 = emblem.right() + h * 0.14;
    p.drawText(QRectF(x0, 0, w - x0, h * 0.66), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("VSK"));
    QFont klein(QtSchriftname("Arial"));
    klein.setPixelSize(static_cast<int>(h * 0.17));
    p.setFont(klein);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(QRectF(x0, h * 0.68, w - x0, h * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Shear Connector"));
    return bild;
}

// F_Sd,tot = integral of q_Ed(x) dx, typeset by hand.
QImage FormelBeliebigeLast() {
    const BildMass m = EigeneGroesse(BildBeliebigeLast);
    QImage bild = Leer(m);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    const double h = bild.height();
    const int gross = static_cast<int>(h * 0.30);
    const int klein = gross * 3 / 4;
    QFont f(QtSchriftname("Arial"));
    f.setPixelSize(gross);
    QFont fi = f;
    fi.setPixelSize(klein);
    const double basis = h * 0.62;
    double x = h * 0.1;

    auto schreibe = [&](const QString& t, const QFont& font, double y) {
        p.setFont(font);
        p.drawText(QPointF(x, y), t);
        x += QFontMetricsF(font).horizontalAdvance(t);
    };
    schreibe(QStringLiteral("F"), f, basis);
    schreibe(QStringLiteral("Sd,tot"), fi, basis + klein * 0.35);
    schreibe(QStringLiteral(" = "), f, basis);

    // Integral sign as a drawn curve, taller than the text.
    const double oben = h * 0.1;
    const double unten = h * 0.9;
    const double breite = h * 0.22;
    QPainterPath integral;
    integral.moveTo(x + breite * 0.95, oben + h * 0.06);
    integral.cubicTo(x + breite * 0.85, oben - h * 0.04, x + breite * 0.55, oben, x + breite * 0.5,
                     (oben + unten) / 2);
    integral.cubicTo(x + breite * 0.45, unten, x + breite * 0.15, unten + h * 0.04,
                     x + breite * 0.05, unten - h * 0.06);
    QPen stift(Qt::black, h * 0.035, Qt::SolidLine, Qt::RoundCap);
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    p.drawPath(integral);
    p.setPen(Qt::black);
    x += breite * 1.15;

    schreibe(QStringLiteral("q"), f, basis);
    schreibe(QStringLiteral("Ed"), fi, basis + klein * 0.35);
    schreibe(QStringLiteral("(x) dx"), f, basis);
    return bild;
}

} // namespace

QImage Berichtsbild(const std::string& name) {
    static std::map<std::string, QImage> vorrat;
    const auto it = vorrat.find(name);
    if (it != vorrat.end()) {
        return it->second;
    }
    QImage bild;
    if (name == BildDrucklogo) {
        bild = Logo();
    } else if (name == BildBeliebigeLast) {
        bild = FormelBeliebigeLast();
    }
    if (!bild.isNull()) {
        vorrat.emplace(name, bild);
    }
    return bild;
}

BildQuelle BerichtsBildQuelle() {
    return [](const std::string& name) { return Berichtsbild(name); };
}

} // namespace vsk
