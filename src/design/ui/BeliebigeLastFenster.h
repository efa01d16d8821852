#pragma once
// The arbitrary-load window: the transverse-force distribution along the joint as a
// table of points (x in mm from the start of the joint, q in kN/m). Every change of the
// table rebuilds the points of the current position at once and redraws the load
// diagram; Cancel puts the loading back as it was when the window opened. The table's
// pop-up menu (and Ctrl+V, Ctrl+C) pastes, copies, imports and exports the points as text,
// as spreadsheets and FE programs write it.

#include "model/Belastung.h"
#include "shell/Feldpruefung.h"
#include "shell/ui/DialogFenster.h"

#include <functional>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vsk {

class Plattform;
class TKAnwendung;
class TKFarbe;
class TKModell;
struct Punktliste;

class TfrmbeliebigeLast final : public TDialogFenster {
    Q_OBJECT
public:
    // farben: the program's colour scheme (not owned, lives for the whole run).
    TfrmbeliebigeLast(Plattform& plattform, const TKFarbe& farben, QWidget* parent = nullptr);

    // Edits the points of the current position of modell modally.
    int Zeige(TKModell& modell);

    // On activation: keeps a copy of the loading, fills the table, rebuilds and redraws.
    void Aktivieren(TKModell& modell);

    void BitBtnHinzufuegenClick();
    void BitBtnAendernClick();
    void BitBtnLoeschenClick();
    void sgPunkteClick(int zeile);

    // Table texts of a data row (from 0).
    QString ZellText(int zeile, int spalte) const;
    int Datenzeilen() const;
    // The data row the user selected, -1 for none: "C&hange" and "&Delete" act on it only
    // (the table's current row alone, set when it merely takes the focus, is no choice).
    int GewaehlteZeile() const;

    // The table's pop-up menu. A paste or an import replaces the table by the points of the
    // text (asking first when the table holds points); a bad line changes nothing and is
    // named in a message.
    void PunkteEinfuegen();
    void PunkteKopieren();
    void PunkteImportieren();
    void PunkteExportieren();

    // The file dialogs of import and export; an empty name is a cancel. Tests put their own
    // in place.
    struct Punktdateiwahl {
        std::function<QString(QWidget*)> oeffnen;
        std::function<QString(QWidget*)> speichern;
    };
    Punktdateiwahl dateiwahl;

    void accept() override;
    void reject() override;

    QLabel* imgLastbild;
    QTableWidget* sgPunkte;
    QLineEdit* meditX;
    QLineEdit* meditQ;
    QPushButton* BitBtnHinzufuegen;
    QPushButton* BitBtnAendern;
    QPushButton* BitBtnLoeschen;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;
    QPushButton* BitBtnHilfe = nullptr;
    QAction* popmnuEinfuegen;
    QAction* popmnuKopieren;
    QAction* popmnuImportieren;
    QAction* popmnuExportieren;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    TKAnwendung& Anwendung() const;
    // The message of the field's check, empty when the text passes.
    std::optional<std::string> Pruefe(const QLineEdit* feld) const;
    // The bounds of the x or q field, with the unit.
    Feldgrenzen Grenzen(const QLineEdit* feld) const;
    void FeldVerlassen(QLineEdit* feld);
    bool& Ausstehend(const QLineEdit* feld);
    // Both fields pass; otherwise the failure is shown (unless a leave check is about to
    // show it) and the focus goes back to the field.
    bool FelderGueltig();
    void SetzeZeile(int zeile, const QString& x, const QString& q);
    // One row per point (one empty row without points).
    void FuelleTabelle(const std::vector<TPunkt>& punkte);
    void PunkteUebernehmen(const Punktliste& liste);
    void ZeilenknoepfeFreigeben();
    QString LastText() const;
    // Rebuilds the points from the table; a text that is not a number leaves the points as
    // they were and says so.
    bool NeuAufbauen();
    void Zeichnen();

    Plattform& plattform_;
    const TKFarbe& farben_;
    TKModell* modell_ = nullptr; // while the window is open
    std::optional<TKBelastung> kopie_;
    bool ausstehendX_ = false; // a leave check of the field is queued
    bool ausstehendQ_ = false;
    int linienbreite_ = 1;
    // The fields' hints without their range.
    QString hinweisX_;
    QString hinweisQ_;
};

} // namespace vsk
