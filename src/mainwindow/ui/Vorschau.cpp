#include "mainwindow/ui/Vorschau.h"

#include "canvas/qt/QtCanvas.h"
#include "mainwindow/ui/Vorschauleiste.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace vsk {

namespace {
constexpr int Abstand = 8; // gap between and around the pages
}

// A page: its bitmap painted as it is (one copy of a page, which may be large when zoomed).
class TSeitenbild final : public QLabel {
public:
    explicit TSeitenbild(QWidget* eltern) : QLabel(eltern) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void Setze(const QImage& bild) {
        bild_ = bild;
        resize(LogischeGroesse(bild));
        update();
    }
    const QImage& Bild() const { return bild_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.drawImage(0, 0, bild_);
    }

private:
    QImage bild_;
};

TVorschau::TVorschau(QWidget* parent) : QScrollArea(parent), inhalt_(new QWidget) {
    setObjectName(QStringLiteral("scBoxErgebnisse"));
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Dark);
    setFocusPolicy(Qt::StrongFocus);
    const std::array<const char*, 3> namen{"imgErgebnisseite", "imgLastseite", "imgSkizzenseite"};
    for (int i = 0; i < 3; ++i) {
        seiten_[i] = new TSeitenbild(inhalt_);
        seiten_[i]->setObjectName(QString::fromLatin1(namen[i]));
        seiten_[i]->hide();
    }
    setWidget(inhalt_);
    leiste_ = new TVorschauleiste(*this);
    // The tool row lies above the viewport, in the area's own margin.
    setViewportMargins(0, leiste_->sizeHint().height(), 0, 0);
}

void TVorschau::SetzeSeite(Seite seite, const QImage& bild) {
    TSeitenbild* label = seiten_[seite];
    label->Setze(bild);
    label->setVisible(!bild.isNull());
    Anordnen();
}

const QImage& TVorschau::Bild(Seite seite) const {
    return seiten_[seite]->Bild();
}

QLabel* TVorschau::SeitenBild(Seite seite) const {
    return seiten_[seite];
}

Vorschauzoom TVorschau::ZoomFuerSchirm() const {
    Vorschauzoom z = zoom_;
    z.SetzeVerhaeltnis(devicePixelRatioF());
    return z;
}

void TVorschau::SetzeSeiten(const std::vector<QImage>& seiten) {
    const auto seite = [&seiten](std::size_t i) {
        return i < seiten.size() ? seiten[i] : QImage();
    };
    SetzeSeite(Ergebnisseite, seite(0));
    SetzeSeite(Lastseite, seiten.size() > 2 ? seite(1) : QImage());
    SetzeSeite(Skizzenseite, seiten.size() > 2 ? seite(2) : seite(1));
    if (anker_ >= 0) {
        verticalScrollBar()->setValue(static_cast<int>(anker_ * inhalt_->height()) - ankerSicht_);
        anker_ = -1;
    }
    MeldeSeite();
}

void TVorschau::Anordnen() {
    const int flaeche = viewport()->width();
    int breite = 0;
    for (const TSeitenbild* s : seiten_) {
        if (!s->isHidden()) {
            breite = std::max(breite, s->width());
        }
    }
    int y = Abstand;
    for (TSeitenbild* s : seiten_) {
        if (s->isHidden()) {
            continue;
        }
        const int links = s->width() < flaeche ? (flaeche - s->width()) / 2 : 0;
        s->move(links, y);
        y += s->height() + Abstand;
    }
    inhalt_->resize(std::max(flaeche, breite), std::max(y, viewport()->height()));
    MeldeSeite();
}

void TVorschau::BlaettereRunter() {
    QScrollBar* s = verticalScrollBar();
    s->setValue(s->value() + viewport()->height() / 3 * 2);
}

void TVorschau::BlaettereHoch() {
    QScrollBar* s = verticalScrollBar();
    s->setValue(s->value() - viewport()->height() / 3 * 2);
}

void TVorschau::NachLinks() {
    horizontalScrollBar()->setValue(0);
}

void TVorschau::NachRechts() {
    horizontalScrollBar()->setValue(viewport()->width());
}

std::vector<QLabel*> TVorschau::SichtbareSeiten() const {
    std::vector<QLabel*> sichtbar;
    std::copy_if(seiten_.begin(), seiten_.end(), std::back_inserter(sichtbar),
                 [](const TSeitenbild* s) { return !s->isHidden(); });
    return sichtbar;
}

int TVorschau::Seitenzahl() const {
    return static_cast<int>(SichtbareSeiten().size());
}

