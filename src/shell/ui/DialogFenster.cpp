#include "shell/ui/DialogFenster.h"

#include "shell/ui/Hilfe.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
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

TDialogFenster::Dialogknoepfe TDialogFenster::BaueDialogknoepfe(const QString& hilfethema) {
    auto knopf = [this](const QString& text, const char* name, const QString& hinweis) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        SetzeHinweis(b, hinweis);
        return b;
    };
    Dialogknoepfe k;
    k.ok = knopf(tr("&OK"), "BitBtnOK", tr("Undertake entry and close window"));
    k.abbrechen = knopf(tr("&Cancel"), "BitBtnAbbrechen", tr("Discard entry and close window"));
    connect(k.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(k.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    if (!hilfethema.isEmpty()) {
        k.hilfe = knopf(tr("&Help"), "BitBtnHilfe",
                        tr("Help in the input window|Help in the input in the mask"));
        connect(k.hilfe, &QPushButton::clicked, this,
                [this, hilfethema] { emit hilfeAngefordert(hilfethema); });
    }
    return k;
}

QHBoxLayout* TDialogFenster::Knopfreihe(const Dialogknoepfe& knoepfe) {
    auto* reihe = new QHBoxLayout;
    reihe->addStretch();
    for (QPushButton* b : {knoepfe.ok, knoepfe.abbrechen, knoepfe.hilfe}) {
        if (b != nullptr) {
            reihe->addWidget(b);
        }
    }
    return reihe;
}

void TDialogFenster::EnterNeueZeile(QPlainTextEdit* memo) {
    memos_.append(memo);
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
            if (memos_.contains(objekt)) {
                return false;
            }
            focusNextPrevChild(!(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QDialog::eventFilter(objekt, e);
}

} // namespace vsk
