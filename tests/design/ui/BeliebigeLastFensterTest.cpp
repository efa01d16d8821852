#include "design/ui/BeliebigeLastFenster.h"
#include "model/Modell.h"
#include "sketches/Farbschema.h"
#include "support/BeliebigeLast.h"
#include "support/Ereignisse.h"
#include "support/PlattformDouble.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <vector>

namespace vsk::test {

class BeliebigeLastFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void AktivierenFuelltTabelleAusDenPunkten();
    void GleicherTextFragtNachUeberschreiben();
    void GleicheZahlAndererTextGibtZweiPunkte();
    void LoeschenDerEinzigenZeileLeertDieTabelle();
    void PunkteStehenInXReihenfolge();
    void AendernUndZeilenklick();
    void OhneGewaehlteZeileBleibtDieTabelle();
    void AbbrechenStelltPunkteWiederHer();
    void OkBehaeltPunkte();
    void FeldpruefungBeimVerlassenUndHinzufuegen();
    void KeineZahlInDerTabelleLaesstPunkte();
    void EnterSchaltetWeiter();
    void HilfeUndHinweiseSindDa();
};

namespace {

// A slab-to-slab row with joint length L and no load points.
struct Umgebung {
    PlattformDouble plattform;
    TKFarbe farben;
    TKModell modell;
    TfrmbeliebigeLast fenster{plattform, farben};

    explicit Umgebung(double L = 4000) { SetzeBeliebigeLast(modell, L, {}); }
    TKBelastung& Last() { return modell.AktuelleAnwendung().cBelastungDesign; }
    void Hinzufuegen(const char* x, const char* q) {
        fenster.meditX->setText(QString::fromLatin1(x));
        fenster.meditQ->setText(QString::fromLatin1(q));
        fenster.BitBtnHinzufuegenClick();
    }
    std::vector<double> Xe() {
        std::vector<double> xe;
        for (const TPunkt& p : Last().Punkte()) {
            xe.push_back(p.x);
        }
        return xe;
    }
};

} // namespace

void BeliebigeLastFensterTest::AktivierenFuelltTabelleAusDenPunkten() {
    Umgebung u;
    u.Last().AddPunkt(0, 12.5);
    u.Last().AddPunkt(4000, 20);
    u.fenster.Aktivieren(u.modell);
    QCOMPARE(u.fenster.windowTitle(),
             QStringLiteral("Entry of arbitrary transverse force distribution"));
    QCOMPARE(u.fenster.Datenzeilen(), 2);
    // x = 0 shows as "0": an empty first row would empty the load.
    QCOMPARE(u.fenster.ZellText(0, 0), QStringLiteral("0"));
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("12.5"));
    QCOMPARE(u.fenster.ZellText(1, 0), QStringLiteral("4000"));
    QCOMPARE(u.Last().PunktCount(), 2);
    QCOMPARE(u.Last().Resultierende(), 65.0);

    // No points: one empty row and still no points.
    Umgebung leer;
    leer.fenster.Aktivieren(leer.modell);
    QCOMPARE(leer.fenster.Datenzeilen(), 1);
    QCOMPARE(leer.fenster.ZellText(0, 0), QString());
    QCOMPARE(leer.Last().PunktCount(), 0);
}

void BeliebigeLastFensterTest::GleicherTextFragtNachUeberschreiben() {
    Umgebung u;
    u.fenster.Aktivieren(u.modell);
    u.Hinzufuegen("2000", "10");
    QVERIFY(u.plattform.fragen.empty());
    u.plattform.antworten = {Antwort::Nein};
    u.Hinzufuegen("2000", "30");
    QCOMPARE(u.plattform.fragen.size(), std::size_t{1});
    QCOMPARE(u.plattform.fragen[0],
             std::string("A value for the entered coordinate already exists!\n\n Should this be "
                         "overwritten?"));
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("10"));
    u.plattform.antworten = {Antwort::Ja};
    u.Hinzufuegen("2000", "30");
    QCOMPARE(u.fenster.Datenzeilen(), 1);
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("30"));
    QCOMPARE(u.Last().PunktCount(), 1);
    QCOMPARE(u.Last().GetPunkt(0).y, 30.0);
}

