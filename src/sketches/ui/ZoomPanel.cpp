#include "sketches/ui/ZoomPanel.h"

#include "canvas/qt/QtCanvas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace vsk {

// The drawing area: hands its events to the panel.
class ZoomMalflaeche final : public QWidget {
public:
    explicit ZoomMalflaeche(Zoom_panel& panel) : QWidget(&panel), panel_(panel) {
        setObjectName(QStringLiteral("PaintBox"));
        setCursor(Qt::CrossCursor);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setMinimumSize(40, 40);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        panel_.Male(maler);
    }
    void resizeEvent(QResizeEvent*) override { panel_.GroesseGeaendert(); }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            panel_.MausGedrueckt(e->position().toPoint(), e->modifiers());
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override { panel_.MausBewegung(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            panel_.MausLosgelassen(e->position().toPoint());
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            panel_.Doppelklick(e->modifiers());
        }
    }
    void wheelEvent(QWheelEvent* e) override {
        const int schritte = e->angleDelta().y() / 120;
        if (schritte != 0) {
            panel_.Mausrad(e->position().toPoint(), schritte);
        }
        e->accept();
    }

private:
    Zoom_panel& panel_;
};

namespace {

enum class Symbol { Plus, Minus, Reset, Letzte };

// The button pictures: a magnifier with plus or minus, a frame with corner marks for the
// fitted view and a bent arrow back to the previous view, at a device pixel ratio.
QPixmap Knopfbild(Symbol symbol, int verhaeltnis) {
    QPixmap bild(20 * verhaeltnis, 20 * verhaeltnis);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(Qt::transparent);
    QPainter m(&bild);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(0, 0, 128), 2));
    switch (symbol) {
    case Symbol::Plus:
    case Symbol::Minus:
        m.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        m.setPen(QPen(QColor(0, 0, 128), 3, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
        m.setPen(QPen(QColor(0, 0, 128), 1.6));
        m.drawLine(QPointF(5, 8), QPointF(11, 8));
        if (symbol == Symbol::Plus) {
            m.drawLine(QPointF(8, 5), QPointF(8, 11));
        }
        break;
    case Symbol::Reset:
        m.drawRect(QRectF(5, 5, 10, 10));
        m.setPen(QPen(QColor(0, 0, 128), 1.4));
        for (const QPointF& ecke :
             {QPointF(2, 2), QPointF(18, 2), QPointF(2, 18), QPointF(18, 18)}) {
            const double dx = ecke.x() < 10 ? 3 : -3;
            const double dy = ecke.y() < 10 ? 3 : -3;
            m.drawLine(ecke, ecke + QPointF(dx, 0));
            m.drawLine(ecke, ecke + QPointF(0, dy));
        }
        break;
    case Symbol::Letzte: {
        QPainterPath pfad;
        pfad.moveTo(16, 15);
        pfad.cubicTo(16, 7, 12, 6, 5, 6);
        m.drawPath(pfad);
        m.setBrush(QColor(0, 0, 128));
        m.setPen(Qt::NoPen);
        m.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(7, 2), QPointF(7, 10)}));
        break;
    }
    }
    return bild;
}

// Drawn for screens at 100 % and for sharper ones.
QIcon Knopfbild(Symbol symbol) {
    QIcon bild;
    for (int verhaeltnis : {1, 2, 3}) {
        bild.addPixmap(Knopfbild(symbol, verhaeltnis));
    }
    return bild;
}

QToolButton* Knopf(QWidget* eltern, const char* name, Symbol symbol, const QString& hinweis) {
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setIcon(Knopfbild(symbol));
    k->setAutoRaise(true);
    k->setToolTip(hinweis);
    return k;
}

QScrollBar* Rollbalken(QWidget* eltern, Qt::Orientation richtung, const char* name) {
    auto* b = new QScrollBar(richtung, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setRange(0, 1000);
    b->setValue(500);
    return b;
}

} // namespace

