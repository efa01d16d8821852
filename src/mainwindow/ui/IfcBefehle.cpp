#include "mainwindow/ui/IfcBefehle.h"

#include "ifc/IfcBefehl.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/HauptMaske.h"
#include "model/Exportname.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace vsk {

TIfcBefehle::TIfcBefehle(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien)
    : QObject(&fenster), fenster_(fenster), programm_(programm), dateien_(dateien) {
    connect(fenster.Aktionen().ifcExport, &QAction::triggered, this, &TIfcBefehle::IfcExport);
}

void TIfcBefehle::IfcExport() {
    const TKModell& m = programm_.AktModell();
    const auto positionen = IfcPositionenWaehlen(m, programm_.plattform());
    if (!positionen) {
        return;
    }
    const QString projekt = fenster_.Dateiname();
    const QString vorschlag =
        QString::fromStdString(ExportVorschlag(QFile::encodeName(projekt).toStdString(),
                                               m.Projektbeschreibung.TBauvorhaben, "VSK", "ifc"));
    const QString datei = dateien_.Dialoge().IfcDatei(&fenster_, vorschlag);
    if (datei.isEmpty()) {
        return;
    }
    IfcExportAngaben angaben;
    angaben.projektName = QFile::encodeName(QFileInfo(projekt).fileName()).toStdString();
    angaben.zeitstempel = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ExportiereIfc(QFile::encodeName(datei).toStdString(), m, *positionen, angaben,
                  programm_.plattform());
    QApplication::restoreOverrideCursor();
}

} // namespace vsk
