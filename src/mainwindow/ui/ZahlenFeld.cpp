#include "mainwindow/ui/ZahlenFeld.h"

#include <QFocusEvent>

namespace vsk {

TZahlenFeld::TZahlenFeld(const QString& name, Feldgrenzen grenzen, double leerwert,
                         QString nulltext, QWidget* parent)
    : QLineEdit(parent), grenzen_(grenzen), leerwert_(leerwert), nulltext_(std::move(nulltext)) {
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TZahlenFeld::ZeigeWert(double wert, char trenner) {
    ZeigeWert(wert, nulltext_, trenner);
}

void TZahlenFeld::ZeigeWert(double wert, const QString& nulltext, char trenner) {
    setText(QString::fromStdString(FormatWert(wert, nulltext.toStdString(), trenner)));
    setCursorPosition(0);
    SetzeFehler(false);
}

void TZahlenFeld::SetzeFehler(bool fehler) {
    if (fehler == fehler_) {
        return;
    }
    fehler_ = fehler;
    setProperty("fehlerhaft", fehler);
    setStyleSheet(fehler ? QStringLiteral("QLineEdit { border: 2px solid #c62828; "
                                          "background-color: #ffebee; }")
                         : QString());
}

void TZahlenFeld::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box, a menu or another window taking the focus is not a leave: the user
    // comes back to the same field. Only a move to another control of this window is.
    const Qt::FocusReason grund = event->reason();
    if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason ||
        grund == Qt::MenuBarFocusReason || isReadOnly() || !isEnabled()) {
        return;
    }
    emit verlassen(this);
}

} // namespace vsk
