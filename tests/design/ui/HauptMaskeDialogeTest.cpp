#include "design/ui/BST500.h"
#include "design/ui/BeliebigeLastFenster.h"
#include "design/ui/BemessungFenster.h"
#include "design/ui/BewehrungFenster.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/Einstellungen.h"
#include "shell/Zahlen.h"
#include "sketches/ui/FarbeinstellungFenster.h"
#include "support/Ereignisse.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace vsk::test {

class HauptMaskeDialogeTest final : public QObject {
    Q_OBJECT
private slots:
    void EinstellungenUeberOptionen();
    void FarbenUeberOptionenUndBaum();
    void BewehrungNurMitErgebnissen();
    void BeliebigeLastUebernimmtEndwerte();
};

namespace {

struct Programmumgebung : Hauptfenster {
    Programmumgebung() { Starten(Warten::Sichtbar, Dateidialoge::Qt); }
};

} // namespace

void HauptMaskeDialogeTest::EinstellungenUeberOptionen() {
    Programmumgebung u;
    QAction* befehl = u.fenster->Aktionen().bemessung;
    QVERIFY(befehl->isEnabled());
    QVERIFY(ImFenster<TfrmBemessung>([&] { befehl->trigger(); },
                                     [](TfrmBemessung& f) {
                                         f.rgDornabstand[0]->setChecked(true);
                                         f.meditGammaMs->setText(QStringLiteral("1.1"));
                                         f.BitBtnOK->click();
                                     }));
    QCOMPARE(int(u.Akt().TMaxDornabstand), 0);
    QCOMPARE(u.Akt().TGammaMs, 1.1);
    QCOMPARE(u.programm->einstellungen().ReadInteger("Anwenderdaten", "Bemessung", 9), 0);
}

void HauptMaskeDialogeTest::FarbenUeberOptionenUndBaum() {
    Programmumgebung u;
    QAction* befehl = u.fenster->Aktionen().bildschirmfarben;
    QVERIFY(befehl->isEnabled());
    QVERIFY(ImFenster<TfrmFarbeinstellung>([&] { befehl->trigger(); },
                                           [](TfrmFarbeinstellung& f) {
                                               f.BitBtnGrau->click();
                                               f.BitBtnOK->click();
                                           }));
    QCOMPARE(u.programm->Farben().PosB, Farbe{0});
    // The tree leaf runs the same command.
    QVERIFY(ImFenster<TfrmFarbeinstellung>(
        [&] { u.fenster->Baum().befehl(TEingabebaum::Knoten::Bildschirmfarben); },
        [](TfrmFarbeinstellung& f) {
            f.BitBtnStandard->click();
            f.BitBtnAbbrechen->click();
        }));
    QCOMPARE(u.programm->Farben().PosB, Farbe{0});
    // Colours reach the settings file when the program ends.
    u.fenster->Freigeben();
    const Einstellungen ini(u.plattform->einstellungsdatei, '.');
    QCOMPARE(ini.ReadInteger("Farbeinstellung", "Brandschutz", -1), 8421504);
}

void HauptMaskeDialogeTest::BewehrungNurMitErgebnissen() {
    Programmumgebung u;
    auto* befehl = u.fenster->findChild<QAction*>(QStringLiteral("tbBewehrung"));
    QVERIFY(befehl);
    QVERIFY(!befehl->isEnabled());
    u.fenster->Aktionen().berechnung->trigger();
    QVERIFY(befehl->isEnabled());
    const int typ = u.Akt().cErgebnisse.TAktDorn;
    const int anzB = u.Akt().cErgebnisse.DornDaten(typ).AnzB;
    auto* liste = u.fenster->findChild<QTreeWidget*>();
    QVERIFY(liste);
    QVERIFY(ImFenster<TfrmBewehrung>(
        [&] { befehl->trigger(); },
        [&](TfrmBewehrung& f) {
            QCOMPARE(int(u.Akt().TMaxDornabstand), 1);
            f.udAnzB->Schritt(true);
            // The results list follows every step.
            QCOMPARE(liste->topLevelItem(typ)->text(1),
                     QString::fromStdString(
                         FormatFest(u.Akt().cErgebnisse.DornErgebnis(typ).TAsxIst, 0, '.')));
            f.BitBtnOK->click();
        }));
    QCOMPARE(u.Akt().cErgebnisse.DornDaten(typ).AnzB, anzB + 1);
    QCOMPARE(int(u.Akt().TMaxDornabstand), 1);
}

void HauptMaskeDialogeTest::BeliebigeLastUebernimmtEndwerte() {
    Programmumgebung u;
    auto* knopf = u.fenster->findChild<QToolButton*>(QStringLiteral("tbbeliebigeLast"));
    QVERIFY(knopf);
    QVERIFY(ImFenster<TfrmbeliebigeLast>([&] { knopf->click(); },
                                         [](TfrmbeliebigeLast& f) {
                                             // The window opens with the end points (0, left) and
                                             // (joint length, right).
                                             QCOMPARE(f.ZellText(0, 0), QStringLiteral("0"));
                                             QCOMPARE(f.ZellText(1, 0), QStringLiteral("2000"));
                                             f.sgPunkte->setCurrentCell(0, 0);
                                             f.meditQ->setText(QStringLiteral("12"));
                                             f.BitBtnAendernClick();
                                             f.sgPunkte->setCurrentCell(1, 0);
                                             f.meditQ->setText(QStringLiteral("30"));
                                             f.BitBtnAendernClick();
                                             f.BitBtnOK->click();
                                         }));
    const TKBelastung& b = u.Akt().cBelastungDesign;
    QCOMPARE(int(b.TBelastungsfall), Belastungsfall::Beliebig);
    QCOMPARE(b.cLinienLastLinks.TFd(), 12.0);
    QCOMPARE(b.cLinienLastRechts.TFd(), 30.0);
    QCOMPARE(b.Resultierende(), 42.0);
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::HauptMaskeDialogeTest)
#include "HauptMaskeDialogeTest.moc"
