#pragma once
// The reinforcement window: the bars of the connector type selected in the results,
// changed with steppers and rechecked at every step. OK keeps the bars; Cancel (also Esc
// and the title-bar close) puts the type's catalogue record and result back exactly as
// they were when the window opened.

#include "katalog/Katalog.h"
#include "model/DornErgebnis.h"
#include "shell/ui/DialogFenster.h"

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vsk {

class Plattform;
class TBST500;
class TKAnwendung;
class TUpDown;

class TfrmBewehrung final : public TDialogFenster {
    Q_OBJECT
public:
    explicit TfrmBewehrung(Plattform& plattform, QWidget* parent = nullptr);

    // Edits the bars of the selected type of the position modally.
    int Zeige(TKAnwendung& anwendung);

    // On activation: shows the record of the selected type, keeps copies for Cancel and
    // holds the spacing limit at 1 while the window is open.
    void Aktivieren(TKAnwendung& anwendung);

    // Types 8, 9, 17 and 18 carry position B in pairs.
    static bool IstGrosserTyp(int typ);

    void accept() override;
    void reject() override;

    QLabel* lblUeberschrift;
    QLineEdit* edtAnzB;
    TUpDown* udAnzB;
    QLineEdit* edtDurchmB;
    TBST500* udDurchmB;
    QLineEdit* edtAnzD;
    TUpDown* udAnzD;
    QLineEdit* edtDurchmD;
    TBST500* udDurchmD;
    QLabel* imgDorn;
    QLabel* imgZwischenergebnis;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;
    QPushButton* BitBtnHilfe = nullptr;

signals:
    // The bars changed and the type was rechecked: the main window refreshes its results.
    void ergebnisseGeaendert();

private:
    void Schritt();
    void ZeichneZwischenergebnis();
    void ZeigeDornbild(int typ);
    void Schliessen();

    Plattform& plattform_;
    TKAnwendung* anwendung_ = nullptr; // while the window is open
    int typ_ = 0;
    std::optional<TKDornDaten> kopieDaten_;
    std::optional<TKDornErgebnis> kopieErgebnis_;
    std::uint8_t alterAbstand_ = 1;
};

} // namespace vsk