Zoom_panel::Zoom_panel(QWidget* parent) : QWidget(parent) {
    malflaeche_ = new ZoomMalflaeche(*this);
    sbarVertikal_ = Rollbalken(this, Qt::Vertical, "sbarVertikal");
    sbarHorizontal_ = Rollbalken(this, Qt::Horizontal, "sbarHorizontal");

    auto* sbtnPlus = Knopf(this, "sbtnZoomIn", Symbol::Plus, tr("Zoom in"));
    auto* sbtnMinus = Knopf(this, "sbtnZoomOut", Symbol::Minus, tr("Zoom out"));
    auto* sbtnReset = Knopf(this, "sbtnZoomReset", Symbol::Reset, tr("Whole drawing"));
    auto* sbtnLetzte = Knopf(this, "sbtnZoomLast", Symbol::Letzte, tr("Previous view"));

    lblKoordinaten_ = new QLabel(QStringLiteral("X= 0.000  Y= 0.000"), this);
    lblKoordinaten_->setObjectName(QStringLiteral("lblKoordinaten"));
    lblKoordinaten_->setFont(QFont(QtSchriftname("Arial")));
    lblKoordinaten_->setStyleSheet(QStringLiteral("color: navy"));
    lblKoordinaten_->setMinimumWidth(220);
    lblMassstab_ = new QLabel(QStringLiteral("1 : 1"), this);
    lblMassstab_->setObjectName(QStringLiteral("lblMassstab"));
    lblMassstab_->setStyleSheet(QStringLiteral("color: maroon"));
    lblMassstab_->setMinimumWidth(80);

    auto* leiste = new QHBoxLayout;
    leiste->setContentsMargins(0, 0, 0, 0);
    leiste->setSpacing(2);
    for (QToolButton* k : {sbtnPlus, sbtnMinus, sbtnReset, sbtnLetzte}) {
        leiste->addWidget(k);
    }
    leiste->addSpacing(8);
    leiste->addWidget(lblKoordinaten_);
    leiste->addWidget(lblMassstab_);
    leiste->addWidget(sbarHorizontal_, 1);

    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(0);
    raster->addWidget(malflaeche_, 0, 0);
    raster->addWidget(sbarVertikal_, 0, 1);
    raster->addLayout(leiste, 1, 0, 1, 2);

    tmrWiederholung_ = new QTimer(this);
    connect(tmrWiederholung_, &QTimer::timeout, this, &Zoom_panel::WiederholungTick);
    connect(sbtnPlus, &QToolButton::pressed, this, [this] { Wiederholen(Richtung::Hinein); });
    connect(sbtnMinus, &QToolButton::pressed, this, [this] { Wiederholen(Richtung::Hinaus); });
    for (QToolButton* k : {sbtnPlus, sbtnMinus}) {
        connect(k, &QToolButton::released, this, [this] { Wiederholen(Richtung::Keine); });
    }
    connect(sbtnReset, &QToolButton::clicked, this, &Zoom_panel::ZoomReset);
    connect(sbtnLetzte, &QToolButton::clicked, this, &Zoom_panel::ZoomLast);
    connect(sbarHorizontal_, &QScrollBar::valueChanged, this, &Zoom_panel::ScrollH);
    connect(sbarVertikal_, &QScrollBar::valueChanged, this, &Zoom_panel::ScrollV);
}

void Zoom_panel::SetZoomFactor(double faktor) {
    zoomFaktor_ = faktor == 0 ? 1.25 : faktor;
}

void Zoom_panel::SetzeDezimaltrenner(char trenner) {
    trenner_ = trenner;
    if (abbildung_.Bereit()) {
        lblMassstab_->setText(QString::fromStdString(abbildung_.Massstab(trenner_)));
    }
}

QWidget& Zoom_panel::Malflaeche() {
    return *malflaeche_;
}

void Zoom_panel::Fit(int randX, int randY, double xmax, double xmin, double ymax, double ymin) {
    abbildung_.SetzeGroesse(malflaeche_->width(), malflaeche_->height());
    abbildung_.Fit(randX, randY, xmax, xmin, ymax, ymin);
    Aktualisiere();
}

void Zoom_panel::ZoomIn() {
    if (!abbildung_.Bereit()) {
        return;
    }
    abbildung_.Zoom(1 / zoomFaktor_);
    Aktualisiere();
    emit Zoomin();
}

void Zoom_panel::ZoomOut() {
    if (!abbildung_.Bereit()) {
        return;
    }
    abbildung_.Zoom(zoomFaktor_);
    Aktualisiere();
    emit Zoomout();
}

void Zoom_panel::ZoomReset() {
    if (!abbildung_.Bereit()) {
        return;
    }
    abbildung_.Reset();
    Aktualisiere();
    emit Zoomreset();
}

void Zoom_panel::ZoomLast() {
    if (!abbildung_.Bereit()) {
        return;
    }
    abbildung_.Letzte();
    Aktualisiere();
}

void Zoom_panel::Wiederholen(Richtung richtung) {
    wiederholung_ = richtung;
    if (richtung == Richtung::Keine) {
        tmrWiederholung_->stop();
        return;
    }
    WiederholungTick();
    tmrWiederholung_->start(500);
}

void Zoom_panel::WiederholungTick() {
    if (tmrWiederholung_->isActive()) {
        tmrWiederholung_->setInterval(25);
    }
    if (wiederholung_ == Richtung::Hinein) {
        ZoomIn();
    } else if (wiederholung_ == Richtung::Hinaus) {
        ZoomOut();
    }
}

