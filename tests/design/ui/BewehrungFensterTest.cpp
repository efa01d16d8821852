#include "design/ui/BewehrungFenster.h"
#include "design/Bemessung.h"
#include "design/ui/BST500.h"
#include "model/Anwendung.h"
#include "support/PlattformDouble.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace vsk::test {

class BewehrungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void AktivierenZeigtDenSatzDesTyps();
    void SchrittPrueftNachUndMeldet();
    void GrosserTypZaehltBInZweierschritten();
    void DurchmesserStopptAnBeidenEnden();
    void AbbrechenStelltSatzGenauWiederHer();
    void SchliessenWirktWieAbbrechen();
    void OkBehaeltStaebe();
};

namespace {

// A designed slab-to-slab row, 300 mm slab, 5 m joint, 60 kN/m.
struct Umgebung {
    PlattformDouble plattform;
    TKAnwendung anwendung;
    TfrmBewehrung fenster{plattform};

    explicit Umgebung(int typ) {
        anwendung.TAnwendungsfall = Anwendungsfall::ReihePlatte;
        anwendung.TMaxDornabstand = 0;
        anwendung.cGeometrie.TPlatteDicke = 300;
        anwendung.cGeometrie.TNutzhoehe = 260;
        anwendung.cGeometrie.TFugenlaenge = 5000;
        anwendung.cBelastungDesign.cLinienLastLinks.SetFdDirekt(60);
        anwendung.cBelastungDesign.cLinienLastRechts.SetFdDirekt(60);
        anwendung.cBelastungDesign.SetLastLaenge(5000);
        RunDesign(anwendung, plattform);
        anwendung.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(typ);
    }
    TKDornDaten& Daten() { return anwendung.cErgebnisse.AktDornDaten(); }
    TKDornErgebnis& Ergebnis() { return anwendung.cErgebnisse.AktDornErgebnis(); }
};

bool Gleich(const TKDornDaten& a, const TKDornDaten& b) {
    return a.Typ == b.Typ && a.MinDicke == b.MinDicke && a.BreiteBuegel == b.BreiteBuegel &&
           a.LaengeB == b.LaengeB && a.AnzLagen == b.AnzLagen && a.DurchmB == b.DurchmB &&
           a.DurchmD == b.DurchmD && a.AnzB == b.AnzB && a.AnzD == b.AnzD &&
           a.AbstandB == b.AbstandB && a.AbstandD == b.AbstandD;
}

bool Gleich(const TKDornErgebnis& a, const TKDornErgebnis& b) {
    return a.TAsxIst == b.TAsxIst && a.TAsyIst == b.TAsyIst && a.TAsxErf == b.TAsxErf &&
           a.TAsyErf == b.TAsyErf && a.Tbx == b.Tbx && a.Tby == b.Tby && a.TStatus == b.TStatus &&
           a.TFRd() == b.TFRd() && a.TFRdBewehrung() == b.TFRdBewehrung() &&
           a.TDornAnordnung == b.TDornAnordnung && a.TEtaQ == b.TEtaQ &&
           a.Fehler.Codes() == b.Fehler.Codes() && a.Warnungen.Codes() == b.Warnungen.Codes();
}

} // namespace

void BewehrungFensterTest::AktivierenZeigtDenSatzDesTyps() {
    Umgebung u(3);
    u.fenster.Aktivieren(u.anwendung);
    QCOMPARE(u.fenster.windowTitle(), QStringLiteral("Reinforcement"));
    QCOMPARE(u.fenster.lblUeberschrift->text(),
             QStringLiteral("Reinforcement to current connector: VSK 4"));
    QCOMPARE(u.fenster.edtAnzB->text(), QString::number(u.Daten().AnzB));
    QCOMPARE(u.fenster.edtAnzD->text(), QString::number(u.Daten().AnzD));
    QCOMPARE(u.fenster.edtDurchmB->text(), QString::number(u.Daten().DurchmB));
    QCOMPARE(u.fenster.edtDurchmD->text(), QString::number(u.Daten().DurchmD));
    QCOMPARE(u.fenster.udAnzB->Increment(), 1);
    QCOMPARE(u.fenster.udAnzD->Increment(), 2);
    QCOMPARE(u.fenster.udDurchmB->Werte(), (std::vector<int>{6, 8, 10, 12, 14, 16, 20, 25}));
    // The spacing limit is held at 1 while the window is open.
    QCOMPARE(int(u.anwendung.TMaxDornabstand), 1);
    QVERIFY(!u.fenster.imgZwischenergebnis->pixmap().isNull());
    QVERIFY(!u.fenster.imgDorn->pixmap().isNull());
    u.fenster.reject();
    QCOMPARE(int(u.anwendung.TMaxDornabstand), 0);
}

