// The main window driven as a user would: type, leave fields, press buttons, and check
// the model and what the window shows.

#include "mainwindow/ui/HauptMaske.h"
#include "design/Bemessung.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/Ergebnisliste.h"
#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "model/Projektdatei.h"
#include "shell/Feldpruefung.h"
#include "shell/Zahlen.h"
#include "shell/ui/Programm.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <memory>
#include <sys/stat.h>

using namespace vsk;

namespace {
// Shows each message in a real modal message box that closes itself, so that the focus
// and activation changes of a real box happen.
class EchteMeldungen final : public test::PlattformDouble {
public:
    void Meldung(const std::string& text) override {
        meldungen.push_back(text);
        QMessageBox box(QMessageBox::NoIcon, "VSK", QString::fromStdString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        QTimer::singleShot(50, &box, &QMessageBox::accept);
        box.exec();
    }
};
} // namespace

class HauptMaskeTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    void Starte(char trenner = '.') {
        Vorbereiten();
        plattform->trenner = trenner;
        Starten(Warten::Aktiv, Dateidialoge::Qt);
    }

    TZahlenFeld* Feld(const char* name) {
        TZahlenFeld* f = fenster->Panel().Feld(QString::fromLatin1(name));
        if (!f) {
            qFatal("no field %s", name);
        }
        return f;
    }

    // Replaces the field's text by typing, as a user does.
    void Tippe(QLineEdit* feld, const QString& text) {
        feld->setFocus(Qt::MouseFocusReason);
        feld->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(feld, Qt::Key_Delete);
        } else {
            QTest::keyClicks(feld, text);
        }
    }
    // Leaves the focused control with Tab.
    void Verlasse() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void Eingabe(const char* feld, const QString& text) {
        Tippe(Feld(feld), text);
        Verlasse();
    }
    void Klicke(const char* knopf) {
        auto* k = fenster->findChild<QToolButton*>(QString::fromLatin1(knopf));
        QVERIFY(k);
        QTest::mouseClick(k, Qt::LeftButton);
    }
    QStringList Positionsknoten() {
        QStringList texte;
        QTreeWidgetItem* p = fenster->Baum().AktuellePositionen();
        for (int i = 0; p && i < p->childCount(); ++i) {
            texte << p->child(i)->text(0);
        }
        return texte;
    }

