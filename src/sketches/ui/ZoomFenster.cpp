#include "sketches/ui/ZoomFenster.h"

#include "canvas/qt/QtCanvas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

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

private:
    TfrmZoom& fenster_;
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
    const int w = imgZoom_->width();
    const int h = imgZoom_->height();
    bild_ = QImage(w, h, QImage::Format_RGB32);
    // The sketch's fonts are sized in points at the screen's resolution, as in the
    // main window, so texts keep their size while the geometry follows the window.
    bild_.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
    bild_.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
    bild_.fill(Qt::white);
    if (zeichner_) {
        QtCanvas canvas(bild_, PunkteJeZoll(logicalDpiX()), PunkteJeZoll(logicalDpiY()));
        zeichner_(canvas, Rechteck{0, 0, w, h});
    }
    imgZoom_->update();
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
