#include "design/ui/BemessungFenster.h"
#include "model/Anwendung.h"
#include "shell/Einstellungen.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vsk::test {

class BemessungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void ZeigtDieWerteDerPosition();
    void OkSpeichertPositionUndVorgaben();
    void KeineZahlGibtVorgabe();
    void KommaAlsTrennerWirdGelesen();
    void AbbrechenAendertNichts();
    void SchreibfehlerWirdGemeldet();
};

namespace {
const std::array<std::string, 2> kAbstand{"Unlimited", "5 * Slab Thickness"};

std::string Inhalt(const std::filesystem::path& p) {
    std::ifstream f(p);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs the window modally and presses the button once it is up.
int Modal(TfrmBemessung& f, TKAnwendung& a, QPushButton* knopf,
          const std::function<void()>& vorher = {}) {
    QTimer::singleShot(0, &f, [&] {
        if (vorher) {
            vorher();
        }
        knopf->click();
    });
    return f.Zeige(a);
}
} // namespace

void BemessungFensterTest::ZeigtDieWerteDerPosition() {
    TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    PlattformDouble p;
    TfrmBemessung f(ini, p, kAbstand);
    QCOMPARE(f.windowTitle(), QStringLiteral("Settings for Calculation"));
    QCOMPARE(f.rgDornabstand[0]->text(), QStringLiteral("Unlimited"));
    QCOMPARE(f.cboxStahlguete->itemText(0), QStringLiteral("500 N/mm²"));
    TKAnwendung a;
    a.TMaxDornabstand = 0;
    a.TStahlguete = 1;
    a.TGammaMs = 1.15;
    f.Laden(a);
    QVERIFY(f.rgDornabstand[0]->isChecked());
    QCOMPARE(f.cboxStahlguete->currentIndex(), 1);
    QCOMPARE(f.meditGammaMs->text(), QStringLiteral("1.15"));
    // A spacing rule out of range (from a file) selects an existing entry.
    a.TMaxDornabstand = 7;
    f.Laden(a);
    QVERIFY(f.rgDornabstand[1]->isChecked());
}

void BemessungFensterTest::OkSpeichertPositionUndVorgaben() {
    TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    PlattformDouble p;
    TfrmBemessung f(ini, p, kAbstand);
    TKAnwendung a;
    const int r = Modal(f, a, f.BitBtnOK, [&] {
        f.rgDornabstand[0]->setChecked(true);
        f.cboxStahlguete->setCurrentIndex(1);
        f.meditGammaMs->setText(QStringLiteral("1.2"));
    });
    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(int(a.TMaxDornabstand), 0);
    QCOMPARE(int(a.TStahlguete), 1);
    QCOMPARE(a.TGammaMs, 1.2);
    QCOMPARE(ini.ReadInteger("Anwenderdaten", "Bemessung", 9), 0);
    QCOMPARE(ini.ReadInteger("Anwenderdaten", "Stahlguete", 9), 1);
    QCOMPARE(ini.ReadFloat("Anwenderdaten", "GammaMs", 9), 1.2);
    // A new position takes them as its defaults.
    const TKAnwendung neu(ini);
    QCOMPARE(int(neu.TMaxDornabstand), 0);
    QCOMPARE(int(neu.TStahlguete), 1);
    QCOMPARE(neu.TGammaMs, 1.2);
}

void BemessungFensterTest::KeineZahlGibtVorgabe() {
    TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    PlattformDouble p;
    TfrmBemessung f(ini, p, kAbstand);
    TKAnwendung a;
    a.TGammaMs = 1.3;
    f.Laden(a);
    f.meditGammaMs->setText(QStringLiteral("1,1"));
    f.Uebernehmen(a);
    QCOMPARE(a.TGammaMs, 1.05);
    QVERIFY(Inhalt(ini.Datei()).find("GammaMs=1.05") != std::string::npos);
    QVERIFY(p.meldungen.empty());
    f.meditGammaMs->setText(QString());
    f.Uebernehmen(a);
    QCOMPARE(a.TGammaMs, 1.05);
}

void BemessungFensterTest::KommaAlsTrennerWirdGelesen() {
    TempDir dir;
    Einstellungen ini(dir / "VSK.INI", ',');
    PlattformDouble p;
    p.trenner = ',';
    TfrmBemessung f(ini, p, kAbstand);
    TKAnwendung a;
    a.TGammaMs = 1.15;
    f.Laden(a);
    QCOMPARE(f.meditGammaMs->text(), QStringLiteral("1,15"));
    f.meditGammaMs->setText(QStringLiteral("1,1"));
    f.Uebernehmen(a);
    QCOMPARE(a.TGammaMs, 1.1);
    QVERIFY(Inhalt(ini.Datei()).find("GammaMs=1,1") != std::string::npos);
}

void BemessungFensterTest::AbbrechenAendertNichts() {
    TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    PlattformDouble p;
    TfrmBemessung f(ini, p, kAbstand);
    TKAnwendung a;
    const int r = Modal(f, a, f.BitBtnAbbrechen, [&] {
        f.rgDornabstand[0]->setChecked(true);
        f.meditGammaMs->setText(QStringLiteral("2"));
    });
    QCOMPARE(r, int(QDialog::Rejected));
    QCOMPARE(int(a.TMaxDornabstand), 1);
    QCOMPARE(a.TGammaMs, 1.05);
    QVERIFY(!std::filesystem::exists(ini.Datei()));
}

void BemessungFensterTest::SchreibfehlerWirdGemeldet() {
    TempDir dir;
    // A directory where the file should be: every write fails.
    std::filesystem::create_directories(dir / "VSK.INI");
    Einstellungen ini(dir / "VSK.INI", '.');
    PlattformDouble p;
    TfrmBemessung f(ini, p, kAbstand);
    TKAnwendung a;
    f.Laden(a);
    f.meditGammaMs->setText(QStringLiteral("1.25"));
    f.Uebernehmen(a);
    QCOMPARE(a.TGammaMs, 1.25);
    QCOMPARE(p.fehler.size(), std::size_t{1});
    QVERIFY(p.fehler[0].find("Not able to write to file") != std::string::npos);
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::BemessungFensterTest)
#include "BemessungFensterTest.moc"
