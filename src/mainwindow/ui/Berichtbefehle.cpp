#include "mainwindow/ui/Berichtbefehle.h"

#include "design/Bemessung.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Bearbeitung.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/Vorpruefung.h"
#include "mainwindow/ui/Vorschau.h"
#include "model/Exportname.h"
#include "model/StuecklisteAufnahme.h"
#include "reports/Berichtskontext.h"
#include "reports/Druckablauf.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Druckauftrag.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/qt/QtDateien.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

#include <QLabel>

#include <vector>

namespace vsk {

TBerichtbefehle::TBerichtbefehle(TfrmHauptMaske& fenster, Programm& programm,
                                 TDateibefehle& dateien)
    : QObject(&fenster), fenster_(fenster), programm_(programm), dateien_(dateien) {
    const THauptAktionen& a = fenster.Aktionen();
    connect(a.vorschau, &QAction::triggered, this, &TBerichtbefehle::Vorschau);
    connect(a.drucken, &QAction::triggered, this, &TBerichtbefehle::Drucken);
    connect(a.druckereinrichtung, &QAction::triggered, this, &TBerichtbefehle::Druckereinrichtung);
    connect(a.pdfExport, &QAction::triggered, this, &TBerichtbefehle::PdfExport);
    connect(a.stuecklisteHinzufuegen, &QAction::triggered, this,
            &TBerichtbefehle::StuecklisteHinzufuegen);
    connect(&fenster.VorschauBereich(), &TVorschau::zoomGeaendert, this,
            &TBerichtbefehle::VorschauZeichnen);
}

Berichtskontext TBerichtbefehle::Kontext() {
    Berichtskontext k(programm_.AktModell(), programm_.Texte, programm_.plattform().HeuteText(),
                      programm_.Trenner());
    if (programm_.HatFarben()) {
        k.farben = programm_.Farben();
    }
    return k;
}

Berichtskontext TBerichtbefehle::Exportseite(QImage& seite) {
    Berichtskontext k = Kontext();
    const std::vector<QImage> seiten =
        BerichtsVorschau(k, AktuelleDruckergeometrie(), Bildschirmdpi());
    seite = seiten.empty() ? QImage() : seiten.front();
    return k;
}

int TBerichtbefehle::Bildschirmdpi() const {
    const int dpi = fenster_.VorschauBereich().logicalDpiX();
    return dpi > 0 ? dpi : 96;
}

void TBerichtbefehle::Vorschau() {
    if (!VorBemessungPruefen(fenster_, programm_)) {
        return;
    }
    TKModell& m = programm_.AktModell();
    TKAnwendung& a = programm_.AktAnwendung();
    const TBearbeitung bearbeitung(programm_, TBearbeitung::Nachtrag);
    // The overview shows valid results (a changed input leaves it); anywhere else the
    // position is designed again.
    if (fenster_.AnzeigeModus() != TfrmHauptMaske::Uebersicht) {
        RunDesign(a, programm_.plattform());
        m.TSkizzeAnzeige = m.TErgebnisAnzeige;
    }
    fenster_.SetAnzeigeModus(TfrmHauptMaske::Vorschau);
    m.AktDornDaten.Laden(a.cErgebnisse.TAktDorn);
    VorschauZeichnen();
    fenster_.VorschauBereich().setFocus(Qt::OtherFocusReason);
}

void TBerichtbefehle::VorschauZeichnen() {
    if (fenster_.AnzeigeModus() != TfrmHauptMaske::Vorschau || !programm_.HatModell()) {
        return;
    }
    TVorschau& bereich = fenster_.VorschauBereich();
    Berichtskontext k = Kontext();
    bereich.SetzeSeiten(BerichtsVorschau(k, AktuelleDruckergeometrie(), Bildschirmdpi(),
                                         bereich.ZoomDpi(), bereich.devicePixelRatioF()));
}

void TBerichtbefehle::Drucken() {
    Berichtskontext k = Kontext();
    vsk::Drucken(Druckart::Bericht, k, programm_.plattform(),
                 [this]() -> std::optional<std::filesystem::path> {
                     const QString datei = dateien_.Dialoge().PdfDatei(&fenster_, PdfVorschlag());
                     if (datei.isEmpty()) {
                         return std::nullopt;
                     }
                     return PfadAus(datei);
                 });
}

void TBerichtbefehle::Druckereinrichtung() {
    if (!DruckerVorhanden()) {
        programm_.plattform().Information(TextKeinDrucker());
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    RichteDruckerEin(drucker); // the dialog starts from the current choice
    QPrintDialog dialog(&drucker, &fenster_);
    dialog.setWindowTitle(tr("Printer Setup"));
    // Setup chooses a printer; PDF files come from Export Report as PDF.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() == QDialog::Accepted) {
        MerkeDrucker(drucker);
    }
}

void TBerichtbefehle::PdfExport() {
    const QString datei = dateien_.Dialoge().PdfDatei(&fenster_, PdfVorschlag());
    if (datei.isEmpty()) {
        return;
    }
    Berichtskontext k = Kontext();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    AlsPdfSpeichern(Druckart::Bericht, PfadAus(datei), k, programm_.plattform());
    QApplication::restoreOverrideCursor();
}

QString TBerichtbefehle::PdfVorschlag() const {
    return QString::fromStdString(ExportVorschlag(
        fenster_.Dateiname().toStdString(), programm_.AktModell().Projektbeschreibung.TBauvorhaben,
        tr("Report").toStdString(), "pdf"));
}

void TBerichtbefehle::StuecklisteHinzufuegen() {
    const TBearbeitung bearbeitung(programm_, fenster_.Aktionen().stuecklisteHinzufuegen->text(),
                                   Bearbeitungsumfang::Liste());
    TKModell& m = programm_.AktModell();
    const Aufnahme aufnahme =
        AddAktAnwendung(m, fenster_.Positionswahl().text().toStdString(), programm_.plattform());
    fenster_.Statusfeld(0).setText(QStringLiteral("  ") +
                                   QString::fromStdString(AufnahmeText(m, aufnahme)));
}

} // namespace vsk
