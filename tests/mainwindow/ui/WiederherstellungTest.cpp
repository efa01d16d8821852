// Recovery copies in the main window: a copy only while there are unsaved changes, and at
// the start the question about a copy left behind, before the command-line file.

#include "mainwindow/ui/Wiederherstellung.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "model/Projektdatei.h"
#include "model/Sicherung.h"
#include "support/Dateiinhalt.h"
#include "support/Ereignisse.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QTest>

using namespace vsk;

namespace fs = std::filesystem;

class WiederherstellungTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    fs::path Ordner() const { return *verzeichnis / "state"; }
    void Vorbereiten() {
        Hauptfenster::Vorbereiten();
        plattform->sicherungsordner = Ordner();
    }
    // The recovery copies in the folder.
    std::vector<fs::path> Kopien() const {
        std::vector<fs::path> kopien;
        std::error_code fehler;
        for (const auto& e : fs::directory_iterator(Ordner(), fehler)) {
            if (e.path().extension() == ".VSK") {
                kopien.push_back(e.path());
            }
        }
        return kopien;
    }
    void Dicke(const char* text) {
        TZahlenFeld* feld = fenster->Panel().Feld(QStringLiteral("meditPlatteDicke"));
        feld->setText(QString::fromLatin1(text));
        test::VerlasseFeld(feld);
    }

private slots:
    void cleanup() { Abbauen(); }

    void eineKopieNurMitUngespeichertenAenderungen() {
        Vorbereiten();
        Starten();
        TWiederherstellung& w = fenster->Wiederherstellung();
        QCOMPARE(w.Abstand(), 60);
        w.Sichern();
        QVERIFY(Kopien().empty());
        Dicke("280");
        w.Sichern();
        QCOMPARE(Kopien().size(), std::size_t(1));
        QVERIFY(test::Lies(Kopien()[0]).find(">280<") != std::string::npos);

        dialoge->speichern = QString::fromStdString((*verzeichnis / "p.VSK").string());
        fenster->Aktionen().speichern->trigger();
        QVERIFY(Kopien().empty()); // saved
        Dicke("300");
        w.Sichern();
        QCOMPARE(Kopien().size(), std::size_t(1));
        fenster->Aktionen().rueckgaengig->trigger(); // back to the saved state
        QVERIFY(Kopien().empty());
        Dicke("310");
        w.Sichern();
        fenster->Freigeben();
        fenster.reset(); // the program ends cleanly
        QVERIFY(Kopien().empty());
    }

    void zuerstDieFrageDannDieDateiDerKommandozeile() {
        Vorbereiten();
        // What a run that was killed left: unsaved changes of a.VSK.
        TKModell verloren;
        verloren.AktuelleAnwendung().cGeometrie.TPlatteDicke = 333;
        const fs::path a = *verzeichnis / "a.VSK";
        Sicherung(Ordner()).Schreibe(verloren, a.string(), 1700000000, '.');
        const fs::path b = *verzeichnis / "b.VSK";
        TKModell anderes;
        QVERIFY(SaveProjekt(anderes, b, *plattform));

        // Yes restores; the command line's other file then waits for the save question.
        plattform->antworten = {Antwort::Ja, Antwort::Abbrechen};
        programm = std::make_unique<Programm>(*plattform);
        programm->Kommandozeile = b.string();
        fenster = std::make_unique<TfrmHauptMaske>(*programm);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        QTRY_COMPARE(plattform->fragen.size(), std::size_t(2));
        QVERIFY(plattform->fragen[0].find(a.string()) != std::string::npos);
        QCOMPARE(plattform->fragen[1], std::string("Do you want to save current calculation?"));
        QCOMPARE(Modell().AktuelleAnwendung().cGeometrie.TPlatteDicke, 333.0);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: ") +
                                             QString::fromStdString(a.string()) + " *");
    }
};

QTEST_MAIN(WiederherstellungTest)
#include "WiederherstellungTest.moc"
