#pragma once
// The project data window frmProjektdaten: building project, company lines, designer and
// date of the project description.

#include "shell/ui/DialogFenster.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vsk {

class Plattform;
class TKProjektdaten;

class TfrmProjektdaten final : public TDialogFenster {
    Q_OBJECT
public:
    explicit TfrmProjektdaten(Plattform& plattform, QWidget* parent = nullptr);

    // Shows the window modally with the description; "&OK" writes the fields into it.
    int Zeige(TKProjektdaten& daten);

    QLineEdit* editBauvorhaben;
    QPlainTextEdit* memoFirma;
    QLineEdit* editBearbeiter;
    QLineEdit* editDatum;
    QPushButton* BitBtnHeute;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;
    QPushButton* BitBtnHilfe = nullptr;

    // "&OK": the fields go into the description.
    void accept() override;

private:
    void FormActivate();

    Plattform& plattform_;
    TKProjektdaten* daten_ = nullptr; // the description of the current opening only
};

} // namespace vsk
