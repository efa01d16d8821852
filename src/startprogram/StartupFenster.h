#pragma once
// The window of the CD start program: choose the language, start the installer of the
// design program or of the PDF reader.

#include "shell/qt/Sprachumschaltung.h"

#include <QWidget>
#include <array>
#include <filesystem>

class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace vsk {

class Plattform;
class Programmstarter;

// Where the start program looks for its files.
struct Startumgebung {
    // The running start program; its language modules lie beside it.
    std::filesystem::path programmdatei;
    // The current directory (the CD root): installers are found below it.
    std::filesystem::path arbeitsverzeichnis;
    // Where "VSKLog.INI" is written.
    std::filesystem::path tempverzeichnis;
};

class TfrmStartup final : public QWidget {
    Q_OBJECT

public:
    TfrmStartup(Startumgebung umgebung, Plattform& plattform, Programmstarter& starter,
                QWidget* parent = nullptr);

    // Language button handler; id is the button's language identifier.
    void SwitchLanguage(int id);

    // The file the start program writes after starting the installer.
    std::filesystem::path LogDatei() const;

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    struct Sprachknopf {
        QToolButton* knopf = nullptr;
        QLabel* marker = nullptr;
        int id = 0;
    };

    void ErzeugeSteuerelemente();
    void FormCreate();
    void FormActivate();
    void FensterNeuEinlesen();
    void UebersetzeTexte();
    void ZeigeMarker(int id);
    void BitBtnSetupVSKClick();
    void BitBtnSetupArcobatClick();
    void SchreibeLaufwerk();

    Startumgebung umgebung_;
    Plattform& plattform_;
    Programmstarter& starter_;
    Sprachumschaltung sprachen_;

    QLabel* imgVSKSetupBild = nullptr;
    QLabel* lblUeberschrift = nullptr;
    QPushButton* BitBtnSetupVSK = nullptr;
    QLabel* lblSetupVSK = nullptr;
    QPushButton* BitBtnSetupArcobat = nullptr;
    QLabel* lblSetupArcobat = nullptr;
    QTextEdit* Memo1 = nullptr;
    QPushButton* BitBtnEnde = nullptr;
    // Eng, Des, Esp, Fra, Ita, Nld: top to bottom.
    std::array<Sprachknopf, 6> sprachknoepfe_{};
};

} // namespace vsk