void Zoom_panel::Male(QPainter& maler) {
    maler.fillRect(malflaeche_->rect(), Qt::white);
    if (onPaint_ && abbildung_.Bereit()) {
        maler.save();
        onPaint_(maler);
        maler.restore();
    }
    if (gummiband_) {
        maler.save();
        maler.setPen(QPen(Qt::red, 1, Qt::DashDotDotLine));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(QRect(bandAnfang_, bandEnde_).normalized());
        maler.restore();
    }
}

void Zoom_panel::MausGedrueckt(const QPoint& p, Qt::KeyboardModifiers tasten) {
    if (abbildung_.Bereit()) {
        druckX_ = abbildung_.WeltX(p.x());
        druckY_ = abbildung_.WeltY(p.y());
    }
    if ((tasten & Qt::ShiftModifier) != 0) {
        bandAnfang_ = p;
        bandEnde_ = p;
        gummiband_ = true;
        return;
    }
    ziehen_ = true;
    ersterZug_ = true;
    zugPunkt_ = p;
    malflaeche_->setCursor(Qt::ClosedHandCursor);
}

void Zoom_panel::MausBewegung(const QPoint& p) {
    if (gummiband_) {
        bandEnde_ = p;
        malflaeche_->update();
    }
    if (ziehen_ && p != zugPunkt_ && abbildung_.Bereit()) {
        abbildung_.Verschiebe(p.x() - zugPunkt_.x(), p.y() - zugPunkt_.y(), ersterZug_);
        ersterZug_ = false;
        zugPunkt_ = p;
        Aktualisiere();
    }
    if (abbildung_.Bereit()) {
        const double x = abbildung_.WeltX(p.x());
        const double y = abbildung_.WeltY(p.y());
        lblKoordinaten_->setText(QString::fromStdString(ZoomKoordinaten(x, y, trenner_)));
        emit MausBewegt(x, y);
    }
}

void Zoom_panel::MausLosgelassen(const QPoint& p) {
    if (ziehen_) {
        ziehen_ = false;
        malflaeche_->setCursor(Qt::CrossCursor);
    }
    if (!gummiband_) {
        return;
    }
    gummiband_ = false;
    bandEnde_ = p;
    if (abbildung_.ZoomRechteck(bandAnfang_.x(), bandAnfang_.y(), bandEnde_.x(), bandEnde_.y())) {
        Aktualisiere();
    } else {
        malflaeche_->update();
    }
}

void Zoom_panel::Doppelklick(Qt::KeyboardModifiers tasten) {
    if (!abbildung_.Bereit()) {
        return;
    }
    if ((tasten & Qt::ShiftModifier) == 0) {
        ZoomReset();
        return;
    }
    abbildung_.Zentriere(druckX_, druckY_);
    Aktualisiere();
}

void Zoom_panel::Mausrad(const QPoint& p, int schritte) {
    if (!abbildung_.Bereit()) {
        return;
    }
    for (int i = 0; i < std::abs(schritte); ++i) {
        abbildung_.ZoomUm(p.x(), p.y(), schritte > 0 ? 1 / zoomFaktor_ : zoomFaktor_);
    }
    Aktualisiere();
    if (schritte > 0) {
        emit Zoomin();
    } else {
        emit Zoomout();
    }
}

void Zoom_panel::GroesseGeaendert() {
    abbildung_.SetzeGroesse(malflaeche_->width(), malflaeche_->height());
    if (abbildung_.Bereit()) {
        Aktualisiere();
    }
}

void Zoom_panel::ScrollH(int neu) {
    if (abbildung_.HScroll(hAlt_, neu)) {
        Aktualisiere();
    }
}

void Zoom_panel::ScrollV(int neu) {
    if (abbildung_.VScroll(vAlt_, neu)) {
        Aktualisiere();
    }
}

void Zoom_panel::Aktualisiere() {
    lblMassstab_->setText(QString::fromStdString(abbildung_.Massstab(trenner_)));
    AktualisiereRollbalken();
    malflaeche_->update();
}

void Zoom_panel::AktualisiereRollbalken() {
    const auto setze = [](QScrollBar& bar, int position, int seite) {
        const QSignalBlocker sperre(bar);
        bar.setPageStep(std::max(seite, 1));
        bar.setValue(std::clamp(position, 0, 1000));
        return bar.value();
    };
    hAlt_ = setze(*sbarHorizontal_, abbildung_.HPosition(), abbildung_.HSeite());
    vAlt_ = setze(*sbarVertikal_, abbildung_.VPosition(), abbildung_.VSeite());
}

} // namespace vsk