void BewehrungFensterTest::SchrittPrueftNachUndMeldet() {
    Umgebung u(3);
    u.fenster.Aktivieren(u.anwendung);
    QSignalSpy gemeldet(&u.fenster, &TfrmBewehrung::ergebnisseGeaendert);
    const double vorher = u.Ergebnis().TAsxIst;
    const int n = u.Daten().AnzB;
    u.fenster.udAnzB->Schritt(true);
    QCOMPARE(u.Daten().AnzB, n + 1);
    QCOMPARE(gemeldet.count(), 1);
    // The provided area follows the new count at once.
    QVERIFY(u.Ergebnis().TAsxIst > vorher);
    QCOMPARE(u.Ergebnis().TAsxIst, Stabflaeche(u.Daten().DurchmB) * (n + 1));
    QCOMPARE(u.Daten().LaengeB, TabelleB(3).sB0 + TabelleB(3).sB * static_cast<double>(n));
    const int d = u.Daten().AnzD;
    u.fenster.udAnzD->Schritt(true);
    QCOMPARE(u.Daten().AnzD, std::min(d + 2, 20));
    QCOMPARE(u.Ergebnis().TAsyIst, Stabflaeche(u.Daten().DurchmD) * u.Daten().AnzD);
    QCOMPARE(gemeldet.count(), d + 2 <= 20 ? 2 : 1);
    u.fenster.reject();
}

void BewehrungFensterTest::GrosserTypZaehltBInZweierschritten() {
    for (int typ : {8, 9, 17, 18}) {
        Umgebung u(typ);
        u.Daten().AnzB = 2;
        u.fenster.Aktivieren(u.anwendung);
        QCOMPARE(u.fenster.udAnzB->Increment(), 2);
        u.fenster.udAnzB->Schritt(true);
        QCOMPARE(u.Daten().AnzB, 4);
        u.fenster.udAnzB->Schritt(true);
        QCOMPARE(u.Daten().AnzB, 6);
        QCOMPARE(u.fenster.edtAnzB->text(), QStringLiteral("6"));
        u.fenster.reject();
    }
    QVERIFY(!TfrmBewehrung::IstGrosserTyp(7));
    QVERIFY(!TfrmBewehrung::IstGrosserTyp(16));
}

void BewehrungFensterTest::DurchmesserStopptAnBeidenEnden() {
    Umgebung u(5);
    u.fenster.Aktivieren(u.anwendung);
    QSignalSpy gemeldet(&u.fenster, &TfrmBewehrung::ergebnisseGeaendert);
    std::vector<int> folge;
    for (int i = 0; i < 10; ++i) {
        u.fenster.udDurchmD->Schritt(false);
    }
    QCOMPARE(u.Daten().DurchmD, 6);
    for (int i = 0; i < 10; ++i) {
        u.fenster.udDurchmD->Schritt(true);
        folge.push_back(u.Daten().DurchmD);
    }
    QCOMPARE(folge, (std::vector<int>{8, 10, 12, 14, 16, 20, 25, 25, 25, 25}));
    QCOMPARE(u.Ergebnis().TAsyIst, Stabflaeche(25) * u.Daten().AnzD);
    const int schritte = gemeldet.count();
    u.fenster.udDurchmD->Schritt(true);
    QCOMPARE(gemeldet.count(), schritte);
    u.fenster.reject();
}

void BewehrungFensterTest::AbbrechenStelltSatzGenauWiederHer() {
    Umgebung u(6);
    const TKDornDaten daten = u.Daten();
    const TKDornErgebnis ergebnis = u.Ergebnis();
    QTimer::singleShot(0, &u.fenster, [&] {
        u.fenster.udAnzB->Schritt(true);
        u.fenster.udAnzB->Schritt(true);
        u.fenster.udDurchmB->Schritt(true);
        u.fenster.udAnzD->Schritt(false);
        u.fenster.udDurchmD->Schritt(false);
        QVERIFY(!Gleich(u.Daten(), daten));
        u.fenster.BitBtnAbbrechen->click();
    });
    QCOMPARE(u.fenster.Zeige(u.anwendung), int(QDialog::Rejected));
    QVERIFY(Gleich(u.Daten(), daten));
    QVERIFY(Gleich(u.Ergebnis(), ergebnis));
    QCOMPARE(int(u.anwendung.TMaxDornabstand), 0);
}

void BewehrungFensterTest::SchliessenWirktWieAbbrechen() {
    Umgebung u(2);
    const TKDornDaten daten = u.Daten();
    QTimer::singleShot(0, &u.fenster, [&] {
        u.fenster.udDurchmB->Schritt(false);
        u.fenster.close();
    });
    u.fenster.Zeige(u.anwendung);
    QVERIFY(Gleich(u.Daten(), daten));
    QCOMPARE(int(u.anwendung.TMaxDornabstand), 0);
}

void BewehrungFensterTest::OkBehaeltStaebe() {
    Umgebung u(6);
    const int n = u.Daten().AnzB;
    QTimer::singleShot(0, &u.fenster, [&] {
        u.fenster.udAnzB->Schritt(true);
        u.fenster.BitBtnOK->click();
    });
    QCOMPARE(u.fenster.Zeige(u.anwendung), int(QDialog::Accepted));
    QCOMPARE(u.Daten().AnzB, n + 1);
    QCOMPARE(u.Ergebnis().TAsxIst, Stabflaeche(u.Daten().DurchmB) * (n + 1));
    QCOMPARE(int(u.anwendung.TMaxDornabstand), 0);
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::BewehrungFensterTest)
#include "BewehrungFensterTest.moc"
