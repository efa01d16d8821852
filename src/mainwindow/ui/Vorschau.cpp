#include "mainwindow/ui/Vorschau.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

namespace vsk {

namespace {
constexpr int Abstand = 8; // gap between and around the pages
}

TVorschau::TVorschau(QWidget* parent) : QScrollArea(parent), inhalt_(new QWidget) {
    setObjectName(QStringLiteral("scBoxErgebnisse"));
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Dark);
    setFocusPolicy(Qt::StrongFocus);
    const std::array<const char*, 3> namen{"imgErgebnisseite", "imgLastseite", "imgSkizzenseite"};
    for (int i = 0; i < 3; ++i) {
        seiten_[i] = new QLabel(inhalt_);
        seiten_[i]->setObjectName(QString::fromLatin1(namen[i]));
        seiten_[i]->hide();
    }
    setWidget(inhalt_);
}

void TVorschau::SetzeSeite(Seite seite, const QImage& bild) {
    QLabel* label = seiten_[seite];
    bilder_[seite] = bild;
    if (bild.isNull()) {
        label->clear();
        label->hide();
    } else {
        label->setPixmap(QPixmap::fromImage(bild));
        label->resize(bild.size());
        label->show();
    }
    Anordnen();
}

void TVorschau::Anordnen() {
    const int flaeche = viewport()->width();
    int breite = 0;
    for (QLabel* s : seiten_) {
        if (!s->isHidden()) {
            breite = std::max(breite, s->width());
        }
    }
    int y = Abstand;
    for (QLabel* s : seiten_) {
        if (s->isHidden()) {
            continue;
        }
        const int links = s->width() < flaeche ? (flaeche - s->width()) / 2 : 0;
        s->move(links, y);
        y += s->height() + Abstand;
    }
    inhalt_->resize(std::max(flaeche, breite), std::max(y, viewport()->height()));
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

void TVorschau::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    Anordnen();
}

} // namespace vsk