void BeliebigeLastFensterTest::GleicheZahlAndererTextGibtZweiPunkte() {
    Umgebung u;
    u.fenster.Aktivieren(u.modell);
    u.Hinzufuegen("2000", "10");
    u.Hinzufuegen("2000.0", "20");
    QVERIFY(u.plattform.fragen.empty());
    QCOMPARE(u.fenster.Datenzeilen(), 2);
    QCOMPARE(u.Xe(), (std::vector<double>{2000, 2000}));
    // Same x: kept in the order of insertion.
    QCOMPARE(u.Last().GetPunkt(1).y, 20.0);
}

void BeliebigeLastFensterTest::LoeschenDerEinzigenZeileLeertDieTabelle() {
    Umgebung u;
    u.Last().AddPunkt(0, 10);
    u.Last().AddPunkt(4000, 10);
    u.fenster.Aktivieren(u.modell);
    QCOMPARE(u.Last().Resultierende(), 40.0);
    u.fenster.sgPunkte->setCurrentCell(1, 0);
    u.fenster.BitBtnLoeschenClick();
    QCOMPARE(u.fenster.Datenzeilen(), 1);
    // The remaining row is selected and shown in the fields.
    QCOMPARE(u.fenster.meditX->text(), QStringLiteral("0"));
    QCOMPARE(u.Last().PunktCount(), 1);
    u.fenster.BitBtnLoeschenClick();
    QCOMPARE(u.fenster.Datenzeilen(), 1);
    QCOMPARE(u.fenster.ZellText(0, 0), QString());
    QCOMPARE(u.Last().PunktCount(), 0);
    QCOMPARE(u.Last().Resultierende(), 0.0);
    QCOMPARE(u.fenster.meditX->text(), QString());
}

void BeliebigeLastFensterTest::PunkteStehenInXReihenfolge() {
    Umgebung u;
    u.fenster.Aktivieren(u.modell);
    u.Hinzufuegen("3000", "5");
    u.Hinzufuegen("1000", "15");
    u.Hinzufuegen("4000", "0");
    QCOMPARE(u.fenster.ZellText(0, 0), QStringLiteral("3000"));
    QCOMPARE(u.fenster.ZellText(1, 0), QStringLiteral("1000"));
    QCOMPARE(u.Xe(), (std::vector<double>{1000, 3000, 4000}));
    // (2000 * 20 + 1000 * 5) / 2 / 1000
    QCOMPARE(u.Last().Resultierende(), 22.5);
}

void BeliebigeLastFensterTest::AendernUndZeilenklick() {
    Umgebung u;
    u.fenster.Aktivieren(u.modell);
    u.Hinzufuegen("0", "5");
    u.Hinzufuegen("4000", "5");
    u.fenster.sgPunkte->setCurrentCell(0, 0);
    QCOMPARE(u.fenster.meditX->text(), QStringLiteral("0"));
    QCOMPARE(u.fenster.meditQ->text(), QStringLiteral("5"));
    u.fenster.meditQ->setText(QStringLiteral("15"));
    u.fenster.BitBtnAendernClick();
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("15"));
    QCOMPARE(u.Last().GetPunkt(0).y, 15.0);
    QCOMPARE(u.Last().Resultierende(), 40.0);
    // An empty load is the load field's empty value 0.
    u.fenster.meditQ->clear();
    u.fenster.BitBtnAendernClick();
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("0"));
}

