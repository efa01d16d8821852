#include "shell/ui/SplashFenster.h"

#include "shell/Einstellungen.h"
#include "shell/qt/Sprachumschaltung.h"
#include "shell/ui/AboutFenster.h"
#include "support/PlattformDouble.h"
#include "support/Sprachmodul.h"
#include "support/TempDir.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace vsk {

namespace fs = std::filesystem;

namespace {

// A program directory with its settings file and, on request, language modules.
struct Programmordner {
    test::TempDir dir;
    test::PlattformDouble plattform;
    fs::path programm = dir / "vsk";
    Einstellungen einstellungen{dir / "vsk.INI", '.'};

    bool Modul(const char* endung, const char* sprache, const char* start) {
        return test::BaueSprachmodul(
            dir / (std::string("vsk.") + endung), sprache,
            {{"vsk::TfrmSplash", "&Start Program", start}, {"vsk::TfrmAbout", "&Back", start}});
    }
    int Gespeichert() { return einstellungen.ReadInteger("Anwenderdaten", "IDSprache", -1); }
};

QStringList SichtbareMarker(const TfrmSplash& splash) {
    QStringList sichtbar;
    const std::pair<int, const char*> sprachen[] = {{2057, "Eng"}, {2055, "Des"}, {1034, "Esp"},
                                                    {1036, "Fra"}, {1040, "Ita"}, {1043, "Nld"}};
    for (const auto& [id, name] : sprachen) {
        if (splash.MarkerSichtbar(id)) {
            sichtbar << QString::fromLatin1(name);
        }
    }
    return sichtbar;
}

} // namespace

class SplashFensterTest : public QObject {
    Q_OBJECT

private slots:
    void withoutModulesEnglishNeedsNothingAndGermanIsNotAvailable();
    void storedSpanishModernSortLoadsTheSpanishModule();
    void aLanguageButtonRereadsEveryOpenWindowAndEnglishReturnsToBuiltIn();
    void startProgramClosesWithOk();
};

void SplashFensterTest::withoutModulesEnglishNeedsNothingAndGermanIsNotAvailable() {
    Programmordner o;
    o.plattform.sprachID = 2057;
    Sprachumschaltung sprachen(o.programm);
    TfrmSplash splash(sprachen, o.einstellungen, o.plattform, o.programm);
    QCOMPARE(splash.Tag(), 2057);
    QVERIFY(o.plattform.meldungen.empty());
    QCOMPARE(SichtbareMarker(splash), QStringList{"Eng"});

    splash.Sprachknopf(2057)->click();
    QVERIFY(o.plattform.meldungen.empty());
    QVERIFY(!fs::exists(o.dir / "vsk.INI")); // nothing written
    QCOMPARE(SichtbareMarker(splash), QStringList{"Eng"});

    splash.Sprachknopf(2055)->click();
    QCOMPARE(o.plattform.meldungen, std::vector<std::string>{"Selected language not available!"});
    QCOMPARE(SichtbareMarker(splash), (QStringList{"Eng", "Des"}));
    QCOMPARE(o.Gespeichert(), 2055);
    QCOMPARE(splash.StartKnopf()->text(), QStringLiteral("&Start Program"));

    // At the next start the stored choice has no module: English, no message.
    o.plattform.meldungen.clear();
    TfrmSplash wieder(sprachen, o.einstellungen, o.plattform, o.programm);
    QCOMPARE(wieder.Tag(), 2055);
    QVERIFY(o.plattform.meldungen.empty());
    QCOMPARE(SichtbareMarker(wieder), QStringList{"Eng"});
}

void SplashFensterTest::storedSpanishModernSortLoadsTheSpanishModule() {
    Programmordner o;
    QVERIFY(o.Modul("esp", "es_ES", "&Iniciar programa"));
    o.einstellungen.WriteInteger("Anwenderdaten", "IDSprache", 3082);
    const auto vorher = fs::last_write_time(o.dir / "vsk.INI");
    Sprachumschaltung sprachen(o.programm);
    TfrmSplash splash(sprachen, o.einstellungen, o.plattform, o.programm);
    QVERIFY(sprachen.ModulGeladen());
    QCOMPARE(splash.StartKnopf()->text(), QStringLiteral("&Iniciar programa"));
    QCOMPARE(SichtbareMarker(splash), QStringList{"Esp"});
    QVERIFY(o.plattform.meldungen.empty());
    QCOMPARE(fs::last_write_time(o.dir / "vsk.INI"), vorher); // nothing written at start
}

void SplashFensterTest::aLanguageButtonRereadsEveryOpenWindowAndEnglishReturnsToBuiltIn() {
    Programmordner o;
    QVERIFY(o.Modul("des", "de_CH", "Programm &starten"));
    QVERIFY(o.Modul("fra", "fr_FR", "&Démarrer le programme"));
    Sprachumschaltung sprachen(o.programm);
    TfrmSplash splash(sprachen, o.einstellungen, o.plattform, o.programm);
    TfrmAbout about; // another window that exists while the language changes
    QCOMPARE(SichtbareMarker(splash), QStringList{"Eng"});

    splash.Sprachknopf(2055)->click();
    QCOMPARE(splash.StartKnopf()->text(), QStringLiteral("Programm &starten"));
    QCOMPARE(about.ZurueckKnopf()->text(), QStringLiteral("Programm &starten"));
    QCOMPARE(SichtbareMarker(splash), QStringList{"Des"});

    splash.Sprachknopf(1036)->click();
    QCOMPARE(splash.StartKnopf()->text(), QStringLiteral("&Démarrer le programme"));
    QCOMPARE(SichtbareMarker(splash), QStringList{"Fra"});
    QCOMPARE(o.Gespeichert(), 1036);
    // The posted language change arrives later and must not hide the marker again.
    QCoreApplication::processEvents();
    QCOMPARE(SichtbareMarker(splash), QStringList{"Fra"});

    // No vsk.eng: English is built in and comes back without a message.
    splash.Sprachknopf(2057)->click();
    QVERIFY(o.plattform.meldungen.empty());
    QVERIFY(!sprachen.ModulGeladen());
    QCOMPARE(splash.StartKnopf()->text(), QStringLiteral("&Start Program"));
    QCOMPARE(about.ZurueckKnopf()->text(), QStringLiteral("&Back"));
    QCOMPARE(SichtbareMarker(splash), QStringList{"Eng"});
    QCOMPARE(o.Gespeichert(), 2057);

    const QByteArray bilder = qgetenv("VSK_BILDER");
    if (!bilder.isEmpty()) {
        splash.Sprachknopf(2055)->click();
        splash.grab().save(QString::fromLocal8Bit(bilder) + QStringLiteral("/splash.png"));
        about.grab().save(QString::fromLocal8Bit(bilder) + QStringLiteral("/about.png"));
    }
}

void SplashFensterTest::startProgramClosesWithOk() {
    Programmordner o;
    Sprachumschaltung sprachen(o.programm);
    TfrmSplash splash(sprachen, o.einstellungen, o.plattform, o.programm);
    QVERIFY(splash.StartKnopf()->isDefault());
    splash.show();
    splash.StartKnopf()->click();
    QCOMPARE(splash.result(), int(QDialog::Accepted));
    QVERIFY(!splash.isVisible());
}

} // namespace vsk

QTEST_MAIN(vsk::SplashFensterTest)
#include "SplashFensterTest.moc"
