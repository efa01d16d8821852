#include "Fotograf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace vsk {

namespace {

// The top-level window that appeared since `vorher`: the modal one first.
QWidget* NeuesFenster(const QSet<QWidget*>& vorher) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !vorher.contains(w) && w->windowType() != Qt::ToolTip) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

bool Fotograf::Speichere(QWidget& fenster, const QString& name) {
    QApplication::processEvents();
    const QString datei = QStringLiteral("%1/%2_%3.png")
                              .arg(verzeichnis_)
                              .arg(++nummer_, 2, 10, QChar('0'))
                              .arg(name);
    if (!fenster.grab().save(datei)) {
        std::fprintf(stderr, "vsk-bildschirmfotos: cannot write %s\n", qPrintable(datei));
        ++fehler_;
        return false;
    }
    std::printf("%s\n", qPrintable(datei));
    return true;
}

bool Fotograf::Fenster(const QString& name, const std::function<void()>& oeffne) {
    QSet<QWidget*> vorher;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            vorher.insert(w);
        }
    }
    bool gefangen = false;
    bool fertig = false;
    // Polls from inside whatever event loop the command runs, so a modal dialog is caught
    // in its own exec().
    QTimer fang;
    fang.setInterval(100);
    int versuche = 0;
    QObject::connect(&fang, &QTimer::timeout, [&] {
        QWidget* w = NeuesFenster(vorher);
        if (w && ++versuche >= 3) { // let it lay itself out first
            gefangen = Speichere(*w, name);
            w->close();
            fertig = true;
            fang.stop();
        }
    });
    fang.start();
    oeffne();
    QElapsedTimer uhr;
    uhr.start();
    while (!fertig && uhr.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    fang.stop();
    if (!gefangen) {
        std::fprintf(stderr, "vsk-bildschirmfotos: no window for %s\n", qPrintable(name));
        ++fehler_;
    }
    return gefangen;
}

} // namespace vsk
