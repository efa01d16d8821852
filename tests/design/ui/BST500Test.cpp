#include "design/ui/BST500.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace vsk::test {

class BST500Test final : public QObject {
    Q_OBJECT
private slots:
    void DurchmesserSchrittHaeltAnBeidenEnden();
    void UngelisteterWertSpringtAufNaechstenListenwert();
    void ListeLeerOderUnbrauchbarGibtVorgabe();
    void ListeWirdGeordnet();
    void ZaehlerSchreitetInZweierschrittenFort();
    void WertAusserhalbBereichLaeuftZumBereich();
    void MeldetNurEchteAenderungen();
};

namespace {
std::vector<int> Schritte(TUpDown& ud, bool aufwaerts, int anzahl) {
    std::vector<int> werte;
    for (int i = 0; i < anzahl; ++i) {
        ud.Schritt(aufwaerts);
        werte.push_back(ud.Position());
    }
    return werte;
}
} // namespace

void BST500Test::DurchmesserSchrittHaeltAnBeidenEnden() {
    TBST500 st;
    st.setStabListe(QStringLiteral("6;8;10;12;14;16;20;25"));
    QCOMPARE(st.Min(), 6);
    QCOMPARE(st.Max(), 25);
    QLineEdit feld;
    st.setAssociate(&feld);
    st.setPosition(6);
    QCOMPARE(Schritte(st, true, 9), (std::vector<int>{8, 10, 12, 14, 16, 20, 25, 25, 25}));
    QCOMPARE(feld.text(), QStringLiteral("25"));
    QCOMPARE(Schritte(st, false, 9), (std::vector<int>{20, 16, 14, 12, 10, 8, 6, 6, 6}));
    QCOMPARE(feld.text(), QStringLiteral("6"));
}

void BST500Test::UngelisteterWertSpringtAufNaechstenListenwert() {
    TBST500 st;
    st.setStabListe(QStringLiteral("6;8;10;12;14;16;20;25"));
    st.setPosition(7);
    st.Schritt(true);
    QCOMPARE(st.Position(), 8);
    st.setPosition(7);
    st.Schritt(false);
    QCOMPARE(st.Position(), 6);
    // A 28 mm bar from the design is above the list: down lands on 25, up does nothing.
    st.setPosition(28);
    st.Schritt(true);
    QCOMPARE(st.Position(), 28);
    st.Schritt(false);
    QCOMPARE(st.Position(), 25);
    QCOMPARE(st.Auf(17), 20);
    QCOMPARE(st.Ab(17), 16);
    QCOMPARE(st.Ab(3), 6);
}

void BST500Test::ListeLeerOderUnbrauchbarGibtVorgabe() {
    TBST500 st;
    QCOMPARE(st.StabListe(), QStringLiteral("6;8;10;12;14;16;20;25;28"));
    QCOMPARE(st.Max(), 28);
    st.setStabListe(QStringLiteral("12;14"));
    st.setStabListe(QString());
    QCOMPARE(st.Werte(), (std::vector<int>{6, 8, 10, 12, 14, 16, 20, 25, 28}));
    st.setStabListe(QStringLiteral("x;;-4;0"));
    QCOMPARE(st.Werte().size(), std::size_t{9});
    // A missing trailing separator and blanks do not matter.
    st.setStabListe(QStringLiteral(" 8; 10 ;12"));
    QCOMPARE(st.Werte(), (std::vector<int>{8, 10, 12}));
}

void BST500Test::ListeWirdGeordnet() {
    TBST500 st;
    st.setStabListe(QStringLiteral("16;8;12;8"));
    QCOMPARE(st.Werte(), (std::vector<int>{8, 12, 16}));
    QCOMPARE(st.Min(), 8);
    QCOMPARE(st.Max(), 16);
    st.setPosition(8);
    QCOMPARE(Schritte(st, true, 3), (std::vector<int>{12, 16, 16}));
}

void BST500Test::ZaehlerSchreitetInZweierschrittenFort() {
    TUpDown ud;
    ud.setRange(2, 20);
    ud.setIncrement(2);
    ud.setPosition(2);
    QCOMPARE(Schritte(ud, true, 3), (std::vector<int>{4, 6, 8}));
    ud.setPosition(18);
    QCOMPARE(Schritte(ud, true, 2), (std::vector<int>{20, 20}));
    ud.setPosition(4);
    QCOMPARE(Schritte(ud, false, 2), (std::vector<int>{2, 2}));
    // Odd counts from the design step by two as well.
    ud.setPosition(3);
    QCOMPARE(Schritte(ud, true, 1), (std::vector<int>{5}));
}

void BST500Test::WertAusserhalbBereichLaeuftZumBereich() {
    TUpDown ud;
    ud.setRange(2, 20);
    QLineEdit feld;
    ud.setAssociate(&feld);
    ud.setPosition(25);
    // The field shows the record's value, not a clamped one.
    QCOMPARE(feld.text(), QStringLiteral("25"));
    ud.Schritt(true);
    QCOMPARE(ud.Position(), 25);
    ud.Schritt(false);
    QCOMPARE(ud.Position(), 20);
    ud.setPosition(1);
    ud.Schritt(false);
    QCOMPARE(ud.Position(), 1);
    ud.Schritt(true);
    QCOMPARE(ud.Position(), 2);
}

void BST500Test::MeldetNurEchteAenderungen() {
    TBST500 st;
    st.setStabListe(QStringLiteral("6;8"));
    st.setPosition(6);
    QSignalSpy vorher(&st, &TUpDown::aendertSich);
    QSignalSpy nachher(&st, &TUpDown::geaendert);
    st.Schritt(false);
    QCOMPARE(nachher.count(), 0);
    st.Schritt(true);
    QCOMPARE(vorher.count(), 1);
    QCOMPARE(vorher.at(0).at(0).toInt(), 6);
    QCOMPARE(nachher.count(), 1);
    QCOMPARE(nachher.at(0).at(0).toInt(), 8);
    QCOMPARE(nachher.at(0).at(1).toBool(), true);
    // The arrow keys step like the buttons.
    QTest::keyClick(&st, Qt::Key_Down);
    QCOMPARE(st.Position(), 6);
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::BST500Test)
#include "BST500Test.moc"
