#include "mainwindow/ui/Projektberichtbefehl.h"

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/HauptMaske.h"
#include "reports/Berichtskontext.h"
#include "reports/Projektbericht.h"
#include "reports/qt/Druckauftrag.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

#include <algorithm>

namespace vsk {

namespace {

// Designing the positions takes the first tenth of the bar (a design is quick beside the
// pages of a report), drawing the pages the rest.
constexpr int BalkenEnde = 1000;
constexpr int BemessungsAnteil = 100;

} // namespace

TProjektberichtbefehl::TProjektberichtbefehl(TfrmHauptMaske& fenster, Programm& programm,
                                             TDateibefehle& dateien)
    : QObject(&fenster), fenster_(fenster), programm_(programm), dateien_(dateien) {
    connect(fenster.Aktionen().projektbericht, &QAction::triggered, this,
            &TProjektberichtbefehl::Exportieren);
}

bool TProjektberichtbefehl::Exportieren() {
    if (laeuft_) {
        return false;
    }
    // Moving the focus on runs the leave check of the field being edited.
    if (QWidget* fokus = QApplication::focusWidget(); fokus && fokus->window() == &fenster_) {
        fenster_.FokusWeiter();
    }
    if (!programm_.EingabeOK) {
        return false;
    }
    const QString datei = dateien_.Dialoge().PdfDatei(&fenster_, Vorschlag());
    if (datei.isEmpty()) {
        return false;
    }
    laeuft_ = true;
    QProgressDialog balken(&fenster_); // with Qt's own Cancel button
    balken.setLabelText(tr("Exporting the project report..."));
    balken.setRange(0, BalkenEnde);
    balken.setWindowTitle(tr("Project Report"));
    balken.setWindowModality(Qt::WindowModal);
    balken.setMinimumDuration(FortschrittNachMs);
    balken.setAutoReset(false);
    auto abschnitt = [&balken](int von, int bis) {
        return [&balken, von, bis](int erledigt, int gesamt) {
            balken.setValue(von + (bis - von) * erledigt / std::max(gesamt, 1));
            return !balken.wasCanceled();
        };
    };
    balken.setValue(0);

    bool ok = false;
    std::optional<Projektbericht> bericht = BereiteProjektberichtVor(
        programm_.AktModell(), programm_.plattform(), true, abschnitt(0, BemessungsAnteil));
    if (bericht) {
        Berichtskontext k(bericht->modell, programm_.Texte, programm_.plattform().HeuteText(),
                          programm_.Trenner());
        if (programm_.HatFarben()) {
            k.farben = programm_.Farben();
        }
        ok = ProjektberichtSpeichern(datei.toStdString(), *bericht, k, programm_.plattform(),
                                     abschnitt(BemessungsAnteil, BalkenEnde));
    }
    balken.reset();
    laeuft_ = false;
    return ok;
}

QString TProjektberichtbefehl::Vorschlag() const {
    // Beside the project file, named after it; else after the project text.
    const QString bericht = tr("report");
    const QString projekt = fenster_.Dateiname();
    if (!projekt.isEmpty()) {
        const QFileInfo info(projekt);
        return info.dir().filePath(info.completeBaseName() + QStringLiteral(" - ") + bericht +
                                   QStringLiteral(".pdf"));
    }
    const QString text =
        QString::fromStdString(programm_.AktModell().Projektbeschreibung.TBauvorhaben).trimmed();
    return (text.isEmpty() ? tr("Project Report") : text + QStringLiteral(" - ") + bericht) +
           QStringLiteral(".pdf");
}

} // namespace vsk
