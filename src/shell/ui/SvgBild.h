#pragma once
// The program's SVG pictures (splash, about box, start program, buttons) as pixmaps: drawn
// at the device pixel ratio of the screens, so they are as sharp at 200 % as at 100 %.

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

namespace vsk {

// The picture in the file (a resource path) filling a pixmap of the logical size.
QPixmap SvgBild(const QString& datei, QSize groesse);
// The picture drawn into the rectangle (logical pixels) of a pixmap of the size and colour.
QPixmap SvgBild(const QString& datei, QSize groesse, const QRectF& ziel, const QColor& grund);

} // namespace vsk