int TVorschau::AktuelleSeite() const {
    std::vector<int> oben;
    for (QLabel* s : SichtbareSeiten()) {
        oben.push_back(s->y());
    }
    return vsk::AktuelleSeite(oben, verticalScrollBar()->value(), viewport()->height());
}

void TVorschau::ZeigeSeite(int seite) {
    const std::vector<QLabel*> sichtbar = SichtbareSeiten();
    if (seite < 1 || seite > static_cast<int>(sichtbar.size())) {
        return;
    }
    verticalScrollBar()->setValue(sichtbar[static_cast<std::size_t>(seite - 1)]->y() - Abstand);
    MeldeSeite();
}

void TVorschau::NaechsteSeite() {
    ZeigeSeite(std::min(AktuelleSeite() + 1, Seitenzahl()));
}

void TVorschau::VorigeSeite() {
    ZeigeSeite(std::max(AktuelleSeite() - 1, 1));
}

int TVorschau::ZoomDpi() const {
    return zoom_.Dpi(logicalDpiX() > 0 ? logicalDpiX() : 96);
}

QSizeF TVorschau::Seitengroesse() const {
    const std::vector<QLabel*> sichtbar = SichtbareSeiten();
    if (sichtbar.empty()) {
        return {};
    }
    const double zuEins = static_cast<double>(logicalDpiX() > 0 ? logicalDpiX() : 96) / ZoomDpi();
    return QSizeF(sichtbar.front()->size()) * zuEins;
}

void TVorschau::SetzeZoom(const Vorschauzoom& neu) {
    if (neu.Faktor() == zoom_.Faktor()) {
        return;
    }
    const int hoehe = std::max(1, inhalt_->height());
    if (anker_ < 0 && Seitenzahl() > 0) {
        anker_ = static_cast<double>(verticalScrollBar()->value() + ankerSicht_) / hoehe;
    }
    zoom_ = neu;
    leiste_->ZeigeZoom(zoom_);
    emit zoomGeaendert();
}

void TVorschau::ZoomHinein() {
    Vorschauzoom z = ZoomFuerSchirm();
    z.Hinein();
    ankerSicht_ = viewport()->height() / 2;
    SetzeZoom(z);
}

void TVorschau::ZoomHinaus() {
    Vorschauzoom z = ZoomFuerSchirm();
    z.Hinaus();
    ankerSicht_ = viewport()->height() / 2;
    SetzeZoom(z);
}

void TVorschau::Seitenbreite() {
    // The fitted pages are taller than the area: leave room for the vertical bar.
    const QScrollBar* balken = verticalScrollBar();
    const int flaeche =
        viewport()->width() - (balken->isVisible() ? 0 : balken->sizeHint().width());
    Vorschauzoom z = ZoomFuerSchirm();
    z.Seitenbreite(Seitengroesse().width(), flaeche, Abstand);
    ankerSicht_ = 0;
    SetzeZoom(z);
}

void TVorschau::GanzeSeite() {
    const QSizeF seite = Seitengroesse();
    Vorschauzoom z = ZoomFuerSchirm();
    z.GanzeSeite(seite.width(), seite.height(), viewport()->width(), viewport()->height(), Abstand);
    ankerSicht_ = 0;
    SetzeZoom(z);
}

void TVorschau::MeldeSeite() {
    const int seite = AktuelleSeite();
    const int seiten = Seitenzahl();
    if (seite * 100 + seiten != gemeldet_) {
        gemeldet_ = seite * 100 + seiten;
        leiste_->ZeigeSeite(seite, seiten);
        emit seiteGeaendert(seite, seiten);
    }
}

void TVorschau::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    const QRect rahmen = contentsRect();
    leiste_->setGeometry(rahmen.left(), rahmen.top(), rahmen.width(), leiste_->sizeHint().height());
    Anordnen();
}

void TVorschau::wheelEvent(QWheelEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) == 0) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const int schritte = event->angleDelta().y() / 120;
    if (schritte != 0) {
        Vorschauzoom z = ZoomFuerSchirm();
        for (int i = 0; i < std::abs(schritte); ++i) {
            schritte > 0 ? z.Hinein() : z.Hinaus();
        }
        // The place under the mouse stays under it.
        ankerSicht_ = std::clamp(static_cast<int>(event->position().y()), 0, viewport()->height());
        SetzeZoom(z);
    }
    event->accept();
}

void TVorschau::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    MeldeSeite();
}

} // namespace vsk
