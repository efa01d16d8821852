#pragma once
// The about box frmAbout: program name, version, date, the maker's notice and contacts
// and the disclaimer; "&Back" closes it.

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace vsk {

class TfrmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QPushButton* ZurueckKnopf() const { return BitBtnZurueck; }
    QString Version() const;
    QString Datum() const;
    QString Haftungsausschluss() const;

protected:
    void changeEvent(QEvent* e) override;

private:
    void ErzeugeSteuerelemente();
    void FormCreate();

    QLabel* imgTitelbild = nullptr;
    QLabel* lblTitel = nullptr;
    QLabel* lblBeschreibung = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblVersionText = nullptr;
    QLabel* lblDatum = nullptr;
    QLabel* lblDatumText = nullptr;
    QLabel* lblHersteller = nullptr;
    QTextEdit* memoHaftung = nullptr;
    QPushButton* BitBtnZurueck = nullptr;
};

} // namespace vsk