void BeliebigeLastFensterTest::OhneGewaehlteZeileBleibtDieTabelle() {
    Umgebung u;
    u.Last().AddPunkt(0, 10);
    u.Last().AddPunkt(4000, 20);
    u.fenster.Aktivieren(u.modell);
    // The table taking the focus makes its first row current, but not selected.
    QTableWidget& tabelle = *u.fenster.sgPunkte;
    tabelle.selectionModel()->setCurrentIndex(tabelle.model()->index(0, 0),
                                              QItemSelectionModel::NoUpdate);
    QCOMPARE(tabelle.currentRow(), 0);
    QCOMPARE(u.fenster.GewaehlteZeile(), -1);
    QVERIFY(!u.fenster.BitBtnAendern->isEnabled());
    QVERIFY(!u.fenster.BitBtnLoeschen->isEnabled());
    u.fenster.meditX->setText(QStringLiteral("1000"));
    u.fenster.meditQ->setText(QStringLiteral("50"));
    u.fenster.BitBtnAendernClick();
    u.fenster.BitBtnLoeschenClick();
    QCOMPARE(u.fenster.Datenzeilen(), 2);
    QCOMPARE(u.fenster.ZellText(0, 0), QStringLiteral("0"));
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("10"));
    QCOMPARE(u.Last().GetPunkt(0).y, 10.0);
    // A click on a row makes it the one both act on.
    QTest::mouseClick(tabelle.viewport(), Qt::LeftButton, {},
                      tabelle.visualItemRect(tabelle.item(1, 0)).center());
    QCOMPARE(u.fenster.GewaehlteZeile(), 1);
    QVERIFY(u.fenster.BitBtnAendern->isEnabled());
    u.fenster.meditQ->setText(QStringLiteral("30"));
    u.fenster.BitBtnAendernClick();
    QCOMPARE(u.fenster.ZellText(1, 1), QStringLiteral("30"));
    QCOMPARE(u.fenster.ZellText(0, 1), QStringLiteral("10"));
}

void BeliebigeLastFensterTest::AbbrechenStelltPunkteWiederHer() {
    Umgebung u;
    u.Last().AddPunkt(0, 7);
    u.Last().AddPunkt(4000, 9);
    const std::vector<TPunkt> vorher = u.Last().Punkte();
    const double resultierende = u.Last().Resultierende();
    QTimer::singleShot(0, &u.fenster, [&] {
        u.Hinzufuegen("1000", "50");
        u.Hinzufuegen("2500", "60");
        u.fenster.sgPunkte->setCurrentCell(0, 0);
        u.fenster.BitBtnLoeschenClick();
        QCOMPARE(u.Last().PunktCount(), 3);
        u.fenster.BitBtnAbbrechen->click();
    });
    QCOMPARE(u.fenster.Zeige(u.modell), int(QDialog::Rejected));
    QCOMPARE(u.Last().PunktCount(), 2);
    for (std::size_t i = 0; i < vorher.size(); ++i) {
        QCOMPARE(u.Last().Punkte()[i].x, vorher[i].x);
        QCOMPARE(u.Last().Punkte()[i].y, vorher[i].y);
    }
    QCOMPARE(u.Last().Resultierende(), resultierende);

    // Esc and the title-bar close act as Cancel too.
    QTimer::singleShot(0, &u.fenster, [&] {
        u.Hinzufuegen("1000", "50");
        u.fenster.close();
    });
    u.fenster.Zeige(u.modell);
    QCOMPARE(u.Last().PunktCount(), 2);
}

void BeliebigeLastFensterTest::OkBehaeltPunkte() {
    Umgebung u;
    QTimer::singleShot(0, &u.fenster, [&] {
        u.Hinzufuegen("0", "10");
        u.Hinzufuegen("4000", "30");
        u.fenster.BitBtnOK->click();
    });
    QCOMPARE(u.fenster.Zeige(u.modell), int(QDialog::Accepted));
    QCOMPARE(u.Xe(), (std::vector<double>{0, 4000}));
    QCOMPARE(u.Last().Resultierende(), 80.0);
}

