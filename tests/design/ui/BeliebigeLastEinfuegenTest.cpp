// Load points pasted, imported, copied and exported in the arbitrary-load window, with texts
// as spreadsheets and FE programs write them.

#include "design/ui/BeliebigeLastFenster.h"
#include "model/Modell.h"
#include "sketches/Farbschema.h"
#include "support/BeliebigeLast.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>
#include <QTest>

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace vsk::test {

class BeliebigeLastEinfuegenTest final : public QObject {
    Q_OBJECT
private slots:
    void EingefuegteTexteGebenDiePunkte();
    void FalscheZeileLaesstTabelleUndPunkte();
    void ErsetzenNurNachJa();
    void KopierenUndExportierenLesenSichZurueck();
    void MenueUndTastenkuerzel();
};

namespace {

using Paare = std::vector<std::pair<double, double>>;

// A slab-to-slab row with a 3000 mm joint and the points (0, 5), (3000, 5).
struct Umgebung {
    PlattformDouble plattform;
    TKFarbe farben;
    TKModell modell;
    TfrmbeliebigeLast fenster{plattform, farben};

    explicit Umgebung(char trenner = '.') {
        plattform.trenner = trenner;
        SetzeBeliebigeLast(modell, 3000, {{0, 5}, {3000, 5}});
        fenster.Aktivieren(modell);
    }
    TKBelastung& Last() { return modell.AktuelleAnwendung().cBelastungDesign; }
    Paare Punkte() {
        Paare paare;
        for (const TPunkt& p : Last().Punkte()) {
            paare.emplace_back(p.x, p.y);
        }
        return paare;
    }
    void Einfuegen(const char* text) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
        fenster.PunkteEinfuegen();
    }
};

} // namespace

void BeliebigeLastEinfuegenTest::EingefuegteTexteGebenDiePunkte() {
    const Paare soll{{0, 58}, {26, 100.1}, {1500, 80}, {3000, 0}};
    const char* texte[] = {
        // A spreadsheet copied to the clipboard: tab-separated, a header, CR LF.
        "x [mm]\tq [kN/m]\r\n0\t58\r\n26\t100.1\r\n1500\t80\r\n3000\t0\r\n",
        // An FE program's result table: blanks, no header, an empty line.
        "      0.000     58.000\n     26.000    100.100\n\n   1500.0  80\n   3000   0\n",
        // A German-locale spreadsheet saved as CSV: byte order mark, semicolons, decimal
        // commas, x in metres, empty trailing columns.
        "\xEF\xBB\xBFx (m);q (kN/m);\n0;58;\n0,026;100,1;\n1,5;80;\n3;0;\n",
    };
    for (const char* text : texte) {
        Umgebung u;
        u.Einfuegen(text);
        QVERIFY2(u.plattform.meldungen.empty(), text);
        QCOMPARE(u.Punkte(), soll);
        QCOMPARE(u.fenster.Datenzeilen(), 4);
        // The table shows the points in the user's format, as typed ones would be.
        QCOMPARE(u.fenster.ZellText(1, 0), QStringLiteral("26"));
        QCOMPARE(u.fenster.ZellText(1, 1), QStringLiteral("100.1"));
        QCOMPARE(u.Last().Resultierende(),
                 (26 * (58 + 100.1) + 1474 * 180.1 + 1500 * 80) / 2 / 1000);
    }
    // With a decimal comma the table shows commas.
    Umgebung komma(',');
    komma.Einfuegen("0;1,5\n3000;2\n");
    QCOMPARE(komma.fenster.ZellText(0, 1), QStringLiteral("1,5"));
}

void BeliebigeLastEinfuegenTest::FalscheZeileLaesstTabelleUndPunkte() {
    struct Fall {
        const char* text;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"x\tq\n0\t1\n10\t1O\n", "Line 3: Error during Input: Only numbers allowed!"},
        {"0;1\n3001;1\n", "Line 2: Input value is greater than allowed!"},
        {"x [m];q\n0;1\n1;-2\n", "Line 3: Input value is smaller than allowed!"},
        {"0 1 2\n", "Line 1: Two values are expected: x and q."},
    };
    for (const Fall& f : faelle) {
        Umgebung u;
        u.plattform.antworten = {Antwort::Ja};
        u.Einfuegen(f.text);
        QCOMPARE(u.plattform.meldungen.size(), std::size_t{1});
        QVERIFY2(u.plattform.meldungen[0].rfind(f.meldung, 0) == 0,
                 u.plattform.meldungen[0].c_str());
        QVERIFY(u.plattform.fragen.empty()); // refused before anything is asked
        QCOMPARE(u.Punkte(), (Paare{{0, 5}, {3000, 5}}));
        QCOMPARE(u.fenster.Datenzeilen(), 2);
        QCOMPARE(u.fenster.ZellText(1, 0), QStringLiteral("3000"));
    }
}