private slots:
    void init() { Starte(); }
    void cleanup() { Abbauen(); }

    void neuesProjektZeigtEinePosition() {
        QCOMPARE(Positionsknoten(), QStringList{"1"});
        TEingabebaum& baum = fenster->Baum();
        QVERIFY(baum.ProjektKnoten());
        QCOMPARE(baum.ProjektKnoten()->text(0), QStringLiteral("Project: "));
        QVERIFY(baum.ProjektKnoten()->isExpanded());
        QVERIFY(baum.FindeWurzel("Input")->isExpanded());
        QVERIFY(!baum.FindeWurzel("File")->isExpanded());
        // Input mode: no "Add to Connector Schedule", no "System Input".
        QCOMPARE(baum.FindeWurzel("Connector Schedule")->childCount(), 1);
        QCOMPARE(baum.FindeWurzel("Input")->child(0)->text(0), QStringLiteral("Project Data"));
        QCOMPARE(fenster->EditPosition().text(), QStringLiteral("1"));
        QCOMPARE(fenster->windowTitle(),
                 QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: Unnamed"));
        QCOMPARE(fenster->Statusfeld(1).text(), QStringLiteral("VSK - 2.0"));
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("450"));
        QCOMPARE(Feld("meditFugenlaenge")->text(), QStringLiteral("2000"));
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        QCOMPARE(int(Modell().TSkizzeAnzeige), SkizzenArt::System);
    }

    void vorschauModusZeigtSystemeingabeImBaum() {
        fenster->SetAnzeigeModus(TfrmHauptMaske::Vorschau);
        TEingabebaum& baum = fenster->Baum();
        QCOMPARE(baum.FindeWurzel("Input")->child(0)->text(0), QStringLiteral("System Input"));
        QCOMPARE(baum.FindeWurzel("Connector Schedule")->child(1)->text(0),
                 QStringLiteral("Add to Connector Schedule"));
        fenster->SetAnzeigeModus(TfrmHauptMaske::Eingabe);
        QCOMPARE(baum.FindeWurzel("Input")->childCount(), 1);
        QCOMPARE(baum.FindeWurzel("Connector Schedule")->childCount(), 1);
    }

    void positionHinzufuegenKopiertDieAktuelle() {
        fenster->Aktionen().positionHinzufuegen->trigger();
        fenster->Aktionen().positionHinzufuegen->trigger();
        QCOMPARE(Modell().TAnzAnwendung(), 3);
        fenster->Positionswahl().setValue(2);
        QCOMPARE(int(Modell().TAktAnwendung), 2);
        Eingabe("meditPlatteDicke", "300");
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 300.0);

        fenster->Aktionen().positionHinzufuegen->trigger();
        QCOMPARE(Modell().TAnzAnwendung(), 4);
        QCOMPARE(int(Modell().TAktAnwendung), 4);
        QCOMPARE(Akt().TPosition, std::string("4"));
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 300.0);
        QCOMPARE(Modell().Anwendung(3).cGeometrie.TPlatteDicke, 450.0);
        QCOMPARE(Positionsknoten(), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(fenster->Positionswahl().value(), 4);
        QCOMPARE(fenster->Positionswahl().maximum(), 4);
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("300"));
        QCOMPARE(QApplication::focusWidget(), &fenster->EditPosition());
    }

    void positionLoeschenRuecktNachfolgerNach() {
        fenster->Aktionen().positionHinzufuegen->trigger();
        Eingabe("meditPlatteDicke", "222");
        fenster->Aktionen().positionHinzufuegen->trigger();
        Eingabe("meditPlatteDicke", "333");
        fenster->Positionswahl().setValue(2);
        fenster->Aktionen().positionLoeschen->trigger();
        QCOMPARE(Modell().TAnzAnwendung(), 2);
        QCOMPARE(int(Modell().TAktAnwendung), 2);
        QCOMPARE(Akt().TPosition, std::string("3"));
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 333.0);
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("333"));
        QCOMPARE(Positionsknoten(), (QStringList{"1", "3"}));
        QCOMPARE(fenster->Positionswahl().maximum(), 2);
    }

    void letztePositionLoeschenMachtDieVorletzteAktuell() {
        fenster->Aktionen().positionHinzufuegen->trigger();
        fenster->Aktionen().positionHinzufuegen->trigger();
        QCOMPARE(int(Modell().TAktAnwendung), 3);
        fenster->Aktionen().positionLoeschen->trigger();
        QCOMPARE(Modell().TAnzAnwendung(), 2);
        QCOMPARE(int(Modell().TAktAnwendung), 2);
        QCOMPARE(fenster->Positionswahl().value(), 2);
        QCOMPARE(Positionsknoten(), (QStringList{"1", "2"}));
    }

    void einzigePositionBleibt() {
        fenster->Aktionen().positionLoeschen->trigger();
        QCOMPARE(Modell().TAnzAnwendung(), 1);
        QCOMPARE(plattform->meldungen.size(), std::size_t(1));
        QCOMPARE(plattform->meldungen[0],
                 std::string("It is only a position in the existing project.\r\n\r\nThe last "
                             "position cannot be removed!"));
    }

    void positionswahlAusserhalbNimmtDieLetzte() {
        fenster->Aktionen().positionHinzufuegen->trigger();
        fenster->Aktionen().positionHinzufuegen->trigger();
        QSpinBox& wahl = fenster->Positionswahl();
        auto* text = wahl.findChild<QLineEdit*>();
        QVERIFY(text);
        for (const char* getippt : {"0", "7", "12"}) {
            wahl.setValue(1);
            QCOMPARE(int(Modell().TAktAnwendung), 1);
            Tippe(text, QString::fromLatin1(getippt));
            Verlasse();
            QCOMPARE(wahl.value(), 3);
            QCOMPARE(int(Modell().TAktAnwendung), 3);
        }
    }

    void umbenennenImBaumBuchstabeFuerBuchstabe() {
        QLineEdit& pos = fenster->EditPosition();
        pos.setFocus(Qt::MouseFocusReason);
        pos.end(false);
        QTest::keyClicks(&pos, "A");
        QCOMPARE(Positionsknoten(), QStringList{"1A"});
        QCOMPARE(Akt().TPosition, std::string("1"));
        QTest::keyClicks(&pos, "B");
        QCOMPARE(Positionsknoten(), QStringList{"1AB"});
        QCOMPARE(Akt().TPosition, std::string("1"));
        Verlasse();
        QCOMPARE(Akt().TPosition, std::string("1AB"));
        QCOMPARE(Positionsknoten(), QStringList{"1AB"});
    }

    void projekttextGehtSofortInsModell() {
        Tippe(&fenster->EditBauvorhaben(), "Bridge A");
        QCOMPARE(Modell().Projektbeschreibung.TBauvorhaben, std::string("Bridge A"));
        QCOMPARE(fenster->Baum().ProjektKnoten()->text(0), QStringLiteral("Project: Bridge A"));
    }

    void plattendickeSetztNutzhoehe() {
        Eingabe("meditPlatteDicke", "200");
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 200.0);
        QCOMPARE(Akt().cGeometrie.TNutzhoehe, 160.0);
        QCOMPARE(Feld("meditNutzhoehe")->text(), QStringLiteral("160"));
        QVERIFY(programm->EingabeOK);
        QVERIFY(plattform->meldungen.empty());
    }

    void zuDuenneplatteBleibtImFeld() {
        TZahlenFeld* dicke = Feld("meditPlatteDicke");
        // The hint says the unit and the range, in the tool tip and the status bar.
        QCOMPARE(dicke->toolTip(), QStringLiteral("Slab thickness d [mm], at least 160"));
        QCOMPARE(dicke->statusTip(), dicke->toolTip());
        QVERIFY(!dicke->Fehlerhaft());
        Eingabe("meditPlatteDicke", "150");
        QCOMPARE(plattform->meldungen,
                 std::vector<std::string>{"Input value is smaller than "
                                          "allowed!\nAllowed: at least 160 mm"});
        QVERIFY(dicke->Fehlerhaft());
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 450.0);
        QCOMPARE(Akt().cGeometrie.TNutzhoehe, 400.0);
        QCOMPARE(QApplication::focusWidget(), dicke);
        QCOMPARE(dicke->text(), QStringLiteral("150"));
        QVERIFY(!programm->EingabeOK);
        // Clicking into another field leaves again: one more message, no loop, model kept.
        TZahlenFeld* deckung = Feld("meditBetondeckungOben");
        QTest::mouseClick(deckung, Qt::LeftButton);
        QCOMPARE(plattform->meldungen.size(), std::size_t(2));
        QCOMPARE(QApplication::focusWidget(), dicke);
        QCOMPARE(Akt().cGeometrie.TBetondeckungOben, 30.0);
        // Calculation does nothing while the field is wrong.
        fenster->Aktionen().berechnung->trigger();
        QCOMPARE(plattform->meldungen.size(), std::size_t(3));
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        QVERIFY(dicke->Fehlerhaft()); // the mark stays while the text is wrong
        Tippe(dicke, "160");
        Verlasse();
        QVERIFY(programm->EingabeOK);
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 160.0);
        QVERIFY(!dicke->Fehlerhaft());
    }

    void echteMeldungsboxFuehrtNichtZurSchleife() {
        cleanup();
        Vorbereiten(std::make_unique<EchteMeldungen>());
        Starten(Warten::Aktiv, Dateidialoge::Qt);
        TZahlenFeld* dicke = Feld("meditPlatteDicke");
        Tippe(dicke, "150");
        QTest::mouseClick(Feld("meditBetondeckungOben"), Qt::LeftButton);
        // The window becomes active again as it does when a box closes on a desktop.
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QCOMPARE(plattform->meldungen.size(), std::size_t(1));
        QCOMPARE(QApplication::focusWidget(), dicke);
        QCOMPARE(dicke->text(), QStringLiteral("150")); // no refresh after the box
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 450.0);
        QCOMPARE(Akt().cGeometrie.TBetondeckungOben, 30.0);
    }

    void fugenlaengeHatZweiGrenzen() {
        Eingabe("meditFugenlaenge", "300");
        QCOMPARE(Akt().cGeometrie.TFugenlaenge, 300.0);
        QCOMPARE(Akt().cBelastungDesign.TLastLaenge(), 300.0);
        Eingabe("meditFugenlaenge", "30000");
        QCOMPARE(Akt().cGeometrie.TFugenlaenge, 30000.0);
        QVERIFY(plattform->meldungen.empty());
        Eingabe("meditFugenlaenge", "299");
        QCOMPARE(plattform->meldungen.back(),
                 std::string("Input value is smaller than allowed!\nAllowed: 300 ... 30000 mm"));
        Tippe(Feld("meditFugenlaenge"), "30001");
        Verlasse();
        QCOMPARE(plattform->meldungen.back(),
                 std::string("Input value is greater than allowed!\nAllowed: 300 ... 30000 mm"));
        QCOMPARE(plattform->meldungen.size(), std::size_t(2));
        QCOMPARE(Akt().cGeometrie.TFugenlaenge, 30000.0);
    }

    void dezimalpunktUnterDezimalkomma() {
        cleanup();
        Starte(',');
        Klicke("tbEinzel");
        QCOMPARE(Feld("meditPunktlastgg")->text(), QStringLiteral("1,35"));
        Eingabe("meditPunktlastgg", "1.35");
        QCOMPARE(plattform->meldungen,
                 std::vector<std::string>{"Error during Input: Only numbers allowed!\r\n(plaease "
                                          "check writing of \".\" and \",\") "});
        Tippe(Feld("meditPunktlastgg"), "1,5");
        Verlasse();
        QCOMPARE(Akt().cBelastungDesign.cPunktlast.Tgg(), 1.5);
    }

    void leererRandabstandSpeichertEinHalb() {
        cleanup();
        Starte(',');
        Klicke("tbEinzel");
        QVERIFY(Feld("meditBauteilrandLinks")->isVisible());
        QVERIFY(!Feld("meditFugenlaenge")->isVisible());
        Eingabe("meditBauteilrandLinks", "");
        QVERIFY(plattform->meldungen.empty());
        QCOMPARE(Akt().cGeometrie.TBauteilRandLinks, 0.5);
        fenster->AktualisiereEingaben();
        QCOMPARE(Feld("meditBauteilrandLinks")->text(), QStringLiteral("0,5"));
    }

    void punktlastZeigtIhreSumme() {
        Klicke("tbEinzel");
        QCOMPARE(int(Akt().cBelastungDesign.TBelastungsfall), Belastungsfall::Punktlast);
        Eingabe("meditPunktlastg", "10");
        Eingabe("meditPunktlastgg", "1.35");
        Eingabe("meditPunktlastq", "5");
        Eingabe("meditPunktlastgq", "1.5");
        Eingabe("meditPunktlast", "2");
        QCOMPARE(Akt().cBelastungDesign.cPunktlast.TFd(), 23.0);
        QCOMPARE(Feld("meditPunktlasttot")->text(), QStringLiteral("23"));
    }

    void konstanteLastSpiegelt() {
        QCOMPARE(int(Akt().cBelastungDesign.TBelastungsfall), Belastungsfall::Konstant);
        TZahlenFeld* links = Feld("meditLinienlastLinks");
        TZahlenFeld* rechts = Feld("meditLinienlastRechts");
        QVERIFY(!rechts->isEnabled());
        links->setFocus(Qt::MouseFocusReason);
        links->selectAll();
        QTest::keyClick(links, Qt::Key_4);
        QCOMPARE(rechts->text(), QStringLiteral("4"));
        QTest::keyClick(links, Qt::Key_2);
        QCOMPARE(rechts->text(), QStringLiteral("42"));
        Verlasse();
        Eingabe("meditLinienlastLinksg", "10");
        const TKBelastung& b = Akt().cBelastungDesign;
        QCOMPARE(b.cLinienLastLinks.TGk(), 10.0);
        QCOMPARE(b.cLinienLastRechts.TGk(), 10.0);
        QCOMPARE(b.cLinienLastRechts.TFd(), 10 * 1.35 + 42.0);
        QCOMPARE(Feld("meditLinienlastRechtstot")->text(), QStringLiteral("55.5"));
        QCOMPARE(int(b.TLinienLast), Linienlastform::Gleich);
    }

    void tippenMachtErgebnisseUngueltig() {
        fenster->SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
        QCOMPARE(int(Akt().cErgebnisse.TBerechnet), 1);
        TZahlenFeld* dicke = Feld("meditPlatteDicke");
        dicke->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(dicke, Qt::Key_0);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        QCOMPARE(int(Akt().cErgebnisse.TBerechnet), 0);
        QCOMPARE(Akt().cGeometrie.TPlatteDicke, 450.0); // typing alone stores nothing
    }

    void einzelnerDornZurReiheWaehltLinearLast() {
        Klicke("tbEinzel");
        QCOMPARE(int(Akt().TAnwendungsfall), Anwendungsfall::Einzeldorn);
        QCOMPARE(int(Akt().cBelastungDesign.TBelastungsfall), Belastungsfall::Punktlast);
        QCOMPARE(int(Akt().cGeometrie.TRandLinks), 1);
        auto* reihe = fenster->findChild<QAction*>("tbReihenAnsicht");
        QVERIFY(reihe && !reihe->isVisible());
        Klicke("tbReihePlatte");
        QCOMPARE(int(Akt().TAnwendungsfall), Anwendungsfall::ReihePlatte);
        QCOMPARE(int(Akt().cBelastungDesign.TBelastungsfall), Belastungsfall::Linear);
        QVERIFY(fenster->findChild<QToolButton*>("tbLinienlast")->isChecked());
        QCOMPARE(int(Akt().cGeometrie.TRandLinks), 0);
        QVERIFY(reihe->isVisible());
        QVERIFY(Feld("meditLinienlastRechts")->isEnabled());
        QVERIFY(!Feld("meditWanddicke")->isVisible());
        Klicke("tbReiheWand");
        QVERIFY(Feld("meditWanddicke")->isVisible());
    }

    void enterNachFehlerGehtVorwaerts() {
        TZahlenFeld* dicke = Feld("meditPlatteDicke");
        TZahlenFeld* oben = Feld("meditBetondeckungOben");
        TZahlenFeld* unten = Feld("meditBetondeckungUnten");
        Tippe(oben, "5");
        QTest::keyClick(oben, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), oben);
        QVERIFY(!programm->EingabeOK);
        Tippe(oben, "12");
        QTest::keyClick(oben, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), unten); // forward, despite Shift
        QCOMPARE(Akt().cGeometrie.TBetondeckungOben, 12.0);
        QTest::keyClick(unten, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), oben); // with the check passed, Shift goes back
        Q_UNUSED(dicke);
    }

    void vorschauBleibtZentriert() {
        fenster->SetAnzeigeModus(TfrmHauptMaske::Vorschau);
        QImage seite(300, 400, QImage::Format_RGB32);
        seite.fill(Qt::white);
        TVorschau& v = fenster->VorschauBereich();
        v.SetzeSeite(TVorschau::Ergebnisseite, seite);
        for (int breite : {900, 1100, 700}) {
            fenster->resize(breite, 600);
            QApplication::processEvents();
            QLabel* bild = v.SeitenBild(TVorschau::Ergebnisseite);
            QCOMPARE(bild->x(), (v.viewport()->width() - 300) / 2);
        }
    }

    void schliessenFragtUndAbbrechenHaeltOffen() {
        Eingabe("meditPlatteDicke", "280");
        plattform->antworten = {Antwort::Abbrechen};
        QVERIFY(!fenster->close());
        QCOMPARE(plattform->fragen,
                 std::vector<std::string>{"Do you want to save current calculation?"});
        QVERIFY(fenster->isVisible());
        plattform->antworten = {Antwort::Nein};
        QVERIFY(fenster->close());
    }

    void beendenSchreibtLastfaktorenDerErstenPosition() {
        Eingabe("meditLinienlastLinksgg", "1.5");
        fenster->Aktionen().positionHinzufuegen->trigger();
        Eingabe("meditLinienlastLinksgg", "1.2");
        fenster->Freigeben();
        Einstellungen e(plattform->einstellungsdatei, '.');
        QCOMPARE(e.ReadFloat("Anwenderdaten", "LinienlastLinks_Tgg", 0), 1.5);
        QVERIFY(plattform->fehler.empty());
    }

    void schreibfehlerBeimBeendenWirdGezeigt() {
        // A directory in place of the settings file cannot be written.
        std::filesystem::create_directory(plattform->einstellungsdatei);
        fenster->Freigeben();
        QCOMPARE(plattform->fehler.size(), std::size_t(1));
        QVERIFY(plattform->fehler[0].starts_with("Not able to write to file"));
        fenster.reset();
        std::filesystem::remove(plattform->einstellungsdatei);
    }

    void plausibilitaetNutzhoeheAusDatei() {
        // An effective depth that only a project file can bring.
        TKGeometrie& g = Akt().cGeometrie;
        g.TPlatteDicke = 200;
        g.TBetondeckungUnten = 30;
        g.TNutzhoehe = 180;
        fenster->Aktionen().berechnung->trigger();
        QCOMPARE(fenster->Hinweisbox().toPlainText(),
                 QStringLiteral("The thickness of the concrete slab to be connected is less than "
                                "the structural effective height!"));
        QVERIFY(!fenster->Hinweisbox().isHidden());
        QCOMPARE(int(Modell().TCalcFlag), 0);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        QCOMPARE(int(Akt().cErgebnisse.TBerechnet), 0);
    }

    void plausibilitaetDeckungssumme() {
        Eingabe("meditPlatteDicke", "200");
        Eingabe("meditBetondeckungOben", "170");
        Eingabe("meditBetondeckungUnten", "40");
        fenster->Aktionen().berechnung->trigger();
        QCOMPARE(fenster->Hinweisbox().toPlainText(),
                 QStringLiteral("The sum of the concrete cover is greater than the thickness of "
                                "the concrete slab to be connected!"));
        QVERIFY(!fenster->Hinweisbox().isHidden());
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        // Fixed: the next calculation hides the hints and shows results.
        Eingabe("meditBetondeckungOben", "30");
        fenster->Aktionen().berechnung->trigger();
        QVERIFY(fenster->Hinweisbox().isHidden());
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
    }

    void berechnungFuelltNeunzehnZeilen() {
        Eingabe("meditLinienlastLinks", "50");
        Klicke("tbBerechnung");
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        QCOMPARE(int(Akt().cErgebnisse.TBerechnet), 1);
        TErgebnisliste& liste = fenster->Ergebnisse();
        QCOMPARE(liste.topLevelItemCount(), 19);
        QCOMPARE(liste.topLevelItem(0)->text(0), QStringLiteral("VSK 1"));
        QCOMPARE(liste.topLevelItem(18)->text(0), QStringLiteral("VSKQ 10"));
        const int empfohlen = EmpfohlenerDorn(Akt());
        QCOMPARE(int(Akt().cErgebnisse.TAktDorn), empfohlen);
        QCOMPARE(liste.GewaehlteZeile(), empfohlen);
        QCOMPARE(int(Modell().AktDornDaten.Typ), empfohlen);
        const TKDornErgebnis& e = Akt().cErgebnisse.DornErgebnis(empfohlen);
        QTreeWidgetItem* zeile = liste.topLevelItem(empfohlen);
        QCOMPARE(zeile->text(3).toStdString(), FormatFest(e.TFRd(), 1, '.'));
        QCOMPARE(zeile->text(4).toStdString(), FormatFest(e.TEtaQ, 2, '.'));
        QCOMPARE(zeile->text(5), QString::number(Akt().cErgebnisse.TAnzDorn(empfohlen)));
        QCOMPARE(zeile->text(6), QStringLiteral("OK"));
        QVERIFY(liste.isVisible());
        // Another row makes that type the selected one.
        liste.setCurrentItem(liste.topLevelItem(3));
        QCOMPARE(int(Akt().cErgebnisse.TAktDorn), 3);
        QCOMPARE(int(Modell().AktDornDaten.Typ), 3);
        // Typing returns to input mode and hides the results.
        Tippe(Feld("meditPlatteDicke"), "4");
        QVERIFY(!liste.isVisible());
        QCOMPARE(int(Akt().cErgebnisse.TBerechnet), 0);
    }

    void ergebnislisteKopfUndStatussymbole() {
        TErgebnisliste& liste = fenster->Ergebnisse();
        QTreeWidgetItem* kopf = liste.headerItem();
        QCOMPARE(kopf->text(3), QStringLiteral("VRd")); // TFRd is the resistance, not Vsd
        QCOMPARE(kopf->text(4), QStringLiteral("Vsd/VRd"));
        for (int s = 0; s < liste.columnCount(); ++s) {
            QVERIFY2(!kopf->toolTip(s).isEmpty(), qPrintable(kopf->text(s)));
        }
        QVERIFY(kopf->toolTip(3).contains(QStringLiteral("[kN]")));
        // Every status code has an icon of its own; equal codes share it.
        fenster->SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
        for (int typ = 0; typ < 19; ++typ) {
            Akt().cErgebnisse.DornErgebnis(typ).TStatus = static_cast<std::uint16_t>(typ % 10);
        }
        fenster->FuelleErgebnisliste();
        const auto bild = [&liste](int typ) {
            return liste.topLevelItem(typ)->icon(0).pixmap(16, 16).toImage();
        };
        for (int a = 0; a < 10; ++a) {
            QVERIFY(!bild(a).isNull());
            QCOMPARE(bild(a + 10 < 19 ? a + 10 : a), bild(a));
            for (int b = a + 1; b < 10; ++b) {
                QVERIFY2(bild(a) != bild(b), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
            }
        }
    }

    void berechnungMeldetFeldOhneZahl() {
        TZahlenFeld* dicke = Feld("meditPlatteDicke");
        Eingabe("meditPlatteDicke", "abc");
        QCOMPARE(plattform->meldungen.size(), std::size_t(1));
        // Another window takes the focus, as the message box did: the field is not left
        // and so not checked again.
        QWidget anderes;
        anderes.show();
        anderes.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&anderes));
        for (QAction* befehl : {fenster->Aktionen().berechnung, fenster->Aktionen().vorschau}) {
            const std::size_t vorher = plattform->meldungen.size();
            befehl->trigger();
            QCOMPARE(plattform->meldungen.size(), vorher + 1);
            QCOMPARE(plattform->meldungen.back(), MeldungNurZahlen());
            QCOMPARE(fenster->focusWidget(), dicke);
            QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
            QVERIFY(!programm->EingabeOK);
        }
        anderes.close();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        // A value shown from the model is not checked again: the emptied joint length
        // stores 2, below the field's own bound, and the next refresh shows it.
        Tippe(dicke, "450");
        Eingabe("meditFugenlaenge", "");
        fenster->AktualisiereEingaben();
        QCOMPARE(Feld("meditFugenlaenge")->text(), QStringLiteral("2"));
        const std::size_t vorher = plattform->meldungen.size();
        fenster->Aktionen().berechnung->trigger();
        QCOMPARE(plattform->meldungen.size(), vorher);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
    }

    void abstandswarnungErscheintEinmal() {
        fenster->SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
        Akt().cErgebnisse.DornErgebnis(2).TAbstandMeldung = 1;
        fenster->FuelleErgebnisliste();
        fenster->Ergebnisse().WaehleZeile(2);
        fenster->Ergebnisse().WaehleZeile(5);
        fenster->Ergebnisse().WaehleZeile(2);
        QCOMPARE(plattform->meldungen,
                 std::vector<std::string>{"The maximum spacings of the dowels is larger than 5 * "
                                          "slab thickness. Please check dowel alignment!"});
    }

    void positionWechselZeigtGespeicherteErgebnisse() {
        Eingabe("meditLinienlastLinks", "50");
        fenster->Aktionen().berechnung->trigger();
        fenster->Aktionen().positionHinzufuegen->trigger(); // a copy, with its results
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        Eingabe("meditPlatteDicke", "300"); // position 2 back to input
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
        fenster->Positionswahl().setValue(1);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        QCOMPARE(fenster->Ergebnisse().topLevelItemCount(), 19);
        fenster->Positionswahl().setValue(2);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Eingabe));
    }

    void baumKlickFuehrtBefehlAus() {
        TEingabebaum& baum = fenster->Baum();
        QTreeWidgetItem* hinzu = baum.ProjektKnoten()->child(0);
        QCOMPARE(hinzu->text(0), QStringLiteral("Add Position"));
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {}, baum.visualItemRect(hinzu).center());
        QCOMPARE(Modell().TAnzAnwendung(), 2);
        QCOMPARE(Positionsknoten(), (QStringList{"1", "2"}));
        // A child of "Current Positions" selects that position.
        QTreeWidgetItem* erste = baum.AktuellePositionen()->child(0);
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {}, baum.visualItemRect(erste).center());
        QCOMPARE(int(Modell().TAktAnwendung), 1);
        QCOMPARE(fenster->Positionswahl().value(), 1);
        // A group node does nothing; "End program" closes after the question.
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {},
                          baum.visualItemRect(baum.FindeWurzel("File")).center());
        QVERIFY(plattform->fragen.empty());
        plattform->antworten = {Antwort::Abbrechen};
        QTreeWidgetItem* ende = baum.FindeWurzel("End program");
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {}, baum.visualItemRect(ende).center());
        QCOMPARE(plattform->fragen.size(), std::size_t(1));
        QVERIFY(fenster->isVisible());
    }

    void eingabebaumLaesstSichUmschalten() {
        QAction* schalter = fenster->Aktionen().eingabebaum;
        QWidget* navigation = fenster->findChild<QWidget*>("pnlNavigation");
        QVERIFY(navigation->isVisible());
        schalter->trigger();
        QVERIFY(!navigation->isVisible());
        QVERIFY(!schalter->isChecked());
        schalter->trigger();
        QVERIFY(navigation->isVisible());
        QVERIFY(schalter->isChecked());
    }

    void hinweisInDerStatusleiste() {
        QStatusTipEvent tip(QStringLiteral("Design the current position"));
        QApplication::sendEvent(fenster.get(), &tip);
        QCOMPARE(fenster->Statusfeld(0).text(), QStringLiteral("  Design the current position"));
    }

    void rueckkehrAusNichtmodalemFensterAktualisiert() {
        Akt().cGeometrie.TPlatteDicke = 333; // as a non-modal window might change it
        QWidget anderes;
        anderes.show();
        anderes.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&anderes));
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("333"));
    }

    // A FIFO in place of the settings file would block the start for ever: the program
    // says it cannot read the file, starts with the defaults, and leaves the FIFO alone.
    void einstellungenAlsFifoGebenMeldungUndVorgaben() {
        cleanup();
        plattform = std::make_unique<test::PlattformDouble>();
        verzeichnis = std::make_unique<test::TempDir>();
        plattform->einstellungsdatei = *verzeichnis / "VSK.INI";
        QCOMPARE(::mkfifo(plattform->einstellungsdatei.c_str(), 0644), 0);
        programm = std::make_unique<Programm>(*plattform);
        QCOMPARE(plattform->meldungen,
                 std::vector<std::string>{"The settings file " +
                                          plattform->einstellungsdatei.string() +
                                          " cannot be read. The program uses its default "
                                          "settings."});
        fenster = std::make_unique<TfrmHauptMaske>(*programm);
        QCOMPARE(Akt().TGammaMs, 1.05);
        QCOMPARE(Akt().cBelastungDesign.cPunktlast.Tgg(), 1.35);
        fenster->Freigeben();
        QCOMPARE(plattform->fehler,
                 std::vector<std::string>{"Not able to write to file " +
                                          plattform->einstellungsdatei.string()});
        QVERIFY(std::filesystem::is_fifo(plattform->einstellungsdatei));
        fenster.reset();
    }

    void meldungBeimStartOhneDatei() {
        cleanup();
        plattform = std::make_unique<test::PlattformDouble>();
        verzeichnis = std::make_unique<test::TempDir>();
        plattform->einstellungsdatei = *verzeichnis / "VSK.INI";
        programm = std::make_unique<Programm>(*plattform);
        const char* argv[] = {"vsk", "/no/such", "file.VSK"};
        programm->Kommandozeile = KommandozeilenDatei(3, argv);
        QCOMPARE(programm->Kommandozeile, std::string("/no/such file.VSK"));
        fenster = std::make_unique<TfrmHauptMaske>(*programm);
        fenster->show();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QCOMPARE(plattform->meldungen, std::vector<std::string>{"Cannot open file!"});
        QVERIFY(programm->ParameterGeladen);
        QWidget anderes;
        anderes.show();
        anderes.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&anderes));
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QCOMPARE(plattform->meldungen.size(), std::size_t(1));
        QCOMPARE(Modell().TAnzAnwendung(), 1);
    }

    void projektdateiVonDerKommandozeile() {
        // A project of two positions, saved and opened again at start-up.
        fenster->Aktionen().positionHinzufuegen->trigger();
        Eingabe("meditPlatteDicke", "280");
        Tippe(&fenster->EditBauvorhaben(), "Bridge A");
        const std::filesystem::path datei = *verzeichnis / "Bridge A.VSK";
        QVERIFY(SaveProjekt(Modell(), datei, *plattform));
        fenster->Freigeben();
        fenster.reset();
        programm = std::make_unique<Programm>(*plattform);
        programm->Kommandozeile = datei.string();
        fenster = std::make_unique<TfrmHauptMaske>(*programm);
        fenster->show();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QVERIFY(plattform->meldungen.empty());
        QCOMPARE(Modell().TAnzAnwendung(), 2);
        QCOMPARE(Positionsknoten(), (QStringList{"1", "2"}));
        QCOMPARE(fenster->Baum().ProjektKnoten()->text(0), QStringLiteral("Project: Bridge A"));
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: ") +
                                             QString::fromStdString(datei.string()));
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("280"));
        // After a change, Yes to the save question writes to the current file.
        Eingabe("meditPlatteDicke", "290");
        std::filesystem::remove(datei);
        plattform->antworten = {Antwort::Ja};
        QVERIFY(fenster->close());
        QVERIFY(std::filesystem::exists(datei));
    }

    void unlesbareProjektdateiLaesstDasProjektStehen() {
        const std::filesystem::path datei = *verzeichnis / "kaputt.VSK";
        std::ofstream(datei) << "<not a project";
        Eingabe("meditPlatteDicke", "280");
        QVERIFY(!fenster->OeffneProjekt(QString::fromStdString(datei.string())));
        QVERIFY(!plattform->meldungen.empty());
        QCOMPARE(Modell().TAnzAnwendung(), 1);
        QCOMPARE(Feld("meditPlatteDicke")->text(), QStringLiteral("280"));
        QCOMPARE(fenster->windowTitle(),
                 QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: Unnamed *"));
    }

    void farbenWerdenBeimBeendenGeschrieben() {
        programm->Farben().Hintergrund = 0x00F0F0F0;
        fenster->Freigeben();
        Einstellungen e(plattform->einstellungsdatei, '.');
        QCOMPARE(e.ReadInteger("Farbeinstellung", "Hintergrund", 0), 0x00F0F0F0);
        QCOMPARE(e.ReadInteger("Farbeinstellung", "DornBrush", 0), 16776960);
    }

    void blaetternInDerVorschau() {
        fenster->SetAnzeigeModus(TfrmHauptMaske::Vorschau);
        QImage seite(300, 3000, QImage::Format_RGB32);
        seite.fill(Qt::white);
        TVorschau& v = fenster->VorschauBereich();
        v.SetzeSeite(TVorschau::Ergebnisseite, seite);
        v.setFocus();
        const int schritt = v.viewport()->height() / 3 * 2;
        QTest::keyClick(&v, Qt::Key_PageDown);
        QTest::keyClick(&v, Qt::Key_PageDown);
        QCOMPARE(v.verticalScrollBar()->value(), 2 * schritt);
        QTest::keyClick(&v, Qt::Key_PageUp);
        QCOMPARE(v.verticalScrollBar()->value(), schritt);
    }

    void loeschenMitSchreibfehlerLaesstPositionenStehen() {
        fenster->Aktionen().positionHinzufuegen->trigger();
        Eingabe("meditPlatteDicke", "222");
        fenster->Aktionen().positionHinzufuegen->trigger();
        Eingabe("meditPlatteDicke", "333");
        fenster->Positionswahl().setValue(2);
        std::filesystem::create_directory(plattform->einstellungsdatei);
        fenster->Aktionen().positionLoeschen->trigger();
        QCOMPARE(plattform->fehler.size(), std::size_t(1));
        QCOMPARE(Modell().TAnzAnwendung(), 3);
        QCOMPARE(Modell().Anwendung(2).cGeometrie.TPlatteDicke, 222.0);
        QCOMPARE(Modell().Anwendung(2).TPosition, std::string("2"));
        QCOMPARE(Modell().Anwendung(3).cGeometrie.TPlatteDicke, 333.0);
        std::filesystem::remove(plattform->einstellungsdatei);
    }

    // With VSK_BILDER set to a directory, saves pictures of the window for a look.
    void bildschirmfotosWerdenAufWunschGeschrieben() {
        const QByteArray ziel = qgetenv("VSK_BILDER");
        if (ziel.isEmpty()) {
            QSKIP("VSK_BILDER not set");
        }
        fenster->resize(792, 592);
        const std::array<const char*, 3> faelle{"tbEinzel", "tbReihePlatte", "tbReiheWand"};
        for (const char* fall : faelle) {
            Klicke(fall);
            QApplication::processEvents();
            fenster->grab().save(QString::fromLocal8Bit(ziel) + "/eingabe_" + fall + ".png");
        }
        Klicke("tbReihePlatte");
        Eingabe("meditLinienlastLinks", "50");
        Eingabe("meditLinienlastRechts", "80");
        fenster->Aktionen().berechnung->trigger();
        QTest::qWait(50);
        fenster->grab().save(QString::fromLocal8Bit(ziel) + "/uebersicht.png");
    }
};

QTEST_MAIN(HauptMaskeTest)
#include "HauptMaskeTest.moc"
