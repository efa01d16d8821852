#pragma once
// The splash window frmSplash, shown modally before any other window: the title picture,
// six language buttons with their markers and "&Start Program". The language chosen here
// is the language of the whole run.

#include <QDialog>
#include <array>
#include <filesystem>

class QLabel;
class QPushButton;
class QToolButton;

namespace vsk {

class Einstellungen;
class Plattform;
class Sprachumschaltung;

class TfrmSplash final : public QDialog {
    Q_OBJECT

public:
    // sprachen: the program's language modules, kept loaded after the splash is gone.
    TfrmSplash(Sprachumschaltung& sprachen, Einstellungen& einstellungen, Plattform& plattform,
               std::filesystem::path programmdatei, QWidget* parent = nullptr);

    // Language button handler; id is the button's language identifier (its tag).
    void SwitchLanguage(int id);

    // The language identifier the window started with (IDSprache or the system's).
    int Tag() const { return tag_; }
    bool MarkerSichtbar(int id) const;
    QToolButton* Sprachknopf(int id) const;
    QPushButton* StartKnopf() const { return BitBtnStart; }

protected:
    void changeEvent(QEvent* e) override;

private:
    struct Knopf {
        QToolButton* sbtn = nullptr;
        QLabel* img = nullptr;
        int id = 0;
    };

    void ErzeugeSteuerelemente();
    void FormCreate();
    bool Lade(int id);
    void UebersetzeTexte();
    void ZeigeMarker(int id);
    void SetzeHilfedatei();
    // No marker shown, the texts of the current module: the window as first read.
    void NeuEinlesen();

    Sprachumschaltung& sprachen_;
    Einstellungen& einstellungen_;
    Plattform& plattform_;
    std::filesystem::path programmdatei_;
    int tag_ = 0;

    QLabel* imgTitelbild = nullptr;
    QLabel* lblUntertitel = nullptr;
    QPushButton* BitBtnStart = nullptr;
    // Eng, Des, Esp, Fra, Ita, Nld: top to bottom.
    std::array<Knopf, 6> knoepfe_{};
};

} // namespace vsk
