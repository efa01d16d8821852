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
    QPushButton* BitBtnOK;
    QPushButton* BitBtnAbbrechen;
    QPushButton* BitBtnHilfe;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void FormActivate();
    void BitBtnOKClick();

    Plattform& plattform_;
    TKProjektdaten* daten_ = nullptr; // the description of the current opening only
};

} // namespace vsk
