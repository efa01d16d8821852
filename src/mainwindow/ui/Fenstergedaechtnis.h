#pragma once
// Remembers how the user left the main window and the zoom window (shell/Fensterlagen.h):
// puts them back when the main window is built and writes them at the end of the run.
// Without stored values the main window gets its first client size of 792 x 592, as far
// as the screen allows, centred on the screen.

#include "shell/Fensterlagen.h"

#include <QObject>

class QMainWindow;
class QSplitter;
class QWidget;

namespace vsk {

class Einstellungen;

class TFenstergedaechtnis final : public QObject {
    Q_OBJECT
public:
    TFenstergedaechtnis(QMainWindow& fenster, QSplitter& navigation, QSplitter& uebersicht,
                        QWidget& zoom);

    void Wiederherstellen(const Einstellungen& einstellungen);
    // Raises SchreibFehler when the settings file cannot be written.
    void Merken(Einstellungen& einstellungen) const;

    // The window's state as Merken writes it.
    Fensterlagen Lagen() const;

private:
    void TeilerMerken(QSplitter& teiler, std::vector<int>& groessen);

    QMainWindow& fenster_;
    QSplitter& navigation_;
    QSplitter& uebersicht_;
    QWidget& zoom_;
    // The splitters' last sizes with every part shown (a hidden part counts 0).
    std::vector<int> navigationGroessen_;
    std::vector<int> uebersichtGroessen_;
};

} // namespace vsk
