#include "mainwindow/ui/SkizzenBild.h"

#include "canvas/qt/QtCanvas.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace vsk {

TSkizzenBild::TSkizzenBild(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgAnsicht"));
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(120, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QImage& TSkizzenBild::Bitmap() {
    const QSize groesse = size().expandedTo(QSize(1, 1));
    const qreal verhaeltnis = devicePixelRatioF();
    if (LogischeGroesse(bild_) != groesse || bild_.devicePixelRatio() != verhaeltnis) {
        bild_ = Bildschirmbitmap(groesse, verhaeltnis);
    }
    return bild_;
}

void TSkizzenBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!bild_.isNull()) {
        p.drawImage(0, 0, bild_);
    }
    if (!bild_.isNull() && bild_.devicePixelRatio() != devicePixelRatioF()) {
        // The window moved to a screen of another pixel ratio: draw the sketch anew for it.
        QTimer::singleShot(0, this, &TSkizzenBild::groesseGeaendert);
    }
}

void TSkizzenBild::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        emit menueAngefordert(event->globalPosition().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void TSkizzenBild::contextMenuEvent(QContextMenuEvent* event) {
    emit menueAngefordert(event->globalPos());
}

} // namespace vsk

namespace vsk {

void TSkizzenBild::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit groesseGeaendert();
}

} // namespace vsk
