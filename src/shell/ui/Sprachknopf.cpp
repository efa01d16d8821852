#include "shell/ui/Sprachknopf.h"

namespace vsk {

TSprachknopf::TSprachknopf(const QColor& umriss, QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("QToolButton { background: transparent; border: 1px solid "
                                 "transparent; border-radius: 3px; }"
                                 "QToolButton:hover, QToolButton:focus { border-color: %1; }"
                                 "QToolButton:pressed { background: rgba(128, 128, 128, 40); }")
                      .arg(umriss.name()));
}

} // namespace vsk