void BeliebigeLastEinfuegenTest::ErsetzenNurNachJa() {
    Umgebung u;
    u.plattform.antworten = {Antwort::Nein};
    u.Einfuegen("0\t7\n100\t8\n");
    QCOMPARE(u.plattform.fragen.size(), std::size_t{1});
    QCOMPARE(u.plattform.fragen[0],
             std::string("The table already holds load points.\n\nShould they be replaced?"));
    QCOMPARE(u.Punkte(), (Paare{{0, 5}, {3000, 5}}));

    // An empty table is filled without a question.
    Umgebung leer;
    leer.Last().ClearPunkte();
    leer.fenster.Aktivieren(leer.modell);
    leer.Einfuegen("0\t7\n100\t8\n");
    QVERIFY(leer.plattform.fragen.empty());
    QCOMPARE(leer.Punkte(), (Paare{{0, 7}, {100, 8}}));
}

void BeliebigeLastEinfuegenTest::KopierenUndExportierenLesenSichZurueck() {
    TempDir dir;
    Umgebung u(',');
    u.Einfuegen("0;12,5\n1234,5;0,25\n3000;0\n");
    u.fenster.PunkteKopieren();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("x [mm]\tq [kN/m]\n0\t12,5\n1234,5\t0,25\n3000\t0\n"));

    // Export through the one writer: a name without an extension gets ".txt".
    u.fenster.dateiwahl.speichern = [&](QWidget*) {
        return QString::fromStdString((dir / "punkte").string());
    };
    u.fenster.PunkteExportieren();
    QVERIFY(u.plattform.meldungen.empty());
    std::ifstream datei(dir / "punkte.txt", std::ios::binary);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    QCOMPARE(QString::fromStdString(inhalt.str()), QGuiApplication::clipboard()->text());

    // Import into another position: the same points; a cancelled dialog changes nothing.
    Umgebung v;
    v.fenster.dateiwahl.oeffnen = [](QWidget*) { return QString(); };
    v.fenster.PunkteImportieren();
    QCOMPARE(v.Punkte(), (Paare{{0, 5}, {3000, 5}}));
    v.fenster.dateiwahl.oeffnen = [&](QWidget*) {
        return QString::fromStdString((dir / "punkte.txt").string());
    };
    v.fenster.PunkteImportieren();
    QCOMPARE(v.Punkte(), (Paare{{0, 12.5}, {1234.5, 0.25}, {3000, 0}}));

    // A file that cannot be read is named in the message, the points stay.
    v.fenster.dateiwahl.oeffnen = [&](QWidget*) {
        return QString::fromStdString((dir / "fehlt.txt").string());
    };
    v.fenster.PunkteImportieren();
    QCOMPARE(v.plattform.meldungen.size(), std::size_t{1});
    QVERIFY(v.plattform.meldungen[0].rfind("Cannot open file!", 0) == 0);
    QCOMPARE(v.fenster.Datenzeilen(), 3);
}

void BeliebigeLastEinfuegenTest::MenueUndTastenkuerzel() {
    Umgebung u;
    QStringList eintraege;
    for (const QAction* a : u.fenster.sgPunkte->actions()) {
        eintraege << a->text();
    }
    QCOMPARE(eintraege, (QStringList{"&Paste points", "&Copy points", "&Import points from file...",
                                     "&Export points to file..."}));
    QCOMPARE(u.fenster.sgPunkte->contextMenuPolicy(), Qt::ActionsContextMenu);

    // Ctrl+V in the table pastes, Ctrl+C copies.
    u.fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
    u.fenster.sgPunkte->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("0\t9\n3000\t9\n"));
    QTest::keyClick(u.fenster.sgPunkte, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(u.Punkte(), (Paare{{0, 9}, {3000, 9}}));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(u.fenster.sgPunkte, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("x [mm]\tq [kN/m]\n0\t9\n3000\t9\n"));
    u.fenster.hide();
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::BeliebigeLastEinfuegenTest)
#include "BeliebigeLastEinfuegenTest.moc"
