#include "shell/ui/DialogFenster.h"

#include "shell/ui/Hilfe.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace vsk {

namespace {
constexpr int HinweisDauerMs = 5000; // a tool tip hides after five seconds
}

TDialogFenster::TDialogFenster(QWidget* parent) : QDialog(parent), statuszeile_(new QStatusBar) {
    statuszeile_->setSizeGripEnabled(false);
    setModal(true);
    connect(this, &TDialogFenster::hilfeAngefordert, this,
            [this](const QString& thema) { Hilfe::ZeigeThema(thema, this); });
}

QString TDialogFenster::KurzerHinweis(const QString& hinweis) {
    return hinweis.section(QLatin1Char('|'), 0, 0);
}

QString TDialogFenster::LangerHinweis(const QString& hinweis) {
    const qsizetype p = hinweis.indexOf(QLatin1Char('|'));
    return p < 0 ? hinweis : hinweis.mid(p + 1);
}

void TDialogFenster::SetzeHinweis(QWidget* widget, const QString& hinweis) {
    widget->setToolTip(KurzerHinweis(hinweis));
    widget->setToolTipDuration(HinweisDauerMs);
    widget->setStatusTip(LangerHinweis(hinweis));
}

void TDialogFenster::AufBildschirmMitte() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr) {
        return;
    }
    QRect r = frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}

bool TDialogFenster::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        if (tip.isEmpty()) {
            statuszeile_->clearMessage();
        } else {
            statuszeile_->showMessage(QStringLiteral("  ") + tip);
        }
        return true;
    }
    return QDialog::event(e);
}

void TDialogFenster::showEvent(QShowEvent* e) {
    // Children may have been added after construction; filtering twice is harmless
    // because installEventFilter replaces an existing filter of the same object.
    if (enterAlsTab_) {
        for (QWidget* w : findChildren<QWidget*>()) {
            w->installEventFilter(this);
        }
    }
    QDialog::showEvent(e);
}

bool TDialogFenster::eventFilter(QObject* objekt, QEvent* e) {
    if (enterAlsTab_ && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            focusNextPrevChild(!(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QDialog::eventFilter(objekt, e);
}

} // namespace vsk
