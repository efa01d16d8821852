#pragma once
// Driving windows without depending on the clock or on which window the system has
// made active: a busy machine delays both, and a test must give the same answer anyway.

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace vsk::test {

// Runs what the windows have queued for "as soon as the current event is done" (the
// checks after a focus change), including what those queue in turn.
inline void ErledigeAusstehendes() {
    for (int runde = 0; runde < 8; ++runde) {
        QCoreApplication::sendPostedEvents();
    }
}

// The field loses the focus as by Tab (or the given reason), whether or not its window
// is the active one, and what the window queued on that runs.
inline void VerlasseFeld(QWidget* feld, Qt::FocusReason grund = Qt::TabFocusReason) {
    QFocusEvent aus(QEvent::FocusOut, grund);
    QCoreApplication::sendEvent(feld, &aus);
    ErledigeAusstehendes();
}

// Runs aktion on the modal window that the next call opens, once it is shown: polled, so
// it does not matter how long the window takes to appear.
inline void BeiModalemFenster(std::function<void(QWidget&)> aktion) {
    auto* warten = new QTimer;
    warten->setInterval(10);
    QObject::connect(warten, &QTimer::timeout, [warten, aktion = std::move(aktion)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        warten->stop();
        warten->deleteLater();
        aktion(*modal);
    });
    warten->start();
}

// Runs befehl; once the modal window of type T that it opens is up, runs aktion on it.
// False when no such window came up.
template <class T>
bool ImFenster(const std::function<void()>& befehl, const std::function<void(T&)>& aktion) {
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        if (auto* f = qobject_cast<T*>(QApplication::activeModalWidget())) {
            gesehen = true;
            aktion(*f);
        }
    });
    befehl();
    return gesehen;
}

} // namespace vsk::test
