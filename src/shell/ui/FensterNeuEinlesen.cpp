#include "shell/ui/FensterNeuEinlesen.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace vsk {

void FensterNeuEinlesen() {
    // Installing a translator also posts the event; this runs it now, so the caller sees
    // the new texts before it goes on (a window may re-read twice, which is harmless).
    std::vector<QPointer<QWidget>> fenster;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        fenster.emplace_back(w);
    }
    for (const QPointer<QWidget>& w : fenster) {
        if (w) {
            QEvent wechsel(QEvent::LanguageChange);
            QCoreApplication::sendEvent(w, &wechsel);
        }
    }
}

} // namespace vsk
