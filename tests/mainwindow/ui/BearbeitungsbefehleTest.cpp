// Undo and redo in the main window: every kind of edit goes back to the project as it was,
// field by field, and forward again; Ctrl+Z in a field takes its typing back first; the
// caption marks unsaved changes.

#include "mainwindow/ui/Bearbeitungsbefehle.h"
#include "design/ui/BeliebigeLastFenster.h"
#include "design/ui/BemessungFenster.h"
#include "design/ui/BewehrungFenster.h"
#include "design/ui/UpDown.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "model/ProjektSchreiben.h"
#include "model/ui/ProjektdatenFenster.h"
#include "model/ui/ProjektverwaltungFenster.h"
#include "model/ui/StuecklisteFenster.h"
#include "shell/Einstellungen.h"
#include "support/Ereignisse.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <sstream>

using namespace vsk;

namespace {

const QString Titel = QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: ");

// The first line in which two project files differ.
QString Unterschied(const std::string& ist, const std::string& soll) {
    std::istringstream a(ist), b(soll);
    std::string x, y;
    for (int zeile = 1; a || b; ++zeile) {
        std::getline(a, x);
        std::getline(b, y);
        if (x != y) {
            return QStringLiteral(" line %1: is %2, expected %3")
                .arg(zeile)
                .arg(QString::fromStdString(x), QString::fromStdString(y));
        }
        x.clear();
        y.clear();
    }
    return {};
}

} // namespace

#define PRUEFE(...)                                                                                \
    do {                                                                                           \
        Pruefe(__VA_ARGS__);                                                                       \
        if (QTest::currentTestFailed()) {                                                          \
            return;                                                                                \
        }                                                                                          \
    } while (false)

class BearbeitungsbefehleTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    const THauptAktionen& A() { return fenster->Aktionen(); }
    // Every stored field of the project, as the file holds it.
    std::string Stand() { return ProjektText(Modell(), "", '.').value_or(""); }
    TZahlenFeld* Feld(const char* name) { return fenster->Panel().Feld(QString::fromLatin1(name)); }
    void Tippe(QLineEdit* feld, const QString& text) {
        fenster->activateWindow(); // again after a modal window
        feld->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(feld->hasFocus());
        feld->selectAll();
        QTest::keyClicks(feld, text);
    }
    void Eingabe(const char* feld, const QString& text) {
        Tippe(Feld(feld), text);
        test::VerlasseFeld(Feld(feld));
    }
    void Klicke(const char* knopf) {
        QTest::mouseClick(fenster->findChild<QToolButton*>(QString::fromLatin1(knopf)),
                          Qt::LeftButton);
    }
    // The edit, then undo gives back the project before it and redo the one after it,
    // both shown as the window shows a position.
    void Pruefe(const char* art, const QString& schritt, const std::function<void()>& bearbeite) {
        const std::string vorher = Stand();
        bearbeite();
        const std::string nachher = Stand();
        QVERIFY2(vorher != nachher, art);
        QCOMPARE(A().rueckgaengig->text(), QStringLiteral("&Undo ") + schritt);
        A().rueckgaengig->trigger();
        QVERIFY2(Stand() == vorher, qPrintable(art + Unterschied(Stand(), vorher)));
        QCOMPARE(A().wiederholen->text(), QStringLiteral("&Redo ") + schritt);
        QCOMPARE(Feld("meditPlatteDicke")->text(),
                 QString::number(programm->AktAnwendung().cGeometrie.TPlatteDicke));
        QCOMPARE(fenster->Baum().AktuellePositionen()->childCount(), int(Modell().TAnzAnwendung()));
        A().wiederholen->trigger();
        QVERIFY2(Stand() == nachher, qPrintable(art + Unterschied(Stand(), nachher)));
        QCOMPARE(fenster->EditPosition().text(),
                 QString::fromStdString(programm->AktAnwendung().TPosition));
        QCOMPARE(fenster->AnzeigeModus() != TfrmHauptMaske::Eingabe,
                 programm->AktAnwendung().cErgebnisse.TBerechnet != 0);
    }

