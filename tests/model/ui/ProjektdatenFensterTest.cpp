#include "model/ui/ProjektdatenFenster.h"
#include "model/Projektdaten.h"
#include "support/PlattformDouble.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vsk::test {

class ProjektdatenFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void OKSchreibtAbbrechenVerwirft();
    void FirmaNimmtEnterAlsNeueZeile();
    void FensterbildWirdAufWunschGeschrieben();
};

namespace {
int Modal(TfrmProjektdaten& f, TKProjektdaten& d, const std::function<void()>& aktion) {
    QTimer::singleShot(0, &f, [&] {
        aktion();
        if (f.isVisible()) {
            f.reject();
        }
    });
    return f.Zeige(d);
}
} // namespace

void ProjektdatenFensterTest::OKSchreibtAbbrechenVerwirft() {
    PlattformDouble p;
    p.heute = "24.12.2026";
    TfrmProjektdaten f(p);
    TKProjektdaten d("01.02.2026");
    d.TBauvorhaben = "Hall 7";
    d.TFirma = {"Office", "Street 1"};
    QCOMPARE(Modal(f, d,
                   [&] {
                       QCOMPARE(f.editBauvorhaben->text(), QStringLiteral("Hall 7"));
                       QCOMPARE(f.memoFirma->toPlainText(), QStringLiteral("Office\nStreet 1"));
                       f.BitBtnHeute->click();
                       QCOMPARE(f.editDatum->text(), QStringLiteral("24.12.2026"));
                       f.editBearbeiter->setText(QStringLiteral("someone"));
                       f.BitBtnAbbrechen->click();
                   }),
             int(QDialog::Rejected));
    QCOMPARE(d.TDatum, std::string("01.02.2026"));
    QVERIFY(d.TBearbeiter.empty());

    QCOMPARE(Modal(f, d,
                   [&] {
                       QCOMPARE(f.editDatum->text(), QStringLiteral("01.02.2026"));
                       f.editBauvorhaben->setText(QStringLiteral("Hall 8"));
                       f.editBearbeiter->setText(QStringLiteral("B. Builder"));
                       f.editDatum->setText(QStringLiteral("any text"));
                       f.memoFirma->clear();
                       f.BitBtnOK->click();
                   }),
             int(QDialog::Accepted));
    QCOMPARE(d.TBauvorhaben, std::string("Hall 8"));
    QCOMPARE(d.TBearbeiter, std::string("B. Builder"));
    QCOMPARE(d.TDatum, std::string("any text"));
    QVERIFY(d.TFirma.empty());
}

void ProjektdatenFensterTest::FirmaNimmtEnterAlsNeueZeile() {
    PlattformDouble p;
    TfrmProjektdaten f(p);
    TKProjektdaten d;
    Modal(f, d, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.memoFirma->setFocus();
        QTest::keyClicks(f.memoFirma, QStringLiteral("Planning Office"));
        QTest::keyClick(f.memoFirma, Qt::Key_Return);
        QTest::keyClicks(f.memoFirma, QStringLiteral("Main Road 5"));
        // Enter in a one-line field moves on and types nothing.
        f.editBearbeiter->setFocus();
        QTest::keyClicks(f.editBearbeiter, QStringLiteral("X"));
        QTest::keyClick(f.editBearbeiter, Qt::Key_Return);
        QCOMPARE(f.editBearbeiter->text(), QStringLiteral("X"));
        QVERIFY(f.isVisible()); // no default button fired
        f.BitBtnOK->click();
    });
    QCOMPARE(d.TFirma, (std::vector<std::string>{"Planning Office", "Main Road 5"}));
}

void ProjektdatenFensterTest::FensterbildWirdAufWunschGeschrieben() {
    PlattformDouble p;
    TfrmProjektdaten f(p);
    TKProjektdaten d("09.12.2026");
    d.TBauvorhaben = "Car park level 2";
    d.TFirma = {"Engineering Office", "Harbour Street 12"};
    d.TBearbeiter = "A. Engineer";
    Modal(f, d, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage bild = f.grab().toImage();
        QVERIFY(bild.width() >= 465);
        const QString ziel = qEnvironmentVariable("VSK_FENSTERBILDER");
        if (!ziel.isEmpty()) {
            QDir().mkpath(ziel);
            bild.save(QDir(ziel).filePath(QStringLiteral("projektdaten.png")));
        }
    });
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::ProjektdatenFensterTest)
#include "ProjektdatenFensterTest.moc"
