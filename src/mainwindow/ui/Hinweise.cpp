#include "mainwindow/ui/Hinweise.h"

#include <QAction>
#include <QWidget>

namespace vsk {

namespace {
constexpr int HinweisDauerMs = 5000; // a tool tip hides after five seconds
}

QString KurzerHinweis(const QString& hinweis) {
    return hinweis.section(QLatin1Char('|'), 0, 0);
}

QString LangerHinweis(const QString& hinweis) {
    const qsizetype p = hinweis.indexOf(QLatin1Char('|'));
    return p < 0 ? hinweis : hinweis.mid(p + 1);
}

void SetzeHinweis(QWidget* widget, const QString& hinweis) {
    widget->setToolTip(KurzerHinweis(hinweis));
    widget->setToolTipDuration(HinweisDauerMs);
    widget->setStatusTip(LangerHinweis(hinweis));
}

void SetzeHinweis(QAction* aktion, const QString& hinweis) {
    aktion->setToolTip(KurzerHinweis(hinweis));
    aktion->setStatusTip(LangerHinweis(hinweis));
}

} // namespace vsk
