// The main window's file, preview and schedule commands, driven through their actions with
// scripted answers and file dialogs.

#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "model/ProjektSchreiben.h"
#include "model/Projektdatei.h"
#include "shell/ui/Programm.h"
#include "support/DialogDouble.h"
#include "support/Hauptfenster.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

using namespace vsk;

namespace {

const QString Titel = QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: ");
const std::string Frage = "Do you want to save current calculation?";

QString Q(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

} // namespace

class DateibefehleTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    const THauptAktionen& A() { return fenster->Aktionen(); }
    void Eingabe(const char* name, const QString& text) {
        TZahlenFeld* f = fenster->Panel().Feld(QString::fromLatin1(name));
        QVERIFY(f);
        f->setFocus(Qt::MouseFocusReason);
        f->selectAll();
        QTest::keyClicks(f, text);
        QTest::keyClick(f, Qt::Key_Tab);
    }
    void Projekttext(const QString& text) {
        fenster->EditBauvorhaben().setText(text);
        fenster->EditBauvorhaben().editingFinished();
    }
    double Dicke() { return programm->AktAnwendung().cGeometrie.TPlatteDicke; }

private slots:
    void init() { Aufbauen(); }
    void cleanup() { Abbauen(); }

    void neuFragtNurBeiUngespeichertenAenderungenUndAbbrechenHaeltAlles() {
        A().neu->trigger();
        QVERIFY(plattform->fragen.empty());

        Eingabe("meditPlatteDicke", "280");
        A().positionHinzufuegen->trigger();
        // Cancel in the question, and Yes with a cancelled save dialog, keep everything.
        plattform->antworten = {Antwort::Abbrechen, Antwort::Ja, Antwort::Ja};
        A().neu->trigger();
        A().oeffnen->trigger();
        QVERIFY(!fenster->close());
        QCOMPARE(dialoge->oeffnenAufrufe, 0);
        QCOMPARE(Modell().TAnzAnwendung(), 2);
        QCOMPARE(Modell().Anwendung(1).cGeometrie.TPlatteDicke, 280.0);
        QCOMPARE(fenster->windowTitle(), Titel + "Unnamed *");
        QVERIFY(fenster->isVisible());
        QCOMPARE(plattform->fragen.size(), std::size_t(3));

        plattform->antworten = {Antwort::Nein};
        A().neu->trigger();
        QCOMPARE(Modell().TAnzAnwendung(), 1);
        QCOMPARE(Dicke(), 450.0);
        QCOMPARE(fenster->windowTitle(), Titel + "Unnamed");
    }

    void speichernUndSpeichernUnterSchreibenDieDatei() {
        Projekttext(QStringLiteral("Bridge A"));
        Eingabe("meditPlatteDicke", "280");
        const QString erste = Q(*verzeichnis / "Bridge A.VSK");
        dialoge->speichern = erste;
        A().speichern->trigger(); // a new project: Save is Save As
        QCOMPARE(dialoge->vorschlaege, QStringList{"Bridge A.VSK"});
        QCOMPARE(fenster->windowTitle(), Titel + erste);
        QVERIFY(std::filesystem::exists(erste.toStdString()));

        const QString zweite = Q(*verzeichnis / "andere.VSK");
        dialoge->speichern = zweite;
        A().speichernUnter->trigger();
        QCOMPARE(fenster->windowTitle(), Titel + zweite);
        Eingabe("meditPlatteDicke", "300");
        A().speichern->trigger(); // no dialog any more, and to the new path
        QCOMPARE(dialoge->vorschlaege.size(), 2);
        TKModell gelesen(nullptr, "01.01.2026");
        QVERIFY(LoadProjekt(gelesen, zweite.toStdString(), *plattform));
        QCOMPARE(gelesen.AktuelleAnwendung().cGeometrie.TPlatteDicke, 300.0);
        TKModell alt(nullptr, "01.01.2026");
        QVERIFY(LoadProjekt(alt, erste.toStdString(), *plattform));
        QCOMPARE(alt.AktuelleAnwendung().cGeometrie.TPlatteDicke, 280.0);

        // Both are recent files, the last one first, in the menu and the settings file.
        QCOMPARE(fenster->Dateibefehle().Zuletzt(), (QStringList{zweite, erste}));
        Einstellungen e(plattform->einstellungsdatei, '.');
        QCOMPARE(e.ReadString("ZuletztGeoeffnet", "Datei1", ""), zweite.toStdString());
        QCOMPARE(e.ReadString("ZuletztGeoeffnet", "Datei2", ""), erste.toStdString());
        auto* eintrag = fenster->findChild<QAction*>(QStringLiteral("mnuZuletzt2"));
        QVERIFY(eintrag);
        plattform->antworten = {Antwort::Nein};
        eintrag->trigger();
        QCOMPARE(fenster->windowTitle(), Titel + erste);
        QCOMPARE(Dicke(), 280.0);
        QCOMPARE(fenster->Dateibefehle().Zuletzt().first(), erste);
    }

