#include "canvas/qt/QtCanvas.h"

#include "canvas/Symbolschrift.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vsk {

namespace {

QColor Farbwert(Farbe f) {
    return QColor(Rot(f), Gruen(f), Blau(f));
}

struct Box {
    int l, t, r, b;
    int Breite() const { return r - l; }
    int Hoehe() const { return b - t; }
    bool Leer() const { return r == l || b == t; }
};

Box Normiert(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The outline path through the centres of the box's border pixels (for antialiased curves).
QRectF Umriss(const Box& b) {
    return QRectF(b.l + 0.5, b.t + 0.5, b.Breite() - 1.0, b.Hoehe() - 1.0);
}

bool IstName(const std::string& name, const char* gesucht) {
    return QString::fromStdString(name).compare(QLatin1String(gesucht), Qt::CaseInsensitive) == 0;
}

} // namespace

QString QtSchriftname(const std::string& name) {
    if (IstName(name, "Arial") || IstName(name, "Symbol") || IstName(name, "FF_ARIAL") ||
        IstName(name, "MS Sans Serif")) {
        return QStringLiteral("Liberation Sans");
    }
    if (IstName(name, "Times New Roman")) {
        return QStringLiteral("Liberation Serif");
    }
    if (IstName(name, "Courier New")) {
        return QStringLiteral("Liberation Mono");
    }
    return QString::fromStdString(name);
}

QImage Bildschirmbitmap(QSize logisch, qreal verhaeltnis) {
    const qreal v = verhaeltnis > 0 ? verhaeltnis : 1.0;
    const QSize s = logisch.expandedTo(QSize(1, 1));
    QImage bild(static_cast<int>(std::ceil(s.width() * v)),
                static_cast<int>(std::ceil(s.height() * v)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(v);
    bild.fill(Qt::white);
    return bild;
}

QSize LogischeGroesse(const QImage& bild) {
    return bild.deviceIndependentSize().toSize();
}

QtCanvas::QtCanvas(QPaintDevice& geraet, int dpiX, int dpiY)
    : eigener_(std::make_unique<QPainter>(&geraet)), maler_(eigener_.get()) {
    Init(dpiX, dpiY);
}

QtCanvas::QtCanvas(QPainter& maler, int dpiX, int dpiY) : maler_(&maler) {
    Init(dpiX, dpiY);
}

QtCanvas::~QtCanvas() {
    if (eigener_ && eigener_->isActive()) {
        eigener_->end();
    }
}

void QtCanvas::Init(int dpiX, int dpiY) {
    QPaintDevice* geraet = maler_->device();
    dpiX_ = dpiX > 0 ? dpiX : (geraet ? geraet->logicalDpiX() : 96);
    dpiY_ = dpiY > 0 ? dpiY : (geraet ? geraet->logicalDpiY() : 96);
    maler_->setRenderHint(QPainter::TextAntialiasing, true);
}

void QtCanvas::SetzeStift(bool mitStift) {
    if (!mitStift) {
        maler_->setPen(Qt::NoPen);
        return;
    }
    const int breite = std::max(1, std::abs(stift.breite));
    QPen p(Farbwert(stift.farbe));
    p.setWidth(breite);
    p.setJoinStyle(breite > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    p.setCapStyle(breite > 1 ? Qt::RoundCap : Qt::FlatCap);
    if (stift.art == Stiftart::Gepunktet) {
        // Dots of about 3 screen pixels on every device: on a 600 dpi page, dots of
        // 3 device pixels would print as a solid line.
        const qreal punkt = 3.0 * std::max(1.0, dpiX_ / 96.0);
        p.setDashPattern({punkt, punkt});
    }
    maler_->setPen(p);
}

void QtCanvas::SetzePinsel(bool mitPinsel) {
    if (mitPinsel && pinsel.art == Pinselart::Voll) {
        maler_->setBrush(Farbwert(pinsel.farbe));
    } else {
        maler_->setBrush(Qt::NoBrush);
    }
}

void QtCanvas::FillRect(const Rechteck& r) {
    const Box b = Normiert(r.left, r.top, r.right, r.bottom);
    if (b.Leer() || pinsel.art == Pinselart::Leer) {
        return;
    }
    maler_->fillRect(QRect(b.l, b.t, b.Breite(), b.Hoehe()), Farbwert(pinsel.farbe));
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const Box b = Normiert(x1, y1, x2, y2);
    if (b.Leer()) {
        return;
    }
    maler_->setRenderHint(QPainter::Antialiasing, false);
    if (pinsel.art == Pinselart::Voll) {
        maler_->fillRect(QRect(b.l, b.t, b.Breite(), b.Hoehe()), Farbwert(pinsel.farbe));
    }
    SetzeStift(true);
    maler_->setBrush(Qt::NoBrush);
    if (const QPointF v = Linienversatz(); !v.isNull()) {
        maler_->drawRect(QRectF(b.l + v.x(), b.t + v.y(), b.Breite() - 1, b.Hoehe() - 1));
        return;
    }
    maler_->drawRect(QRect(b.l, b.t, b.Breite() - 1, b.Hoehe() - 1));
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const Box b = Normiert(x1, y1, x2, y2);
    if (b.Leer()) {
        return;
    }
    maler_->setRenderHint(QPainter::Antialiasing, true);
    SetzeStift(true);
    SetzePinsel(true);
    maler_->drawEllipse(Umriss(b));
}

void QtCanvas::RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) {
    const Box b = Normiert(x1, y1, x2, y2);
    if (b.Leer()) {
        return;
    }
    maler_->setRenderHint(QPainter::Antialiasing, true);
    SetzeStift(true);
    SetzePinsel(true);
    // Corner radii never exceed half the box, as the GDI call clamps them.
    const double rx = std::min(std::abs(ew) / 2.0, (b.Breite() - 1) / 2.0);
    const double ry = std::min(std::abs(eh) / 2.0, (b.Hoehe() - 1) / 2.0);
    maler_->drawRoundedRect(Umriss(b), std::max(0.0, rx), std::max(0.0, ry));
}

void QtCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const Box b = Normiert(x1, y1, x2, y2);
    if (b.Leer()) {
        return;
    }
    maler_->setRenderHint(QPainter::Antialiasing, true);
    SetzeStift(true);
    maler_->setBrush(Qt::NoBrush);
    const QRectF u = Umriss(b);
    const double cx = (b.l + b.r) / 2.0;
    const double cy = (b.t + b.b) / 2.0;
    // Angles counter-clockwise on the screen, y pointing down.
    const auto winkel = [&](int x, int y) {
        return std::atan2(-(y - cy), x - cx) * 180.0 / std::numbers::pi;
    };
    const double start = winkel(x3, y3);
    double spanne = winkel(x4, y4) - start;
    while (spanne <= 0.0) {
        spanne += 360.0;
    }
    maler_->drawArc(u, static_cast<int>(std::lround(start * 16.0)),
                    static_cast<int>(std::lround(spanne * 16.0)));
}

QPointF QtCanvas::Linienversatz() const {
    const QPaintDevice* geraet = maler_->device();
    if (geraet == nullptr || geraet->devicePixelRatioF() <= 1.0 ||
        std::max(1, std::abs(stift.breite)) % 2 == 0) {
        return {};
    }
    return {0.5, 0.5};
}

void QtCanvas::Linie(Punkt von, Punkt bis) {
    maler_->setRenderHint(QPainter::Antialiasing, false);
    SetzeStift(true);
    if (const QPointF v = Linienversatz(); !v.isNull()) {
        maler_->drawLine(QPointF(von.x, von.y) + v, QPointF(bis.x, bis.y) + v);
        return;
    }
    maler_->drawLine(QPoint(von.x, von.y), QPoint(bis.x, bis.y));
}

const QFont& QtCanvas::AktuelleSchrift() {
    if (!cache_.metrik || cache_.name != schrift.name || cache_.groesse != schrift.groesse ||
        cache_.stil != schrift.stil) {
        QFont f(QtSchriftname(schrift.name));
        f.setPixelSize(std::max(1, SchriftPixel(std::abs(schrift.groesse), dpiY_)));
        f.setBold((schrift.stil & Fett) != 0);
        f.setItalic((schrift.stil & Kursiv) != 0);
        f.setUnderline((schrift.stil & Unterstrichen) != 0);
        f.setKerning(false);
        cache_.name = schrift.name;
        cache_.groesse = schrift.groesse;
        cache_.stil = schrift.stil;
        cache_.font = f;
        cache_.metrik.emplace(f, maler_->device());
    }
    return cache_.font;
}

const QFontMetrics& QtCanvas::Metrik() {
    AktuelleSchrift();
    return *cache_.metrik;
}

QString QtCanvas::DarzustellenderText(const std::string& text) const {
    if (IstName(schrift.name, "Symbol")) {
        return QString::fromStdString(SymbolNachUnicode(text));
    }
    return QString::fromStdString(text);
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) {
        return;
    }
    const QFont& f = AktuelleSchrift();
    const QFontMetrics& fm = Metrik();
    const QString t = DarzustellenderText(text);
    maler_->save();
    maler_->translate(x, y);
    if (schrift.winkel != 0) {
        maler_->rotate(-schrift.winkel / 10.0);
    }
    if (pinsel.art == Pinselart::Voll) {
        maler_->fillRect(QRect(0, 0, fm.horizontalAdvance(t), fm.height()), Farbwert(pinsel.farbe));
    }
    maler_->setFont(f);
    maler_->setPen(Farbwert(schrift.farbe));
    maler_->drawText(QPoint(0, fm.ascent()), t);
    maler_->restore();
}

int QtCanvas::TextWidth(const std::string& text) {
    return Metrik().horizontalAdvance(DarzustellenderText(text));
}

int QtCanvas::TextHeight(const std::string&) {
    return Metrik().height();
}

void QtCanvas::StretchDraw(const Rechteck& r, const std::string& bildname) {
    if (!bilder_) {
        return;
    }
    const QImage bild = bilder_(bildname);
    const Box b = Normiert(r.left, r.top, r.right, r.bottom);
    if (bild.isNull() || b.Leer()) {
        return;
    }
    maler_->save();
    maler_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    maler_->drawImage(QRect(b.l, b.t, b.Breite(), b.Hoehe()), bild);
    maler_->restore();
}

void QtCanvas::SetClipRect(const std::optional<Rechteck>& r) {
    if (!r) {
        maler_->setClipping(false);
        return;
    }
    const Box b = Normiert(r->left, r->top, r->right, r->bottom);
    maler_->setClipRect(QRect(b.l, b.t, b.Breite(), b.Hoehe()));
}

} // namespace vsk