void BeliebigeLastFensterTest::FeldpruefungBeimVerlassenUndHinzufuegen() {
    Umgebung u(3000);
    u.fenster.Aktivieren(u.modell);
    u.fenster.show();
    QCOMPARE(
        u.fenster.meditX->toolTip(),
        QStringLiteral("Coordinates for entered load measured form the left [mm], 0 ... 3000"));
    u.fenster.meditX->setText(QStringLiteral("3000.5"));
    VerlasseFeld(u.fenster.meditX);
    QCOMPARE(u.plattform.meldungen.size(), std::size_t{1});
    QCOMPARE(u.plattform.meldungen[0],
             std::string("Input value is greater than allowed!\nAllowed: 0 ... 3000 mm"));
    QCOMPARE(u.fenster.focusWidget(), u.fenster.meditX);
    // Leaving a field because a message box or another window takes the focus is no leave.
    VerlasseFeld(u.fenster.meditX, Qt::ActiveWindowFocusReason);
    QCOMPARE(u.plattform.meldungen.size(), std::size_t{1});

    // A value that failed its check never reaches the table.
    u.fenster.meditQ->setText(QStringLiteral("5"));
    u.fenster.BitBtnHinzufuegenClick();
    QCOMPARE(u.plattform.meldungen.size(), std::size_t{2});
    QCOMPARE(u.fenster.ZellText(0, 0), QString());
    u.fenster.meditX->setText(QStringLiteral("3000"));
    u.fenster.meditQ->setText(QStringLiteral("-1"));
    u.fenster.BitBtnHinzufuegenClick();
    QCOMPARE(u.plattform.meldungen.back(),
             std::string("Input value is smaller than allowed!\nAllowed: at least 0 kN/m"));
    u.fenster.meditQ->setText(QStringLiteral("1,5"));
    u.fenster.BitBtnHinzufuegenClick();
    QVERIFY(u.plattform.meldungen.back().find("Only numbers allowed") != std::string::npos);
    QCOMPARE(u.Last().PunktCount(), 0);
    // The bounds themselves are allowed.
    u.fenster.meditQ->setText(QStringLiteral("0"));
    u.fenster.BitBtnHinzufuegenClick();
    QCOMPARE(u.Last().PunktCount(), 1);
    u.fenster.hide();
}

void BeliebigeLastFensterTest::KeineZahlInDerTabelleLaesstPunkte() {
    Umgebung u;
    u.fenster.Aktivieren(u.modell);
    u.Hinzufuegen("0", "10");
    u.Hinzufuegen("4000", "10");
    u.fenster.sgPunkte->item(0, 1)->setText(QStringLiteral("zehn"));
    u.Hinzufuegen("2000", "99");
    QCOMPARE(u.plattform.fehler.size(), std::size_t{1});
    QVERIFY(u.plattform.fehler[0].find("'zehn'") != std::string::npos);
    QCOMPARE(u.Xe(), (std::vector<double>{0, 4000}));
    QCOMPARE(u.Last().GetPunkt(0).y, 10.0);
}

void BeliebigeLastFensterTest::EnterSchaltetWeiter() {
    Umgebung u;
    u.fenster.Aktivieren(u.modell);
    u.fenster.show();
    u.fenster.meditX->setFocus();
    QTest::keyClick(u.fenster.meditX, Qt::Key_Return);
    QCOMPARE(u.fenster.focusWidget(), u.fenster.meditQ);
    QTest::keyClick(u.fenster.meditQ, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(u.fenster.focusWidget(), u.fenster.meditX);
    // Enter on a button moves on as well and does not press it.
    QSignalSpy ok(u.fenster.BitBtnOK, &QPushButton::clicked);
    u.fenster.BitBtnOK->setFocus();
    QTest::keyClick(u.fenster.BitBtnOK, Qt::Key_Return);
    QCOMPARE(ok.count(), 0);
    QVERIFY(u.fenster.isVisible());
    u.fenster.hide();
}

void BeliebigeLastFensterTest::HilfeUndHinweiseSindDa() {
    Umgebung u;
    QSignalSpy hilfe(&u.fenster, &TDialogFenster::hilfeAngefordert);
    u.fenster.BitBtnHilfe->click();
    QCOMPARE(hilfe.count(), 1);
    QCOMPARE(hilfe.at(0).at(0).toString(), QStringLiteral("MaskeQuerkraft"));
    QCOMPARE(u.fenster.BitBtnHinzufuegen->toolTip(), QStringLiteral("Place pair of values"));
    QCOMPARE(u.fenster.BitBtnHinzufuegen->statusTip(),
             QStringLiteral("Pair of values (x,q) add to list"));
    QCOMPARE(u.fenster.BitBtnOK->statusTip(), QStringLiteral("Undertake entry and close window"));
    QStatusTipEvent tip(QStringLiteral("Pair of values (x,q) add to list"));
    QCoreApplication::sendEvent(&u.fenster, &tip);
    QCOMPARE(u.fenster.Statuszeile()->currentMessage(),
             QStringLiteral("  Pair of values (x,q) add to list"));
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::BeliebigeLastFensterTest)
#include "BeliebigeLastFensterTest.moc"
