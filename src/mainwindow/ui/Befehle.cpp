#include "mainwindow/ui/Befehle.h"

#include "design/Bemessung.h"
#include "dxf/ui/DxfBefehle.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Bearbeitung.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Ergebnisliste.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/Vorpruefung.h"
#include "shell/Handbuch.h"
#include "shell/Texte.h"
#include "shell/qt/QtDateien.h"
#include "shell/qt/QtProgrammstarter.h"
#include "shell/ui/AboutFenster.h"
#include "shell/ui/Hilfe.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <filesystem>
#include <optional>

namespace vsk {

TBefehle::TBefehle(TfrmHauptMaske& fenster, Programm& programm)
    : QObject(&fenster), fenster_(fenster), programm_(programm) {
    const THauptAktionen& a = fenster.Aktionen();
    connect(a.beenden, &QAction::triggered, &fenster, &QWidget::close);
    connect(a.positionHinzufuegen, &QAction::triggered, this, &TBefehle::PositionHinzufuegen);
    connect(a.positionLoeschen, &QAction::triggered, this, &TBefehle::PositionLoeschen);
    connect(a.eingabebaum, &QAction::triggered, this, &TBefehle::EingabebaumUmschalten);
    connect(a.berechnung, &QAction::triggered, this, &TBefehle::Berechnung);
    connect(a.systemeingabe, &QAction::triggered, this, &TBefehle::Systemeingabe);
    connect(a.dxfBewehrung, &QAction::triggered, this, [this] { DxfBewehrung(false); });
    connect(a.dxfDorn, &QAction::triggered, this, &TBefehle::DxfDorn);
    connect(&fenster.Positionswahl(), &QSpinBox::valueChanged, this, &TBefehle::PositionWaehlen);
    connect(&fenster.Baum(), &TEingabebaum::befehl, this, &TBefehle::BaumBefehl);
    connect(&fenster.Baum(), &TEingabebaum::positionGewaehlt, this,
            [this](int nummer) { fenster_.Positionswahl().setValue(nummer); });
    connect(&fenster.Ergebnisse(), &TErgebnisliste::zeileGewaehlt, this,
            &TBefehle::ErgebnisZeileGewaehlt);

    // Help menu: help viewer, about box, manual.
    connect(a.hilfeInhalt, &QAction::triggered, this, [this] { Hilfe::ZeigeInhalt(&fenster_); });
    connect(a.hilfeSuchen, &QAction::triggered, this, [this] { Hilfe::ZeigeSuche(&fenster_); });
    connect(a.hilfeBenutzen, &QAction::triggered, this,
            [this] { Hilfe::ZeigeBenutzung(&fenster_); });
    connect(a.info, &QAction::triggered, this, [this] {
        TfrmAbout about(&fenster_);
        about.exec();
    });
    connect(a.handbuch, &QAction::triggered, this, [this] {
        QtProgrammstarter starter;
        OeffneHandbuch(PfadAus(QCoreApplication::applicationDirPath()), starter,
                       programm_.plattform());
    });
}

// ---------------------------------------------------------------- positions

void TBefehle::PositionWaehlen(int nummer) {
    TKModell& m = programm_.AktModell();
    m.TAktAnwendung = static_cast<std::uint16_t>(GewaehltePosition(nummer, m.TAnzAnwendung()));
    fenster_.ZeigeAnwendung();
}

void TBefehle::PositionHinzufuegen() {
    TKModell& m = programm_.AktModell();
    const int n = m.TAnzAnwendung();
    const int c = m.TAktAnwendung;
    const TBearbeitung bearbeitung(programm_, fenster_.Aktionen().positionHinzufuegen->text(),
                                   Bearbeitungsumfang::NeuePosition(n));
    m.SetAnzAnwendung(static_cast<std::uint16_t>(n + 1));
    m.CopyAnwendung(c, n + 1);
    const QString name = QString::fromStdString(m.Anwendung(n + 1).TPosition);
    fenster_.Baum().FuegePositionHinzu(name);
    QSpinBox& wahl = fenster_.Positionswahl();
    wahl.setMaximum(n + 1);
    wahl.setValue(n + 1); // selects and shows the new position
    fenster_.EditPosition().setFocus(Qt::OtherFocusReason);
}

void TBefehle::PositionLoeschen() {
    TKModell& m = programm_.AktModell();
    const int n = m.TAnzAnwendung();
    const int c = m.TAktAnwendung;
    if (n < 2) {
        programm_.plattform().Meldung(
            text("Eingabe", "It is only a position in the existing project.\r\n\r\nThe last "
                            "position cannot be removed!"));
        return;
    }
    const TBearbeitung bearbeitung(programm_, fenster_.Aktionen().positionLoeschen->text(),
                                   Bearbeitungsumfang::Position(c));
    // The following positions move up by one; the last slot is then dropped. Dropping it
    // writes its load factors: if that fails, the positions go back where they were.
    const std::vector<TKAnwendung> vorher(m.Anwendungen().begin() + (c - 1), m.Anwendungen().end());
    for (int i = c; i <= n - 1; ++i) {
        m.Anwendung(i) = m.Anwendung(i + 1);
    }
    try {
        m.SetAnzAnwendung(static_cast<std::uint16_t>(n - 1));
    } catch (const SchreibFehler& fehler) {
        for (int i = c; i <= n; ++i) {
            m.Anwendung(i) = vorher[static_cast<std::size_t>(i - c)];
        }
        programm_.plattform().Fehler(fehler.what());
        return;
    }
    m.TAktAnwendung = static_cast<std::uint16_t>(n - 1);
    QSpinBox& wahl = fenster_.Positionswahl();
    {
        const QSignalBlocker sperre(&wahl);
        wahl.setMaximum(n - 1);
        wahl.setValue(n - 1);
    }
    fenster_.BaueAktuellePositionen();
    fenster_.ZeigeAnwendung();
}

// ---------------------------------------------------------------- calculation

void TBefehle::Berechnung() {
    if (!VorBemessungPruefen(fenster_, programm_)) {
        return;
    }
    TKModell& m = programm_.AktModell();
    const TBearbeitung bearbeitung(programm_, TBearbeitung::Nachtrag);
    fenster_.SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
    m.TSkizzeAnzeige = m.TErgebnisAnzeige;
    RunDesign(programm_.AktAnwendung(), programm_.plattform());
    fenster_.FuelleErgebnisliste();
    fenster_.Groessenanpassung();
}

void TBefehle::Systemeingabe() {
    fenster_.SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
    fenster_.FuelleErgebnisliste();
}

void TBefehle::ErgebnisZeileGewaehlt(int typ) {
    TKModell& m = programm_.AktModell();
    TKAnwendung& a = programm_.AktAnwendung();
    // Choosing another type changes the position's results, as a calculation does.
    std::optional<TBearbeitung> bearbeitung;
    if (typ != a.cErgebnisse.TAktDorn) {
        bearbeitung.emplace(programm_, TBearbeitung::Nachtrag);
    }
    m.AktDornDaten.Laden(typ);
    a.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(typ);
    TKDornErgebnis& e = a.cErgebnisse.DornErgebnis(typ);
    if (e.TAbstandMeldung) {
        e.TAbstandMeldung = 0; // the warning is shown once per design run
        programm_.plattform().Meldung(programm_.Texte.Warnungstexte[0]);
    }
    fenster_.ZeichneSkizze();
}

// ---------------------------------------------------------------- tree and toggles

void TBefehle::BaumBefehl(TEingabebaum::Knoten knoten) {
    using K = TEingabebaum::Knoten;
    const THauptAktionen& a = fenster_.Aktionen();
    QAction* aktion = nullptr;
    switch (knoten) {
    case K::Neu:
        aktion = a.neu;
        break;
    case K::Oeffnen:
        aktion = a.oeffnen;
        break;
    case K::Speichern:
        aktion = a.speichern;
        break;
    case K::SpeichernUnter:
        aktion = a.speichernUnter;
        break;
    case K::Druckereinrichtung:
        aktion = a.druckereinrichtung;
        break;
    case K::Projektbericht:
        aktion = a.projektbericht;
        break;
    case K::Projektverwaltung:
        aktion = a.projektverwaltung;
        break;
    case K::PositionHinzufuegen:
        aktion = a.positionHinzufuegen;
        break;
    case K::PositionLoeschen:
        aktion = a.positionLoeschen;
        break;
    case K::Systemeingabe:
        aktion = a.systemeingabe;
        break;
    case K::Projektdaten:
        aktion = a.projektdaten;
        break;
    case K::StuecklisteAnzeigen:
        aktion = a.stuecklisteAnzeigen;
        break;
    case K::StuecklisteHinzufuegen:
        aktion = a.stuecklisteHinzufuegen;
        break;
    case K::Bemessung:
        aktion = a.bemessung;
        break;
    case K::Bildschirmfarben:
        aktion = a.bildschirmfarben;
        break;
    case K::Inhalt:
        aktion = a.hilfeInhalt;
        break;
    case K::Suchen:
        aktion = a.hilfeSuchen;
        break;
    case K::HilfeBenutzen:
        aktion = a.hilfeBenutzen;
        break;
    case K::Info:
        aktion = a.info;
        break;
    case K::Handbuch:
        aktion = a.handbuch;
        break;
    case K::Beenden:
        aktion = a.beenden;
        break;
    }
    // A disabled command does nothing from the tree either.
    if (aktion && aktion->isEnabled()) {
        aktion->trigger();
    }
}

void TBefehle::EingabebaumUmschalten() {
    fenster_.SetzeEingabebaum(fenster_.Aktionen().eingabebaum->isChecked());
}

// ---------------------------------------------------------------- command line

void TBefehle::KommandozeileOeffnen() {
    programm_.ParameterGeladen = true;
    const std::filesystem::path datei(programm_.Kommandozeile);
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(datei, fehler)) {
        programm_.plattform().Meldung(text("Eingabe", "Cannot open file!"));
        fenster_.AktualisiereEingaben();
        return;
    }
    if (programm_.Verlauf().Geaendert()) {
        // A project restored at the start: it is the newer state of its own file, and
        // another file replaces it only after the save question.
        const std::filesystem::path wiederhergestellt = PfadAus(fenster_.Dateiname());
        if (!wiederhergestellt.empty() &&
            std::filesystem::equivalent(datei, wiederhergestellt, fehler)) {
            return;
        }
        if (!fenster_.FrageSpeichern()) {
            return;
        }
    }
    fenster_.OeffneProjekt(PfadText(programm_.Kommandozeile));
}

// ---------------------------------------------------------------- DXF export

void TBefehle::DxfBewehrung(bool zeigen) {
    BefehlDxfBewehrung(programm_.plattform(), programm_.AktAnwendung(),
                       zeigen ? DxfExportModus::Zeigen : DxfExportModus::Speichern, &fenster_);
}

void TBefehle::DxfDorn() {
    // The prepared drawings lie in "CAD files" beside the program.
    const std::filesystem::path ordner = PfadAus(QCoreApplication::applicationDirPath());
    BefehlDxfDorn(programm_.plattform(), ordner, programm_.AktAnwendung().cErgebnisse.TAktDorn,
                  &fenster_);
}

} // namespace vsk
