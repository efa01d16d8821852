#pragma once
// The design-settings window: partial safety factor for steel, reinforcement yield
// strength and the connector spacing limit of a position. OK also stores the three
// choices as the defaults of new positions in the settings file.

#include "model/Eingaben.h"
#include "shell/ui/DialogFenster.h"

#include <array>
#include <string>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vsk {

class Einstellungen;
class Plattform;
class TKAnwendung;

class TfrmBemessung final : public TDialogFenster {
    Q_OBJECT
public:
    // abstandTexte: the entries of MaxDornabstandTexte. None of the arguments is owned;
    // all live for the whole run.
    TfrmBemessung(Einstellungen& einstellungen, Plattform& plattform,
                  const std::array<std::string, 2>& abstandTexte, QWidget* parent = nullptr);

    // Shows the settings of the position modally; OK writes them back.
    int Zeige(TKAnwendung& anwendung);
    // What the last OK changed (nothing after Cancel).
    const Eingabefolgen& Folgen() const { return folgen_; }

    // The window's state for a position, as on activation.
    void Laden(const TKAnwendung& anwendung);
    // What OK does.
    void Uebernehmen(TKAnwendung& anwendung);

    QLineEdit* meditGammaMs;
    QComboBox* cboxStahlguete;
    std::array<QRadioButton*, 2> rgDornabstand;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;

private:
    Einstellungen& einstellungen_;
    Plattform& plattform_;
    QButtonGroup* gruppe_;
    Eingabefolgen folgen_;
};

} // namespace vsk
