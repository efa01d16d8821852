#include "mainwindow/ui/Aktionen.h"

#include "mainwindow/ui/Hinweise.h"
#include "mainwindow/ui/Symbole.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace vsk {

namespace {

QAction* Neu(QMainWindow* f, const char* name, const QString& text, const char* symbol,
             const QString& hinweis, const QKeySequence& taste = {}) {
    auto* a = new QAction(text, f);
    a->setObjectName(QString::fromLatin1(name));
    if (symbol) {
        a->setIcon(Symbol(symbol));
    }
    if (!taste.isEmpty()) {
        a->setShortcut(taste);
    }
    SetzeHinweis(a, hinweis);
    return a;
}

} // namespace

THauptAktionen::THauptAktionen(QMainWindow* f) {
    // The texts belong to this class (as lupdate files them), not to QMainWindow.
    auto tr = [](const char* s, const char* bedeutung = nullptr) {
        return QCoreApplication::translate("vsk::THauptAktionen", s, bedeutung);
    };
    neu = Neu(f, "mnuNeu", tr("&New..."), "neu", tr("New|Start a new project"),
              QKeySequence(Qt::CTRL | Qt::Key_N));
    oeffnen = Neu(f, "mnuOeffnen", tr("&Open..."), "oeffnen", tr("Open|Open a project file"),
                  QKeySequence(Qt::CTRL | Qt::Key_O));
    speichern = Neu(f, "mnuSpeichern", tr("&Save"), "speichern", tr("Save|Save the project"),
                    QKeySequence(Qt::CTRL | Qt::Key_S));
    speichernUnter =
        Neu(f, "mnuSpeichernUnter", tr("Save &As ..."), "speichernunter",
            tr("Save As|Save the project under a new name"), QKeySequence(Qt::CTRL | Qt::Key_A));
    druckereinrichtung = Neu(f, "mnuDruckereinrichtung", tr("Printer &Setup"), "drucker",
                             tr("Printer Setup|Choose and set up the printer"));
    drucken = Neu(f, "mnuDrucken", tr("&Print"), "drucken",
                  tr("Print|Print the calculation report"), QKeySequence(Qt::CTRL | Qt::Key_P));
    pdfExport = Neu(f, "mnuPdfExport", tr("Export Report as P&DF..."), "drucken",
                    tr("Export Report as PDF|Save the calculation report as a PDF file"));
    projektbericht =
        Neu(f, "mnuProjektbericht", tr("Export Project &Report as PDF..."), "drucken",
            tr("Export Project Report as PDF|Save the summary, the report of every position and "
               "the connector schedule as one PDF file"));
    beenden = Neu(f, "mnuBeenden", tr("E&xit"), "beenden", tr("Exit|End the program"),
                  QKeySequence(Qt::ALT | Qt::Key_F4));
    // Their texts name the step they take (TBearbeitungsbefehle).
    rueckgaengig = Neu(f, "mnuRueckgaengig", tr("&Undo"), "rueckgaengig",
                       tr("Undo|Take back the last change of the project"),
                       QKeySequence(Qt::CTRL | Qt::Key_Z));
    wiederholen = Neu(f, "mnuWiederholen", tr("&Redo"), "wiederholen",
                      tr("Redo|Make the change again that was taken back"));
    wiederholen->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    projektverwaltung =
        Neu(f, "mnuProjektverwaltung", tr("Project &Administration"), "projektverwaltung",
            tr("Project Administration|Browse and combine project files"),
            QKeySequence(Qt::CTRL | Qt::Key_V));
    positionHinzufuegen = Neu(f, "mnuPositionHinzufuegen", tr("&Add Position"), "positionneu",
                              tr("Add Position|Add a position as a copy of the current one"));
    positionLoeschen =
        Neu(f, "mnuPositionLoeschen", tr("&Delete Current Position"), "positionloeschen",
            tr("Delete Current Position|Remove the current position"));
    eingabebaum = Neu(f, "mnuEingabebaum", tr("Input &Tree"), "baum",
                      tr("Input Tree|Show or hide the input tree"));
    eingabebaum->setCheckable(true);
    eingabebaum->setChecked(true);
    systemeingabe = Neu(f, "mnuSystemeingabe", tr("System &Input"), "systemeingabe",
                        tr("System Input|Return from the preview to the input"));
    projektdaten = Neu(f, "mnuProjektdaten", tr("&Project Data"), "projektdaten",
                       tr("Project Data|Edit the project description"));
    stuecklisteAnzeigen =
        Neu(f, "mnuStuecklisteAnzeigen", tr("&Display Connector Schedule"), "stueckliste",
            tr("Display Connector Schedule|Show the connector schedule"));
    stuecklisteHinzufuegen =
        Neu(f, "mnuStuecklisteHinzufuegen", tr("&Add to Connector Schedule"), "stuecklisteneu",
            tr("Add to Connector Schedule|Add the selected connector to the schedule"));
    berechnung = Neu(f, "mnuBerechnung", tr("&Calculation"), "berechnung",
                     tr("Calculation|Design the current position"));
    vorschau = Neu(f, "mnuVorschau", tr("Calculation &Preview"), "vorschau",
                   tr("Calculation Preview|Show the calculation report"));
    dxfDorn = Neu(f, "mnuDXFDorn", tr("DXF Export - &Connector"), "dxf",
                  tr("DXF Export - Connector|Copy the drawing of the selected connector"));
    dxfBewehrung = Neu(f, "mnuDXFBewehrung", tr("DXF Export - &Reinforcement"), "dxf",
                       tr("DXF Export - Reinforcement|Export the reinforcement drawing"));
    ifcExport = Neu(f, "mnuIFCExport", tr("&IFC Export"), "export",
                    tr("IFC Export|Export the designed joints as an IFC model"));
    exportDatei = Neu(f, "mnuExportDatei", tr("Export Results to &File"), "export",
                      tr("Export results to file|Save the report page as a picture"));
    exportZwischenablage =
        Neu(f, "mnuExportZwischenablage", tr("Export Results to &Clipboard"), "zwischenablage",
            tr("Results to Clipboard|Copy the report page to the clipboard"));
    // Same English caption as the Results entry, but another command: languages may
    // word it differently.
    bemessung = Neu(f, "mnuBemessung", tr("&Calculation", "Options menu: the design settings"),
                    "einstellungen", tr("Calculation|Design settings"));
    bildschirmfarben = Neu(f, "mnuBildschirmfarben", tr("&Screen Colours"), "farben",
                           tr("Screen Colours|Colours of the sketches"));
    hilfeInhalt = Neu(f, "mnuHilfeInhalt", tr("&Contents"), "hilfe", tr("Contents|Help contents"));
    hilfeSuchen = Neu(f, "mnuHilfeSuchen", tr("Search for Key&word"), "suchen",
                      tr("Search for Keyword|Search the help"));
    hilfeBenutzen = Neu(f, "mnuHilfeBenutzen", tr("&Use of Help"), nullptr,
                        tr("Use of Help|How to use the help"));
    info = Neu(f, "mnuInfo", tr("&About Tervo Shear Connectors"), "info",
               tr("About|Version and copyright"));
    handbuch = Neu(f, "mnuHandbuch", tr("&Tervo Shear Connectors Manual"), "handbuch",
                   tr("Manual|Open the manual"));
}