private slots:
    void init() {
        Vorbereiten();
        std::filesystem::copy_file(std::filesystem::path(VSK_TEST_DATA) / "projekt" /
                                       "referenz_mehrere.VSK",
                                   *verzeichnis / "drei.VSK");
        Einstellungen(plattform->einstellungsdatei, '.')
            .WriteString("Anwenderdaten", "Version", verzeichnis->pfad().string());
        Starten(Warten::Aktiv);
    }
    void cleanup() { Abbauen(); }

    // Each kind of edit in turn; the first that fails ends the test.
    void jedeArtVonAenderungGehtZurueckUndWieder() {
        QVERIFY(!A().rueckgaengig->isEnabled());
        QCOMPARE(A().rueckgaengig->text(), QStringLiteral("&Undo"));
        PRUEFE("field", "Slab thickness", [&] { Eingabe("meditPlatteDicke", "280"); });
        PRUEFE("load", "Dead load", [&] { Eingabe("meditLinienlastLinksg", "12"); });
        PRUEFE("case", "Application Case", [&] { Klicke("tbReiheWand"); });
        PRUEFE("load case", "Load case", [&] { Klicke("tbLinienlast"); });
        for (const char* name : {"cboxBetonguete", "cBoxFugenbreite"}) {
            auto* box = fenster->findChild<QComboBox*>(QString::fromLatin1(name));
            PRUEFE(name, box->accessibleName(), [&] {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Up);
            });
        }
        PRUEFE("reinforcement basis", "Determination of reinforcement", [&] {
            auto* gruppe = fenster->findChild<QGroupBox*>(QStringLiteral("rgBewehrungCalc"));
            gruppe->findChildren<QRadioButton*>().at(1)->click();
        });
        PRUEFE("arbitrary load window", "Load case", [&] {
            QVERIFY(test::ImFenster<TfrmbeliebigeLast>([&] { Klicke("tbbeliebigeLast"); },
                                                       [](TfrmbeliebigeLast& f) {
                                                           f.meditX->setText(
                                                               QStringLiteral("1000"));
                                                           f.meditQ->setText(QStringLiteral("7"));
                                                           f.BitBtnHinzufuegen->click();
                                                           f.BitBtnOK->click();
                                                       }));
        });
        PRUEFE("design settings", "Settings for Calculation", [&] {
            QVERIFY(test::ImFenster<TfrmBemessung>([&] { A().bemessung->trigger(); },
                                                   [](TfrmBemessung& f) {
                                                       f.meditGammaMs->setText(
                                                           QStringLiteral("1.2"));
                                                       f.BitBtnOK->click();
                                                   }));
        });
        PRUEFE("project name", "Project name", [&] {
            Tippe(&fenster->EditBauvorhaben(), QStringLiteral("Hall"));
            test::VerlasseFeld(&fenster->EditBauvorhaben());
        });
        PRUEFE("project data", "Project Data", [&] {
            QVERIFY(test::ImFenster<TfrmProjektdaten>([&] { A().projektdaten->trigger(); },
                                                      [](TfrmProjektdaten& f) {
                                                          f.editBearbeiter->setText(
                                                              QStringLiteral("Ann"));
                                                          f.BitBtnOK->click();
                                                      }));
        });
        PRUEFE("rename", "Position", [&] {
            Tippe(&fenster->EditPosition(), QStringLiteral("P1"));
            test::VerlasseFeld(&fenster->EditPosition());
        });
        PRUEFE("add position", "Add Position", [&] { A().positionHinzufuegen->trigger(); });
        PRUEFE("delete position", "Delete Current Position",
               [&] { A().positionLoeschen->trigger(); });
        A().berechnung->trigger();
        PRUEFE("reinforcement window", "Reinforcement", [&] {
            QVERIFY(test::ImFenster<TfrmBewehrung>(
                [&] { fenster->findChild<QAction*>(QStringLiteral("tbBewehrung"))->trigger(); },
                [](TfrmBewehrung& f) {
                    f.udAnzD->Schritt(true);
                    f.BitBtnOK->click();
                }));
        });
        PRUEFE("add to schedule", "Add to Connector Schedule",
               [&] { A().stuecklisteHinzufuegen->trigger(); });
        PRUEFE("schedule window", "Connector Schedule", [&] {
            QVERIFY(test::ImFenster<TfrmStueckliste>([&] { A().stuecklisteAnzeigen->trigger(); },
                                                     [](TfrmStueckliste& f) {
                                                         f.memoBemerkung->setPlainText(
                                                             QStringLiteral("note"));
                                                         f.BitBtnZurueck->click();
                                                     }));
        });
        PRUEFE("import", "Import Position", [&] {
            QVERIFY(test::ImFenster<TfrmProjektverwaltung>(
                [&] { A().projektverwaltung->trigger(); },
                [](TfrmProjektverwaltung& f) {
                    f.lbDateien->setCurrentRow(0);
                    f.lvPositionen->setCurrentItem(f.lvPositionen->topLevelItem(1));
                    f.BitBtnUebernehmen->click();
                }));
        });
    }

    void hundertAenderungenUndHundertMalZurueck() {
        const std::string anfang = Stand();
        for (int i = 0; i < 100; ++i) {
            Eingabe(i % 2 ? "meditPlatteDicke" : "meditBetondeckungOben", QString::number(200 + i));
        }
        const std::string ende = Stand();
        for (int i = 0; i < 100; ++i) {
            QVERIFY(A().rueckgaengig->isEnabled());
            A().rueckgaengig->trigger();
        }
        QVERIFY(!A().rueckgaengig->isEnabled());
        QVERIFY2(Stand() == anfang, qPrintable(Unterschied(Stand(), anfang)));
        QCOMPARE(fenster->windowTitle(), Titel + "Unnamed");
        for (int i = 0; i < 100; ++i) {
            A().wiederholen->trigger();
        }
        QVERIFY2(Stand() == ende, qPrintable(Unterschied(Stand(), ende)));
    }

    void strgZImFeldNimmtErstDasGetippteZurueck() {
        Eingabe("meditPlatteDicke", "280");
        TZahlenFeld* deckung = Feld("meditBetondeckungOben");
        Tippe(deckung, QStringLiteral("55"));
        QTest::keyClick(deckung, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(deckung->text(), QStringLiteral("30")); // the field's own undo
        QCOMPARE(programm->AktAnwendung().cGeometrie.TPlatteDicke, 280.0);
        QTest::keyClick(deckung, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(programm->AktAnwendung().cGeometrie.TPlatteDicke, 450.0); // the step
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("450"));
        QCOMPARE(QApplication::focusWidget(), deckung);
        QTest::keyClick(deckung, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(programm->AktAnwendung().cGeometrie.TPlatteDicke, 280.0);
        // The tool buttons are the menu's commands.
        QVERIFY(fenster->findChild<QToolBar*>(QStringLiteral("tbarMain"))
                    ->actions()
                    .contains(A().rueckgaengig));
    }

    void rechnenGehoertZurLetztenAenderung() {
        Eingabe("meditLinienlastLinks", "50");
        A().berechnung->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        const std::string gerechnet = Stand();
        QCOMPARE(A().rueckgaengig->text(), QStringLiteral("&Undo Add. design load"));
        A().rueckgaengig->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        QCOMPARE(programm->AktAnwendung().cBelastungDesign.cLinienLastLinks.TF1(), 0.0);
        A().wiederholen->trigger();
        QVERIFY2(Stand() == gerechnet, qPrintable(Unterschied(Stand(), gerechnet)));
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
    }

    void sternImTitelZeigtUngespeicherteAenderungen() {
        QCOMPARE(fenster->windowTitle(), Titel + "Unnamed");
        Eingabe("meditPlatteDicke", "280");
        QCOMPARE(fenster->windowTitle(), Titel + "Unnamed *");
        const QString datei = QString::fromStdString((*verzeichnis / "p.VSK").string());
        dialoge->speichern = datei;
        A().speichern->trigger();
        QCOMPARE(fenster->windowTitle(), Titel + datei);
        Eingabe("meditPlatteDicke", "300");
        QCOMPARE(fenster->windowTitle(), Titel + datei + " *");
        A().rueckgaengig->trigger(); // back to the saved state
        QCOMPARE(fenster->windowTitle(), Titel + datei);
        A().rueckgaengig->trigger(); // before it
        QCOMPARE(fenster->windowTitle(), Titel + datei + " *");
        QVERIFY(fenster->close()); // asked, answered Yes: saved
        QCOMPARE(plattform->fragen.size(), std::size_t(1));
    }
};

QTEST_MAIN(BearbeitungsbefehleTest)
#include "BearbeitungsbefehleTest.moc"
