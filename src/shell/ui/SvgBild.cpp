#include "shell/ui/SvgBild.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace vsk {

QPixmap SvgBild(const QString& datei, QSize groesse) {
    return SvgBild(datei, groesse, QRectF(QPointF(), groesse), Qt::transparent);
}

QPixmap SvgBild(const QString& datei, QSize groesse, const QRectF& ziel, const QColor& grund) {
    // The finest screen the program may be shown on.
    const qreal verhaeltnis = std::max<qreal>(1, qApp->devicePixelRatio());
    QPixmap bild(static_cast<int>(std::ceil(groesse.width() * verhaeltnis)),
                 static_cast<int>(std::ceil(groesse.height() * verhaeltnis)));
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(grund);
    QSvgRenderer svg(datei);
    QPainter maler(&bild);
    svg.render(&maler, ziel);
    return bild;
}

} // namespace vsk
