// A project shows after Open exactly what it showed when it was saved, and a file that
// cannot be read leaves the open project as it was.

#include "design/ui/BST500.h"
#include "design/ui/BewehrungFenster.h"
#include "design/ui/UpDown.h"
#include "dxf/BewehrungsZeichnung.h"
#include "dxf/DXF_Writer.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Ergebnisliste.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "reports/Druckablauf.h"
#include "reports/Seitenziele.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidgetItem>
#include <fstream>
#include <sstream>

using namespace vsk;

namespace {

const std::filesystem::path kQuelle =
    std::filesystem::path(VSK_TEST_DATA).parent_path().parent_path();

// What the user sees of the current position and what the exports make of it.
struct Abbild {
    int typ = -1;
    int zeile = -1;
    QStringList liste;
    std::vector<std::string> bericht;
    std::string dxf;
    std::vector<QImage> skizzen;
};

std::vector<std::filesystem::path> Projektdateien() {
    std::vector<std::filesystem::path> dateien;
    for (const auto& ordner : {kQuelle / "tests" / "data" / "design", kQuelle / "examples"}) {
        for (const auto& e : std::filesystem::directory_iterator(ordner)) {
            if (e.path().extension() == ".VSK") {
                dateien.push_back(e.path());
            }
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

} // namespace

class WiederOeffnenTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    const THauptAktionen& A() { return fenster->Aktionen(); }
    TKAnwendung& Akt() { return programm->AktAnwendung(); }

    Abbild Erfasse() {
        Abbild a;
        a.typ = Akt().cErgebnisse.TAktDorn;
        TErgebnisliste& liste = fenster->Ergebnisse();
        a.zeile = liste.GewaehlteZeile();
        for (int i = 0; i < liste.topLevelItemCount(); ++i) {
            for (int s = 0; s < liste.columnCount(); ++s) {
                a.liste << liste.topLevelItem(i)->text(s);
            }
        }
        test::TestDrucker drucker;
        Berichtskontext k(programm->AktModell(), programm->Texte, "09.12.2026", '.');
        BerichtDrucken(drucker, k);
        for (const Aufgezeichnet& op : drucker.canvas.Nur(Operation::TextOut)) {
            a.bericht.push_back(op.text);
        }
        DXF_Object zeichnung;
        ZeichneBewehrung(zeichnung, BewehrungsAngabenVon(Akt()), '.');
        std::ostringstream dxf;
        SchreibeDxf(zeichnung, dxf);
        a.dxf = dxf.str();
        TKModell& m = programm->AktModell();
        const auto vorher = m.TSkizzeAnzeige;
        for (int art = 0; art <= 3; ++art) {
            m.TSkizzeAnzeige = static_cast<std::uint8_t>(art);
            fenster->ZeichneSkizze();
            a.skizzen.push_back(fenster->Skizze().Bitmap().copy());
        }
        m.TSkizzeAnzeige = vorher;
        fenster->ZeichneSkizze();
        return a;
    }

    static void Vergleiche(const Abbild& ist, const Abbild& soll, const std::string& was) {
        QVERIFY2(ist.typ == soll.typ, was.c_str());
        QVERIFY2(ist.zeile == soll.typ, was.c_str());
        QVERIFY2(ist.liste == soll.liste, was.c_str());
        QVERIFY2(ist.bericht == soll.bericht, was.c_str());
        QVERIFY2(ist.dxf == soll.dxf, was.c_str());
        for (std::size_t i = 0; i < soll.skizzen.size(); ++i) {
            QVERIFY2(ist.skizzen[i] == soll.skizzen[i],
                     (was + " sketch " + std::to_string(i)).c_str());
        }
    }

    // Saves, opens the file again and checks that everything shown is as before.
    void SpeichernUndOeffnen(const std::string& was) {
        const Abbild vorher = Erfasse();
        const QString datei = QString::fromStdString((*verzeichnis / "wieder.VSK").string());
        dialoge->speichern = datei;
        A().speichernUnter->trigger();
        QCOMPARE(fenster->Dateiname(), datei);
        QVERIFY(fenster->OeffneProjekt(datei));
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        Vergleiche(Erfasse(), vorher, was);
    }

    // Another usable type than the recommended one, if there is one.
    int AndererTyp() {
        const TKErgebnisse& e = Akt().cErgebnisse;
        for (int typ = AnzDornTypen - 1; typ >= 0; --typ) {
            if (typ != e.TAktDorn && e.DornErgebnis(typ).TStatus == 0) {
                return typ;
            }
        }
        return (e.TAktDorn + 1) % AnzDornTypen;
    }

private slots:
    void init() { Aufbauen(); }
    void cleanup() { Abbauen(); }

    void jedesProjektZeigtNachDemOeffnenWasEsVorDemSpeichernZeigte() {
        for (const auto& pfad : Projektdateien()) {
            const std::string name = pfad.filename().string();
            QVERIFY2(fenster->OeffneProjekt(QString::fromStdString(pfad.string())), name.c_str());
            A().berechnung->trigger();
            if (fenster->AnzeigeModus() != TfrmHauptMaske::Uebersicht) {
                continue; // the plausibility check refused it
            }
            fenster->Ergebnisse().WaehleZeile(AndererTyp()); // the engineer's own choice
            SpeichernUndOeffnen(name);

            // A reinforcement fitted by hand in the reinforcement window.
            bool gesehen = false;
            QTimer::singleShot(0, [&] {
                if (auto* f = qobject_cast<TfrmBewehrung*>(QApplication::activeModalWidget())) {
                    gesehen = true;
                    f->udAnzB->Schritt(true);
                    f->udDurchmD->Schritt(true);
                    f->BitBtnOK->click();
                }
            });
            fenster->findChild<QAction*>(QStringLiteral("tbBewehrung"))->trigger();
            QVERIFY2(gesehen, name.c_str());
            SpeichernUndOeffnen(name + " fitted by hand");
        }
    }

    void wechselnUndLoeschenBehaltenDieGewaehltenTypen() {
        QVERIFY(fenster->OeffneProjekt(
            QString::fromStdString((kQuelle / "examples" / "multi.VSK").string())));
        QSpinBox& wahl = fenster->Positionswahl();
        wahl.setValue(1);
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        const int typ = AndererTyp();
        fenster->Ergebnisse().WaehleZeile(typ);
        const Abbild vorher = Erfasse();
        wahl.setValue(2);
        wahl.setValue(1);
        Vergleiche(Erfasse(), vorher, "position switch");
        wahl.setValue(3);
        A().positionLoeschen->trigger(); // the last position stays current: number 2
        wahl.setValue(1);
        Vergleiche(Erfasse(), vorher, "after Delete");
    }

    void fehlgeschlageneOeffnenLassenDasOffeneProjektStehen() {
        const QString gut = QString::fromStdString((kQuelle / "examples" / "row.VSK").string());
        QVERIFY(fenster->OeffneProjekt(gut));
        const Abbild vorher = Erfasse();
        const std::string gross = std::string(300, 'x');
        const std::pair<std::string, std::string> faelle[] = {
            {"text.VSK", "just text"},
            {"fremd.VSK", "<a><b/><Program Name=\"Other\"/></a>"},
            {"ohne_projekt.VSK", "<a><b/><Program Name=\"Tervo - VSK / VSKQ Shear Connector\" "
                                 "Version=\"VSK - 2.0\"/></a>"},
            {"grenze.VSK", "<a><" + gross + "/></a>"},
        };
        for (const auto& [name, inhalt] : faelle) {
            std::ofstream(*verzeichnis / name) << inhalt;
            plattform->meldungen.clear();
            QVERIFY(
                !fenster->OeffneProjekt(QString::fromStdString((*verzeichnis / name).string())));
            QVERIFY2(!plattform->meldungen.empty(), name.c_str());
            const std::string& letzte = plattform->meldungen.back();
            QVERIFY2(letzte.rfind("Error during opening the data file - unable to read project "
                                  "data\n",
                                  0) == 0,
                     letzte.c_str());
            QCOMPARE(fenster->Dateiname(), gut);
            Vergleiche(Erfasse(), vorher, name);
        }
        // Damaged groups inside a real project: each names its place.
        std::ifstream quelle(gut.toStdString());
        const std::string echt((std::istreambuf_iterator<char>(quelle)),
                               std::istreambuf_iterator<char>());
        const auto ersetzt = [&](const std::string& alt, const std::string& neu) {
            std::string t = echt;
            return t.replace(t.find(alt), alt.size(), neu);
        };
        const std::pair<std::string, std::string> gruppen[] = {
            {ersetzt("<TWandDicke>400</TWandDicke>", ""),
             "\"Projekt/EingabeGeometrie/TWandDicke\" is missing"},
            {ersetzt("<TPlatteDicke>", "<TPlatteDicke>x"),
             "\"Projekt/EingabeGeometrie/TPlatteDicke\" in line"},
            {ersetzt("<TAnzAnwendung>1<", "<TAnzAnwendung>2<"),
             "\"Projekt/Position_2\" is missing"},
        };
        for (const auto& [text, stelle] : gruppen) {
            std::ofstream(*verzeichnis / "kaputt.VSK") << text;
            QVERIFY(!fenster->OeffneProjekt(
                QString::fromStdString((*verzeichnis / "kaputt.VSK").string())));
            QVERIFY2(plattform->meldungen.back().find(stelle) != std::string::npos,
                     plattform->meldungen.back().c_str());
            QCOMPARE(fenster->Dateiname(), gut);
            Vergleiche(Erfasse(), vorher, stelle);
        }
    }
};

QTEST_MAIN(WiederOeffnenTest)
#include "WiederOeffnenTest.moc"
