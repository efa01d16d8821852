#include "design/ui/BemessungFenster.h"

#include "model/Anwendung.h"
#include "shell/Einstellungen.h"
#include "shell/Feldpruefung.h"
#include "shell/Plattform.h"
#include "shell/Zahlen.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vsk {

namespace {
constexpr double VorgabeGammaMs = 1.05;
constexpr const char* Sektion = "Anwenderdaten";
} // namespace

TfrmBemessung::TfrmBemessung(Einstellungen& einstellungen, Plattform& plattform,
                             const std::array<std::string, 2>& abstandTexte, QWidget* parent)
    : TDialogFenster(parent), meditGammaMs(new QLineEdit),
      cboxStahlguete(new QComboBox), rgDornabstand{}, BitBtnOK(new QPushButton(tr("&OK"))),
      BitBtnAbbrechen(new QPushButton(tr("&Cancel"))), einstellungen_(einstellungen),
      plattform_(plattform), gruppe_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("frmBemessung"));
    setWindowTitle(tr("Settings for Calculation"));

    meditGammaMs->setObjectName(QStringLiteral("meditGammaMs"));
    meditGammaMs->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    meditGammaMs->setFixedWidth(70);
    cboxStahlguete->setObjectName(QStringLiteral("cboxStahlguete"));
    cboxStahlguete->addItem(tr("500 N/mm²"));
    cboxStahlguete->addItem(tr("450 N/mm²"));

    auto* werte = new QGridLayout;
    werte->addWidget(new QLabel(tr("partial safety factor for steel")), 0, 0);
    auto* symbol = new QLabel(QStringLiteral("γ<sub>Ms</sub>"));
    symbol->setTextFormat(Qt::RichText);
    werte->addWidget(symbol, 0, 1);
    werte->addWidget(meditGammaMs, 0, 2);
    werte->addWidget(new QLabel(tr("reinforcement yield strength")), 1, 0);
    werte->addWidget(cboxStahlguete, 1, 2);
    werte->setColumnStretch(0, 1);

    auto* rg = new QGroupBox(tr("Max. Spacing of Dowels"));
    rg->setObjectName(QStringLiteral("rgDornabstand"));
    auto* rgSpalte = new QVBoxLayout(rg);
    for (std::size_t i = 0; i < rgDornabstand.size(); ++i) {
        rgDornabstand[i] = new QRadioButton(QString::fromStdString(abstandTexte[i]));
        gruppe_->addButton(rgDornabstand[i], static_cast<int>(i));
        rgSpalte->addWidget(rgDornabstand[i]);
    }

    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setDefault(true);
    SetzeHinweis(BitBtnOK, tr("Undertake entry and close window"));
    BitBtnAbbrechen->setObjectName(QStringLiteral("BitBtnAbbrechen"));
    BitBtnAbbrechen->setAutoDefault(false);
    SetzeHinweis(BitBtnAbbrechen, tr("Discard entry and close window"));
    auto* knoepfe = new QDialogButtonBox;
    knoepfe->addButton(BitBtnOK, QDialogButtonBox::AcceptRole);
    knoepfe->addButton(BitBtnAbbrechen, QDialogButtonBox::RejectRole);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(werte);
    spalte->addWidget(rg);
    spalte->addWidget(knoepfe);
    spalte->addWidget(Statuszeile());
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtnOK, &QPushButton::clicked, this, &TfrmBemessung::accept);
    connect(BitBtnAbbrechen, &QPushButton::clicked, this, &TfrmBemessung::reject);
}

int TfrmBemessung::Zeige(TKAnwendung& anwendung) {
    Laden(anwendung);
    adjustSize();
    AufBildschirmMitte();
    const int ergebnis = exec();
    if (ergebnis == QDialog::Accepted) {
        Uebernehmen(anwendung);
    }
    return ergebnis;
}

void TfrmBemessung::Laden(const TKAnwendung& anwendung) {
    const std::size_t abstand = anwendung.TMaxDornabstand < rgDornabstand.size()
                                    ? anwendung.TMaxDornabstand
                                    : rgDornabstand.size() - 1;
    rgDornabstand[abstand]->setChecked(true);
    meditGammaMs->setText(
        QString::fromStdString(FormatAllgemein(anwendung.TGammaMs, plattform_.Dezimaltrenner())));
    cboxStahlguete->setCurrentIndex(anwendung.TStahlguete < 2 ? anwendung.TStahlguete : 0);
    meditGammaMs->setFocus();
    Statuszeile()->clearMessage();
}

void TfrmBemessung::Uebernehmen(TKAnwendung& anwendung) {
    const int abstand = std::max(0, gruppe_->checkedId());
    const int guete = std::max(0, cboxStahlguete->currentIndex());
    anwendung.TMaxDornabstand = static_cast<std::uint8_t>(abstand);
    anwendung.TGammaMs =
        LeseWert(meditGammaMs->text().toStdString(), VorgabeGammaMs, plattform_.Dezimaltrenner());
    anwendung.TStahlguete = static_cast<std::uint8_t>(guete);
    try {
        einstellungen_.SchreibeZusammen([&] {
            einstellungen_.WriteInteger(Sektion, "Bemessung", abstand);
            einstellungen_.WriteInteger(Sektion, "Stahlguete", guete);
            einstellungen_.WriteFloat(Sektion, "GammaMs", anwendung.TGammaMs);
        });
    } catch (const SchreibFehler& f) {
        plattform_.Fehler(f.what());
    }
}

} // namespace vsk
