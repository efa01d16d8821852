#include "mainwindow/ui/Bearbeitung.h"

#include "shell/ui/Programm.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace vsk {

namespace {
Bearbeitungsumfang AktuellePosition(Programm& p) {
    return Bearbeitungsumfang::Position(p.AktModell().TAktAnwendung);
}
} // namespace

TBearbeitung::TBearbeitung(Programm& programm, const QString& name)
    : TBearbeitung(programm, name, AktuellePosition(programm)) {}

TBearbeitung::TBearbeitung(Programm& programm, const QString& name,
                           const Bearbeitungsumfang& umfang)
    : programm_(programm) {
    programm_.Verlauf().Beginne(programm_.AktModell(), name.toStdString(), umfang);
}

TBearbeitung::TBearbeitung(Programm& programm, NachtragArt) : programm_(programm) {
    programm_.Verlauf().Beginne(programm_.AktModell(), {}, AktuellePosition(programm_),
                                Bearbeitungsverlauf::Art::Nachtrag);
}

TBearbeitung::~TBearbeitung() {
    if (!offen_ || !programm_.HatModell()) {
        return;
    }
    try {
        programm_.Verlauf().Abschliessen(programm_.AktModell());
    } catch (const std::exception&) {
        // Without memory for the step the edit stays, only its undo is lost.
    }
}

void TBearbeitung::Zurueckstellen() {
    offen_ = false;
    programm_.Verlauf().Zurueckstellen();
}

void BearbeitungVormerken(Programm& programm, const QString& name) {
    BearbeitungVormerken(programm, name, AktuellePosition(programm));
}

void BearbeitungVormerken(Programm& programm, const QString& name,
                          const Bearbeitungsumfang& umfang) {
    programm.Verlauf().Vormerken(programm.AktModell(), name.toStdString(), umfang);
}

void EingabeUebernommen(QLineEdit& feld) {
    // Setting the text anew forgets its typing; the text stays as it is.
    const QSignalBlocker sperre(&feld);
    const QString text = feld.text();
    const int cursor = feld.cursorPosition();
    feld.setText(text);
    feld.setCursorPosition(cursor);
}

} // namespace vsk
