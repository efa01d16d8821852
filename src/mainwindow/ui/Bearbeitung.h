#pragma once
// One edit of the project as the undo history records it (model/Bearbeitungsverlauf.h):
// made, the object takes what the edit will touch; going out of scope, it records the
// step when the project changed. Edits made meanwhile belong to it.

#include "model/Projektausschnitt.h"

#include <QString>

class QLineEdit;

namespace vsk {

class Programm;

class TBearbeitung {
public:
    // An edit of the current position.
    TBearbeitung(Programm& programm, const QString& name);
    TBearbeitung(Programm& programm, const QString& name, const Bearbeitungsumfang& umfang);
    // A calculation of the current position: no step of its own, part of the last one.
    struct NachtragArt {};
    static constexpr NachtragArt Nachtrag{};
    TBearbeitung(Programm& programm, NachtragArt);
    ~TBearbeitung();
    TBearbeitung(const TBearbeitung&) = delete;
    TBearbeitung& operator=(const TBearbeitung&) = delete;

    // The edit did not go through (a failed check): the step stays marked, to be recorded
    // with the field's next leave.
    void Zurueckstellen();

private:
    Programm& programm_;
    bool offen_ = true;
};

// Typing in a field changes the project before the field is left (the results are no
// longer shown, a text is taken at once): the step is marked with the first keystroke.
void BearbeitungVormerken(Programm& programm, const QString& name);
void BearbeitungVormerken(Programm& programm, const QString& name,
                          const Bearbeitungsumfang& umfang);

// The field's text has reached the project: what was typed is a step of the project now,
// no longer the field's own to take back with Ctrl+Z.
void EingabeUebernommen(QLineEdit& feld);

} // namespace vsk
