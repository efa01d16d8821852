#include "sketches/ui/ZoomFenster.h"

#include "canvas/qt/QtCanvas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>
#include <optional>

namespace vsk {

// The picture imgZoom: shows the window's bitmap, asks for a redraw when resized and
// opens the context menu.
class ZoomBild final : public QWidget {
public:
    explicit ZoomBild(TfrmZoom& fenster) : QWidget(&fenster), fenster_(fenster) {
        setObjectName(QStringLiteral("imgZoom"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setMinimumSize(40, 40);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.fillRect(rect(), Qt::white);
        maler.drawImage(0, 0, fenster_.bild_);
    }
    void resizeEvent(QResizeEvent*) override { fenster_.Neuzeichnen(); }
    void contextMenuEvent(QContextMenuEvent* e) override {
        fenster_.popmnuZoom_->popup(e->globalPos());
    }
    void wheelEvent(QWheelEvent* e) override {
        const int schritte = e->angleDelta().y() / 120;
        if (schritte != 0) {
            fenster_.ZoomUm(e->position().toPoint(),
                            std::pow(RadFaktor, static_cast<double>(schritte)));
        }
        e->accept();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            ziehen_ = e->position().toPoint();
            setCursor(Qt::ClosedHandCursor);
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (ziehen_) {
            const QPoint p = e->position().toPoint();
            fenster_.Verschiebe(p - *ziehen_);
            ziehen_ = p;
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            ziehen_.reset();
            unsetCursor();
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            fenster_.Einpassen();
        }
    }

private:
    // One notch of the wheel, as in the zoom panel.
    static constexpr double RadFaktor = 1.25;

    TfrmZoom& fenster_;
    std::optional<QPoint> ziehen_; // where the left button drags from
};

namespace {

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setToolTip(hinweis);
    k->setAutoDefault(false);
    return k;
}

int PunkteJeZoll(double dpi) {
    return std::max(1, static_cast<int>(std::lround(dpi)));
}

} // namespace

TfrmZoom::TfrmZoom(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(tr("Zoom"));

    imgZoom_ = new ZoomBild(*this);
    BitBtnKopieren_ =
        Knopf(this, "BitBtnKopieren", tr("&Copy"), tr("Copy printout of results to clipboard"));
    BitBtnExport_ =
        Knopf(this, "BitBtnExport", tr("&Export"), tr("Export printout of results in file"));
    BitBtnSchliessen_ = Knopf(this, "BitBtnSchliessen", tr("&Close"), tr("Close window"));
    BitBtnExport_->setEnabled(false);

    popmnuZoom_ = new QMenu(this);
    popmnuZoom_->setObjectName(QStringLiteral("popmnuZoom"));
    QAction* kopieren = popmnuZoom_->addAction(tr("Sketch to &Clipborad"));
    kopieren->setObjectName(QStringLiteral("popmnuKopieren"));
    popmnuSpeichern_ = popmnuZoom_->addAction(tr("Save sketch in file"));
    popmnuSpeichern_->setObjectName(QStringLiteral("popmnuSpeichern"));
    popmnuSpeichern_->setEnabled(false);
    QAction* schliessen = popmnuZoom_->addAction(tr("&Close window"));
    schliessen->setObjectName(QStringLiteral("popmnuSchliessen"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtnKopieren_);
    knoepfe->addWidget(BitBtnExport_);
    knoepfe->addWidget(BitBtnSchliessen_);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 4, 4);
    spalte->setSpacing(4);
    spalte->addWidget(imgZoom_, 1);
    spalte->addLayout(knoepfe);
    resize(439, 378);

    connect(BitBtnKopieren_, &QPushButton::clicked, this, &TfrmZoom::BitBtnKopierenClick);
    connect(kopieren, &QAction::triggered, this, &TfrmZoom::BitBtnKopierenClick);
    connect(BitBtnExport_, &QPushButton::clicked, this, &TfrmZoom::BitBtnExportClick);
    connect(popmnuSpeichern_, &QAction::triggered, this, &TfrmZoom::BitBtnExportClick);
    connect(BitBtnSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(schliessen, &QAction::triggered, this, &QWidget::close);
}

void TfrmZoom::SetzeExportieren(BildBefehl befehl) {
    exportieren_ = std::move(befehl);
    BitBtnExport_->setEnabled(static_cast<bool>(exportieren_));
    popmnuSpeichern_->setEnabled(static_cast<bool>(exportieren_));
}

QWidget& TfrmZoom::imgZoom() {
    return *imgZoom_;
}

void TfrmZoom::ZeigeBei(const QWidget* hauptfenster) {
    if (!isVisible()) {
        ausschnitt_.Einpassen(); // a new look starts with the whole sketch
    }
    if (hauptfenster != nullptr && !isVisible()) {
        QRect r = frameGeometry();
        r.moveCenter(hauptfenster->frameGeometry().center());
        move(r.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void TfrmZoom::Neuzeichnen() {
    if (!isVisible()) {
        return;
    }
    bild_ = Zeichne(imgZoom_->size(), imgZoom_->devicePixelRatioF());
    imgZoom_->update();
}

QImage TfrmZoom::Zeichne(QSize groesse, qreal verhaeltnis) const {
    QImage bild = Bildschirmbitmap(groesse, verhaeltnis);
    // The sketch's fonts are sized in points at the screen's resolution, as in the
    // main window, so texts keep their size while the geometry follows the window.
    bild.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
    bild.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
    if (zeichner_) {
        QtCanvas canvas(bild, PunkteJeZoll(logicalDpiX()), PunkteJeZoll(logicalDpiY()));
        Skizzenausschnitt ausschnitt = ausschnitt_;
        ausschnitt.SetzeGroesse(groesse.width(), groesse.height());
        zeichner_(canvas, ausschnitt.Zeichenrechteck());
    }
    return bild;
}

QImage TfrmZoom::Exportbild() const {
    if (bild_.devicePixelRatio() == 1) {
        return bild_;
    }
    return Zeichne(LogischeGroesse(bild_), 1);
}

void TfrmZoom::ZoomUm(QPoint punkt, double f) {
    ausschnitt_.SetzeGroesse(imgZoom_->width(), imgZoom_->height());
    QImage probe = Bildschirmbitmap({1, 1}, 1);
    QtCanvas canvas(probe, PunkteJeZoll(logicalDpiX()), PunkteJeZoll(logicalDpiY()));
    ausschnitt_.ZoomUm(punkt.x(), punkt.y(), f,
                       [&](const Rechteck& r) { return lage_ ? lage_(canvas, r) : Skizzenlage{}; });
    Neuzeichnen();
}

void TfrmZoom::Verschiebe(QPoint um) {
    if (ausschnitt_.Eingepasst() || um.isNull()) {
        return; // the whole sketch is shown: nothing to move into view
    }
    ausschnitt_.Verschiebe(um.x(), um.y());
    Neuzeichnen();
}

void TfrmZoom::Einpassen() {
    ausschnitt_.Einpassen();
    Neuzeichnen();
}

void TfrmZoom::BitBtnKopierenClick() {
    if (kopieren_) {
        kopieren_(*this);
    } else {
        QGuiApplication::clipboard()->setImage(bild_);
    }
}

void TfrmZoom::BitBtnExportClick() {
    if (exportieren_) {
        exportieren_(*this);
    }
}

bool TfrmZoom::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        if (aktivierung_) {
            aktivierung_();
        }
        Neuzeichnen();
    }
    return QWidget::event(e);
}

} // namespace vsk
