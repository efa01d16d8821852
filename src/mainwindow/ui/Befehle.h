#pragma once
// The command handlers of the main window: positions, calculation, results list, tree
// leaves, the save question and the command-line project file.

#include "mainwindow/ui/Eingabebaum.h"

#include <QObject>

namespace vsk {

class Programm;
class TfrmHauptMaske;

class TBefehle final : public QObject {
    Q_OBJECT
public:
    TBefehle(TfrmHauptMaske& fenster, Programm& programm);

    void PositionWaehlen(int nummer);
    void PositionHinzufuegen();
    void PositionLoeschen();
    void Berechnung();
    void Systemeingabe();
    void ErgebnisZeileGewaehlt(int typ);
    void BaumBefehl(TEingabebaum::Knoten knoten);
    void EingabebaumUmschalten();

    // The command-line project file, on the first activation of the window.
    void KommandozeileOeffnen();
    // "DXF Export - &Reinforcement" (zeigen false) and the sketch pop-up "DXF-Export"
    // (zeigen true); "DXF Export - &Connector".
    void DxfBewehrung(bool zeigen);
    void DxfDorn();

private:
    TfrmHauptMaske& fenster_;
    Programm& programm_;
};

} // namespace vsk
