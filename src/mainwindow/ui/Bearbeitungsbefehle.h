#pragma once
// The Edit commands of the main window: undo and redo of the project's steps
// (model/Bearbeitungsverlauf.h), named in the menu, and the unsaved-changes marker of the
// caption. In an input field Ctrl+Z and Ctrl+Y first take back or redo the field's own
// typing, as the field does; a field with nothing left to take back passes the key on to
// the project's steps.

#include <QObject>
#include <QString>

class QLineEdit;

namespace vsk {

class Programm;
class TfrmHauptMaske;

class TBearbeitungsbefehle final : public QObject {
    Q_OBJECT
public:
    TBearbeitungsbefehle(TfrmHauptMaske& fenster, Programm& programm);
    ~TBearbeitungsbefehle() override;

    void Rueckgaengig();
    void Wiederholen();

signals:
    // The steps, the project's state or its saved state changed.
    void verlaufGeaendert();

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    // The input field of the main window that has the focus, if any.
    QLineEdit* Eingabefeld() const;
    // The restored project, shown as when its current position is chosen.
    void Zeige();
    void Aktualisiere();

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    QString rueckgaengigText_, wiederholenText_; // "&Undo", "&Redo" in the current language
};

} // namespace vsk
