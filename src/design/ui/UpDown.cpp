#include "design/ui/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vsk {

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), hoch_(new QToolButton(this)), runter_(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    for (QToolButton* b : {hoch_, runter_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(17, 11);
        spalte->addWidget(b);
    }
    hoch_->setArrowType(Qt::UpArrow);
    runter_->setArrowType(Qt::DownArrow);
    hoch_->setObjectName(QStringLiteral("hoch"));
    runter_->setObjectName(QStringLiteral("runter"));
    connect(hoch_, &QToolButton::clicked, this, [this] { Schritt(true); });
    connect(runter_, &QToolButton::clicked, this, [this] { Schritt(false); });
}

void TUpDown::setRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
}

void TUpDown::setIncrement(int schritt) {
    increment_ = std::max(1, schritt);
}

void TUpDown::setPosition(int wert) {
    position_ = wert;
    Anzeigen();
}

void TUpDown::setAssociate(QLineEdit* feld) {
    feld_ = feld;
    Anzeigen();
}

int TUpDown::Ziel(int p, bool /*aufwaerts*/) const {
    return p;
}

void TUpDown::Schritt(bool aufwaerts) {
    int p = 0;
    if (aufwaerts) {
        if (position_ >= max_) {
            return;
        }
        p = std::clamp(position_ + increment_, min_, max_);
    } else {
        if (position_ <= min_) {
            return;
        }
        p = std::clamp(position_ - increment_, min_, max_);
    }
    p = Ziel(p, aufwaerts);
    if (p == position_) {
        return;
    }
    emit aendertSich(position_);
    position_ = p;
    Anzeigen();
    emit geaendert(position_, aufwaerts);
}

void TUpDown::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up) {
        Schritt(true);
    } else if (e->key() == Qt::Key_Down) {
        Schritt(false);
    } else {
        QWidget::keyPressEvent(e);
    }
}

void TUpDown::Anzeigen() {
    if (feld_ != nullptr) {
        feld_->setText(QString::number(position_));
    }
}

} // namespace vsk