    void zuletztGeoeffneteSindHoechstensAcht() {
        for (int i = 0; i < 10; ++i) {
            dialoge->speichern = Q(*verzeichnis / ("p" + std::to_string(i) + ".VSK"));
            A().speichernUnter->trigger();
        }
        const QStringList liste = fenster->Dateibefehle().Zuletzt();
        QCOMPARE(liste.size(), 8);
        QCOMPARE(liste.first(), Q(*verzeichnis / "p9.VSK"));
        QCOMPARE(liste.last(), Q(*verzeichnis / "p2.VSK"));
    }

    void fehlgeschlagenesOeffnenLaesstDasProjektStehen() {
        const QString gut = Q(*verzeichnis / "gut.VSK");
        dialoge->speichern = gut;
        A().speichernUnter->trigger();
        Eingabe("meditPlatteDicke", "280");
        const std::filesystem::path kaputt = *verzeichnis / "kaputt.VSK";
        std::ofstream(kaputt) << "<not a project";
        dialoge->oeffnen = Q(kaputt);
        plattform->antworten = {Antwort::Nein};
        A().oeffnen->trigger();
        QCOMPARE(plattform->meldungen.back().substr(0, plattform->meldungen.back().find('\n')),
                 std::string("Error during opening the data file - unable to read project data"));
        QCOMPARE(Dicke(), 280.0);
        QCOMPARE(fenster->windowTitle(), Titel + gut + " *");
        QCOMPARE(fenster->Dateiname(), gut);
        QVERIFY(!fenster->Dateibefehle().Zuletzt().contains(Q(kaputt)));

        // A name relative to the working directory (the command line) is kept absolute, as
        // the recovery copy names it for a later run started elsewhere.
        const QString arbeit = QDir::currentPath();
        QDir::setCurrent(Q(verzeichnis->pfad()));
        const bool geoeffnet = fenster->OeffneProjekt(QStringLiteral("gut.VSK"));
        QDir::setCurrent(arbeit);
        QVERIFY(geoeffnet);
        QCOMPARE(fenster->Dateiname(), gut);
    }

    void nichtSchreibbaresZielVerliertNichts() {
        const QString gut = Q(*verzeichnis / "gut.VSK");
        dialoge->speichern = gut;
        A().speichern->trigger();
        const auto vorher = std::filesystem::file_size(gut.toStdString());
        Eingabe("meditPlatteDicke", "280");
        // A path in a directory that does not exist, then a file without write bits.
        dialoge->speichern = Q(*verzeichnis / "fehlt" / "x.VSK");
        A().speichernUnter->trigger();
        std::filesystem::permissions(gut.toStdString(), std::filesystem::perms::owner_read);
        A().speichern->trigger();
        QCOMPARE(int(plattform->meldungen.size() + plattform->fehler.size()), 2);
        QCOMPARE(fenster->windowTitle(), Titel + gut + " *"); // still unsaved
        QCOMPARE(std::filesystem::file_size(gut.toStdString()), vorher);
        QCOMPARE(Dicke(), 280.0);
        std::filesystem::permissions(gut.toStdString(), std::filesystem::perms::owner_all);
    }

