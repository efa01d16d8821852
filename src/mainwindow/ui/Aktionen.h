#pragma once
// The commands of the main window as actions: each menu entry, tool button and tree leaf
// of the same name runs the same action. Commands whose windows are not part of the
// program yet exist and stay disabled.

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace vsk {

struct THauptAktionen {
    // Creates every action as a child of fenster.
    explicit THauptAktionen(QMainWindow* fenster);

    // Returns the File menu.
    QMenu* BaueMenue(QMenuBar* menue) const;

    QAction* neu;
    QAction* oeffnen;
    QAction* speichern;
    QAction* speichernUnter;
    QAction* druckereinrichtung;
    QAction* drucken;
    QAction* pdfExport;
    QAction* projektbericht;
    QAction* beenden;
    QAction* rueckgaengig;
    QAction* wiederholen;
    QAction* projektverwaltung;
    QAction* positionHinzufuegen;
    QAction* positionLoeschen;
    QAction* eingabebaum;
    QAction* systemeingabe;
    QAction* projektdaten;
    QAction* stuecklisteAnzeigen;
    QAction* stuecklisteHinzufuegen;
    QAction* berechnung;
    QAction* vorschau;
    QAction* dxfDorn;
    QAction* dxfBewehrung;
    QAction* ifcExport;
    QAction* exportDatei;
    QAction* exportZwischenablage;
    QAction* bemessung;
    QAction* bildschirmfarben;
    QAction* hilfeInhalt;
    QAction* hilfeSuchen;
    QAction* hilfeBenutzen;
    QAction* info;
    QAction* handbuch;
};

} // namespace vsk
