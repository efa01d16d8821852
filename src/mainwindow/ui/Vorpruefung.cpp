#include "mainwindow/ui/Vorpruefung.h"

#include "design/Plausibilitaet.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/ui/Programm.h"

#include <QApplication>

namespace vsk {

bool VorBemessungPruefen(TfrmHauptMaske& fenster, Programm& programm) {
    // Moving the focus on runs the leave check of the field being edited, whose outcome
    // EingabeOK then holds; an earlier outcome may belong to a field that has lost the
    // focus since, which the panel checks again.
    programm.EingabeOK = true;
    if (QWidget* fokus = QApplication::focusWidget(); fokus && fokus->window() == &fenster) {
        fenster.FokusWeiter();
    }
    if (!programm.EingabeOK || !fenster.Panel().FelderGueltig()) {
        return false;
    }
    const std::vector<std::string> hinweise = PruefeVorBemessung(programm.AktModell());
    fenster.ZeigeHinweise(hinweise);
    if (!hinweise.empty()) {
        fenster.Groessenanpassung();
    }
    return hinweise.empty();
}

} // namespace vsk
