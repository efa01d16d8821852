#include "shell/qt/Sprachumschaltung.h"

#include "shell/Texte.h"
#include "shell/qt/QtPlattform.h"
#include "support/Sprachmodul.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QtTest>
#include <fstream>

namespace vsk {

class SprachumschaltungTest : public QObject {
    Q_OBJECT

private slots:
    void modulesReplaceEachOtherAndTheBuiltInTextsReturn();
    void unreadableModuleKeepsTheCurrentTexts();
    void localesOfLanguageIdentifiers();
    void todayInTheShortFormatOfTheLocale();
};

void SprachumschaltungTest::modulesReplaceEachOtherAndTheBuiltInTextsReturn() {
    test::TempDir dir;
    QVERIFY(test::BaueSprachmodul(dir / "vsk.des", "de_CH", {{"Probe", "Close", "Schliessen"}}));
    QVERIFY(test::BaueSprachmodul(dir / "vsk.fr", "fr", {{"Probe", "Close", "Fermer"}}));
    {
        Sprachumschaltung sprachen(dir / "vsk");
        QCOMPARE(sprachen.AnzahlSprachen(), 1);
        QVERIFY(!sprachen.ModulGeladen());
        QVERIFY(sprachen.LadeSprachmodul(2055));
        QCOMPARE(text("Probe", "Close"), std::string("Schliessen"));
        QCOMPARE(QCoreApplication::translate("Probe", "Close"), QString("Schliessen"));
        QVERIFY(sprachen.LadeSprachmodul(1036));
        QCOMPARE(text("Probe", "Close"), std::string("Fermer"));
        // A text missing from the module keeps its built-in English.
        QCOMPARE(text("Probe", "Open"), std::string("Open"));
        QVERIFY(!sprachen.LadeSprachmodul(1040));
        QCOMPARE(text("Probe", "Close"), std::string("Fermer"));
    }
    QCOMPARE(text("Probe", "Close"), std::string("Close"));
    QCOMPARE(QCoreApplication::translate("Probe", "Close"), QString("Close"));
}

void SprachumschaltungTest::unreadableModuleKeepsTheCurrentTexts() {
    test::TempDir dir;
    QVERIFY(test::BaueSprachmodul(dir / "start.nld", "nl", {{"Probe", "Close", "Sluiten"}}));
    std::ofstream(dir / "start.esp") << "not a module";
    std::ofstream(dir / "start.ita"); // empty
    Sprachumschaltung sprachen(dir / "start");
    QCOMPARE(sprachen.AnzahlSprachen(), 3);
    QVERIFY(sprachen.LadeSprachmodul(1043));
    QVERIFY(!sprachen.LadeSprachmodul(1034));
    QVERIFY(!sprachen.LadeSprachmodul(1040));
    QCOMPARE(text("Probe", "Close"), std::string("Sluiten"));
    sprachen.EntferneModul();
    QVERIFY(!sprachen.ModulGeladen());
    QCOMPARE(text("Probe", "Close"), std::string("Close"));
}

void SprachumschaltungTest::localesOfLanguageIdentifiers() {
    QCOMPARE(LocaleFuerSprachID(2055), QLocale(QLocale::German, QLocale::Switzerland));
    QCOMPARE(LocaleFuerSprachID(3082).language(), QLocale::Spanish);
    QCOMPARE(LocaleFuerSprachID(1034).language(), QLocale::Spanish);
    QCOMPARE(LocaleFuerSprachID(2057), QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(LocaleFuerSprachID(4711), QLocale::c());
}

// Report headers print today's date: digits in the locale's order, never an English month
// name because the system has no locale set.
void SprachumschaltungTest::todayInTheShortFormatOfTheLocale() {
    const QDate heute = QDate::currentDate();
    auto text = [](const QLocale& l) {
        return QString::fromStdString(QtPlattform("vsk", l).HeuteText());
    };
    QCOMPARE(text(QLocale::c()), heute.toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(text(QLocale(QLocale::German, QLocale::Switzerland)),
             QLocale(QLocale::German, QLocale::Switzerland).toString(heute, QLocale::ShortFormat));
}

} // namespace vsk

QTEST_GUILESS_MAIN(vsk::SprachumschaltungTest)
#include "SprachumschaltungTest.moc"
