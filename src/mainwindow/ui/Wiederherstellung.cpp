#include "mainwindow/ui/Wiederherstellung.h"

#include "mainwindow/ui/Bearbeitungsbefehle.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/HauptMaske.h"
#include "model/Sicherung.h"
#include "shell/qt/QtDateien.h"
#include "shell/ui/Programm.h"

#include <QDateTime>
#include <QLocale>
#include <ctime>

namespace vsk {

TWiederherstellung::TWiederherstellung(TfrmHauptMaske& fenster, Programm& programm,
                                       TDateibefehle& dateien, TBearbeitungsbefehle& bearbeitung)
    : QObject(&fenster), fenster_(fenster), programm_(programm), dateien_(dateien),
      frage_(
          [&programm](const std::string& text) { return programm.plattform().FrageJaNein(text); }) {
    const std::filesystem::path ordner = programm_.plattform().Sicherungsordner();
    if (ordner.empty()) {
        return;
    }
    sicherung_ = std::make_unique<Sicherung>(ordner);
    abstandSekunden_ = AutoSicherungSekunden(programm_.einstellungen());
    connect(&bearbeitung, &TBearbeitungsbefehle::verlaufGeaendert, this,
            &TWiederherstellung::VerlaufGeaendert);
    connect(&takt_, &QTimer::timeout, this, &TWiederherstellung::Sichern);
    if (abstandSekunden_ > 0) {
        takt_.start(abstandSekunden_ * 1000);
    }
}

TWiederherstellung::~TWiederherstellung() {
    if (sicherung_) {
        sicherung_->Entferne();
    }
}

bool TWiederherstellung::Anbieten() {
    if (!sicherung_) {
        return false;
    }
    bool wiederhergestellt = false;
    for (const Sicherungskopie& kopie : sicherung_->Verwaiste()) {
        if (wiederhergestellt) {
            sicherung_->Lasse(kopie);
            continue;
        }
        const QString datei = kopie.dateiname.empty() ? tr("Unnamed") : PfadText(kopie.dateiname);
        const QString zeit =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(kopie.zeit), QLocale::ShortFormat);
        const QString frage =
            tr("The program did not end properly last time. The unsaved changes of \"%1\" "
               "from %2 can be restored.\n\nDo you want to restore them?")
                .arg(datei, zeit);
        if (frage_(frage.toStdString()) &&
            dateien_.StelleWiederHer(PfadText(kopie.projekt), PfadText(kopie.dateiname))) {
            sicherung_->Uebernimm(kopie);
            wiederhergestellt = true;
        } else {
            sicherung_->LegeBeiseite(kopie);
        }
    }
    return wiederhergestellt;
}

void TWiederherstellung::Sichern() {
    Bearbeitungsverlauf& verlauf = programm_.Verlauf();
    if (!sicherung_ || !programm_.HatModell() || !verlauf.Geaendert() ||
        (sicherung_->HatKopie() && verlauf.Stand() == gesichert_)) {
        return;
    }
    const Schreibergebnis ergebnis =
        sicherung_->Schreibe(programm_.AktModell(), PfadAus(fenster_.Dateiname()).string(),
                             static_cast<std::int64_t>(std::time(nullptr)), programm_.Trenner());
    if (ergebnis) {
        gesichert_ = verlauf.Stand();
    } else if (!fehlerGezeigt_) {
        // Once per run: the user learns that no copy is kept, not every minute.
        fehlerGezeigt_ = true;
        programm_.plattform().Fehler(SchreibFehlerText(ergebnis));
    }
}

void TWiederherstellung::VerlaufGeaendert() {
    if (sicherung_ && programm_.HatModell() && !programm_.Verlauf().Geaendert()) {
        sicherung_->Entferne();
    }
}

} // namespace vsk