QMenu* THauptAktionen::BaueMenue(QMenuBar* m) const {
    QMenu* datei = m->addMenu(QMainWindow::tr("&File"));
    datei->addActions({neu, oeffnen, speichern, speichernUnter});
    datei->addSeparator();
    datei->addActions({druckereinrichtung, drucken, pdfExport, projektbericht});
    datei->addSeparator();
    datei->addAction(beenden);
    QMenu* bearbeiten = m->addMenu(QMainWindow::tr("&Edit"));
    bearbeiten->setObjectName(QStringLiteral("mnuBearbeiten"));
    bearbeiten->addActions({rueckgaengig, wiederholen});
    // A menu bar entry with an icon would show the icon alone: the bar gets its own
    // text-only entry that runs the same command.
    auto* verwaltung = m->addAction(projektverwaltung->text());
    verwaltung->setObjectName(QStringLiteral("mnuProjektverwaltungLeiste"));
    verwaltung->setEnabled(projektverwaltung->isEnabled());
    QObject::connect(verwaltung, &QAction::triggered, projektverwaltung, &QAction::trigger);
    QObject::connect(
        projektverwaltung, &QAction::changed, verwaltung,
        [verwaltung, quelle = projektverwaltung] { verwaltung->setEnabled(quelle->isEnabled()); });
    QMenu* projekt = m->addMenu(QMainWindow::tr("&Project"));
    projekt->addActions({positionHinzufuegen, positionLoeschen});
    QMenu* eingabe = m->addMenu(QMainWindow::tr("&Input"));
    eingabe->addActions({eingabebaum, systemeingabe, projektdaten});
    QMenu* stueckliste = m->addMenu(QMainWindow::tr("&Connector Schedule"));
    stueckliste->addActions({stuecklisteAnzeigen, stuecklisteHinzufuegen});
    QMenu* ergebnisse = m->addMenu(QMainWindow::tr("&Results"));
    ergebnisse->addActions({berechnung, vorschau});
    QMenu* export_ = ergebnisse->addMenu(QMainWindow::tr("&Export Results"));
    export_->setIcon(Symbol("export"));
    export_->addActions({dxfDorn, dxfBewehrung, ifcExport, exportDatei, exportZwischenablage});
    QMenu* optionen = m->addMenu(QMainWindow::tr("&Options"));
    optionen->addActions({bemessung, bildschirmfarben});
    QMenu* hilfe = m->addMenu(QMainWindow::tr("&Help"));
    hilfe->addActions({hilfeInhalt, hilfeSuchen, hilfeBenutzen});
    hilfe->addSeparator();
    hilfe->addActions({info, handbuch});
    return datei;
}

} // namespace vsk