    void vorschauRechnetNurAusserhalbDerUebersicht() {
        Eingabe("meditLinienlastLinks", "50");
        // From input mode the position is designed.
        programm->AktAnwendung().cErgebnisse.DornErgebnis(0).TEtaQ = 99;
        A().vorschau->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Vorschau));
        QVERIFY(programm->AktAnwendung().cErgebnisse.DornErgebnis(0).TEtaQ != 99);
        TVorschau& v = fenster->VorschauBereich();
        QVERIFY(v.isVisible());
        QVERIFY(v.SeitenBild(TVorschau::Ergebnisseite)->isVisibleTo(&v));
        QVERIFY(v.SeitenBild(TVorschau::Skizzenseite)->isVisibleTo(&v));
        QVERIFY(A().systemeingabe->isEnabled());
        // From the overview it is not.
        A().systemeingabe->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        programm->AktAnwendung().cErgebnisse.DornErgebnis(0).TEtaQ = 99;
        A().vorschau->trigger();
        QCOMPARE(programm->AktAnwendung().cErgebnisse.DornErgebnis(0).TEtaQ, 99.0);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Vorschau));
    }

    void stuecklisteHinzufuegenNimmtDiePositionAuf() {
        QVERIFY(!A().stuecklisteHinzufuegen->isEnabled()); // input mode
        Eingabe("meditLinienlastLinks", "50");
        A().berechnung->trigger();
        QVERIFY(A().stuecklisteHinzufuegen->isEnabled());
        A().stuecklisteHinzufuegen->trigger();
        QCOMPARE(Modell().Stueckliste.EintragCount(), 1);
        // The status bar says what was added.
        const auto& e = Modell().Stueckliste.GetEintrag(1);
        QCOMPARE(fenster->Statusfeld(0).text(),
                 QStringLiteral("  Connector schedule entry 1 added: position 1, %1 x %2")
                     .arg(QString::fromStdString(e[StuecklisteSpalte::AnzahlDorne]),
                          QString::fromStdString(e[StuecklisteSpalte::Bezeichnung])));
    }

    void berichtAlsPdfWirdGeschrieben() {
        QVERIFY(!A().pdfExport->isEnabled()); // only with results
        Projekttext(QStringLiteral("Bridge A"));
        Eingabe("meditLinienlastLinks", "50");
        A().berechnung->trigger();
        const std::filesystem::path datei = *verzeichnis / "bericht.pdf";
        dialoge->pdf = Q(datei);
        A().pdfExport->trigger();
        QCOMPARE(dialoge->pdfVorschlaege, QStringList{"Bridge A.pdf"});
        std::ifstream pdf(datei, std::ios::binary);
        std::string kopf(5, '\0');
        pdf.read(kopf.data(), 5);
        QCOMPARE(kopf, std::string("%PDF-"));
        QVERIFY(plattform->fehler.empty());
    }

    void ifcModellDerBerechnetenPositionen() {
        QVERIFY(!A().ifcExport->isEnabled()); // only with results
        Projekttext(QStringLiteral("Bridge A"));
        Eingabe("meditLinienlastLinks", "50");
        A().berechnung->trigger();
        const std::filesystem::path datei = *verzeichnis / "modell.ifc";
        dialoge->ifc = Q(datei);
        A().ifcExport->trigger();
        QCOMPARE(dialoge->ifcVorschlaege, QStringList{"Bridge A.ifc"});
        QVERIFY(plattform->fragen.empty()); // no other position to ask about
        auto zaehle = [&](const std::string& typ) {
            std::ifstream ein(datei);
            std::string zeile;
            int n = 0;
            while (std::getline(ein, zeile)) {
                n += zeile.find("=" + typ + "(") != std::string::npos ? 1 : 0;
            }
            return n;
        };
        const TKErgebnisse& e = programm->AktAnwendung().cErgebnisse;
        QCOMPARE(zaehle("IFCMECHANICALFASTENER"), int(e.TAnzDorn(e.TAktDorn)));

        // A second calculated position: the question decides, Cancel writes nothing.
        A().positionHinzufuegen->trigger();
        A().berechnung->trigger();
        plattform->antworten = {Antwort::Ja, Antwort::Abbrechen};
        A().ifcExport->trigger();
        QCOMPARE(plattform->fragen.size(), std::size_t(1));
        QCOMPARE(zaehle("IFCELEMENTASSEMBLY"), 2);
        A().ifcExport->trigger();
        QCOMPARE(dialoge->ifcVorschlaege.size(), 2);
        QVERIFY(plattform->fehler.empty());
    }

    // The project report is made from a copy: the window's project, its position and its
    // mode stay as they were. The tree leaf runs the same command.
    void projektberichtLaesstDasProjektUnveraendert() {
        Projekttext(QStringLiteral("Bridge A"));
        Eingabe("meditLinienlastLinks", "50");
        A().berechnung->trigger();
        A().positionHinzufuegen->trigger();
        Eingabe("meditPlatteDicke", "300"); // position 2 in input mode, not calculated
        const auto Gespeichert = [this] {
            return xml::Schreibe(BaueProjektDokument(Modell(), "x.VSK", '.').get());
        };
        const std::optional<std::string> vorher = Gespeichert();
        const int modus = fenster->AnzeigeModus();

        const std::filesystem::path datei = *verzeichnis / "projekt.pdf";
        dialoge->pdf = Q(datei);
        A().projektbericht->trigger();
        QCOMPARE(dialoge->pdfVorschlaege, QStringList{"Bridge A - report.pdf"});
        QVERIFY(std::filesystem::file_size(datei) > 0);
        QVERIFY(Gespeichert() == vorher);
        QCOMPARE(fenster->AnzeigeModus(), modus);
        QCOMPARE(int(Modell().TAktAnwendung), 2);
        QVERIFY(plattform->meldungen.empty() && plattform->fehler.empty());

        std::filesystem::remove(datei);
        QTreeWidgetItem* dateiKnoten = fenster->Baum().FindeWurzel("File");
        QTreeWidgetItem* blatt = nullptr;
        for (int i = 0; i < dateiKnoten->childCount(); ++i) {
            if (dateiKnoten->child(i)->text(0) ==
                TEingabebaum::Text(TEingabebaum::Knoten::Projektbericht)) {
                blatt = dateiKnoten->child(i);
            }
        }
        QVERIFY(blatt);
        emit fenster->Baum().itemPressed(blatt, 0);
        QVERIFY(std::filesystem::exists(datei));
    }

    // A long export (some 800 pages, seconds) shows its progress; Cancel ends it without
    // touching the file there.
    void projektberichtAbbrechenLaesstDieDateiStehen() {
        QVERIFY(fenster->OeffneProjekt(VSK_TEST_DATA "/reports/bericht.VSK"));
        TKModell& m = Modell();
        const int n = m.TAnzAnwendung();
        m.SetAnzAnwendung(300);
        for (int k = n + 1; k <= 300; ++k) {
            QVERIFY(m.CopyAnwendung(1 + k % n, k));
        }
        const std::filesystem::path datei = *verzeichnis / "alt.pdf";
        std::ofstream(datei) << "alt";
        dialoge->pdf = Q(datei);
        bool gezeigt = false;
        QTimer abbrecher;
        connect(&abbrecher, &QTimer::timeout, this, [&] {
            auto* balken = fenster->findChild<QProgressDialog*>();
            if (balken && balken->isVisible() && !gezeigt) {
                gezeigt = true;
                balken->cancel();
            }
        });
        abbrecher.start(20);
        A().projektbericht->trigger();
        QVERIFY(gezeigt);
        std::ifstream gelesen(datei);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(gelesen), {}), std::string("alt"));
        QVERIFY(plattform->meldungen.empty() && plattform->fehler.empty());
    }

    // With VSK_BILDER set to a directory, saves pictures of the preview and the File menu.
    void bildschirmfotosWerdenAufWunschGeschrieben() {
        const QByteArray ziel = qgetenv("VSK_BILDER");
        if (ziel.isEmpty()) {
            QSKIP("VSK_BILDER not set");
        }
        for (int i = 0; i < 3; ++i) {
            dialoge->speichern = Q(*verzeichnis / ("Projekt " + std::to_string(i) + ".VSK"));
            A().speichernUnter->trigger();
        }
        fenster->resize(900, 700);
        Eingabe("meditLinienlastLinks", "50");
        A().vorschau->trigger();
        QTest::qWait(50);
        fenster->grab().save(QString::fromLocal8Bit(ziel) + "/vorschau.png");
        QMenu* datei = fenster->menuBar()->actions().first()->menu();
        datei->popup(fenster->mapToGlobal(QPoint(0, 0)));
        QTest::qWait(50);
        datei->grab().save(QString::fromLocal8Bit(ziel) + "/dateimenue.png");
        datei->hide();
    }
};

QTEST_MAIN(DateibefehleTest)
#include "DateibefehleTest.moc"
