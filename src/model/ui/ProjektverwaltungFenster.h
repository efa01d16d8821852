#pragma once
// The project administration window frmProjektverwaltung: browses the project files of a
// directory, lists the positions of the chosen file, and opens that project or takes one
// of its positions over into the open project.

#include "shell/ui/DialogFenster.h"

#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;

namespace vsk {

class Einstellungen;
class Plattform;
class TKModell;

class TfrmProjektverwaltung final : public TDialogFenster {
    Q_OBJECT
public:
    // The main window's save question and its Open; true when the action may go on.
    struct Befehle {
        std::function<bool()> FrageSpeichern;
        std::function<bool(const QString& pfad)> OeffneProjekt;
    };

    TfrmProjektverwaltung(Einstellungen& einstellungen, Plattform& plattform, Befehle befehle,
                          QWidget* parent = nullptr);

    // Shows the window modally; Accepted when a position was taken over into modell (the
    // caller then makes the last position current).
    int Zeige(TKModell& modell);

    // Shows the directory (and stores it under "Version"); false when it does not exist.
    bool SetzeVerzeichnis(const QString& verzeichnis);
    const QString& Verzeichnis() const { return verzeichnis_; }

    QComboBox* cboxLaufwerk;
    QLabel* lblPfad;
    QListWidget* lbVerzeichnis;
    QListWidget* lbDateien;
    QTreeWidget* lvPositionen;
    QPushButton* BitBtnOeffnen;
    QPushButton* BitBtnAbbrechen;
    QPushButton* BitBtnHilfe;
    QPushButton* BitBtnUebernehmen;

private:
    // merken: store the directory under "Version".
    bool ZeigeVerzeichnis(const QString& verzeichnis, bool merken);
    void FuelleVerzeichnis();
    void DateiGewaehlt();
    void lbVerzeichnisDoppelklick(QListWidgetItem* zeile);
    void BitBtnUebernehmenClick();
    void BitBtnOeffnenClick();
    QString GewaehlteDatei() const;

    Einstellungen& einstellungen_;
    Plattform& plattform_;
    Befehle befehle_;
    TKModell* modell_ = nullptr; // the model of the current opening only
    QString verzeichnis_;
};

} // namespace vsk
