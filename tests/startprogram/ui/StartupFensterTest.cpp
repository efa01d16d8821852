#include "startprogram/StartupFenster.h"

#include "shell/Pfade.h"
#include "shell/qt/QtProgrammstarter.h"
#include "support/PlattformDouble.h"
#include "support/Sprachmodul.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <memory>
#include <sstream>

namespace vsk {

namespace fs = std::filesystem;

namespace {

// A started program writes its file within this time also on a busy machine.
constexpr int kProzessStartMs = 30000;

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

int Zeilen(const fs::path& p) {
    std::ifstream ein(p);
    int n = 0;
    for (std::string z; std::getline(ein, z);) {
        ++n;
    }
    return n;
}

// A CD root with the start program and its temporary directory.
struct Scheibe {
    test::TempDir cd;
    test::TempDir temp;
    test::PlattformDouble plattform;
    QtProgrammstarter starter;

    Startumgebung Umgebung() const { return {cd / "start", cd.pfad(), temp.pfad()}; }
    std::unique_ptr<TfrmStartup> Fenster() {
        return std::make_unique<TfrmStartup>(Umgebung(), plattform, starter);
    }
    // The window shown, on a disc with the reader installer.
    std::unique_ptr<TfrmStartup> GezeigtMitLeser() {
        fs::create_directory(cd / "Acrobat");
        std::ofstream(cd / "Acrobat" / "acroenu.exe") << "x";
        auto fenster = Fenster();
        fenster->show();
        return fenster;
    }
    // An installer that notes its working directory in starts.txt each time it runs.
    void LegeInstallerAn() const {
        const fs::path skript = cd / "VSK Setup.exe";
        std::ofstream(skript) << "#!/bin/sh\necho \"$(pwd)\" >> starts.txt\n";
        fs::permissions(skript, fs::perms::owner_all);
    }
};

template <typename T> T* Element(QWidget& fenster, const char* name) {
    T* e = fenster.findChild<T*>(QString::fromLatin1(name));
    if (!e) {
        qFatal("no element %s", name);
    }
    return e;
}

// Names of the markers that show, in button order.
QStringList SichtbareMarker(QWidget& fenster) {
    QStringList sichtbar;
    for (const char* name : {"imgEng", "imgDes", "imgEsp", "imgFra", "imgIta", "imgNld"}) {
        if (!Element<QLabel>(fenster, name)->isHidden()) {
            sichtbar << QString::fromLatin1(name);
        }
    }
    return sichtbar;
}

} // namespace

class StartupFensterTest : public QObject {
    Q_OBJECT

private slots:
    void readerButtonOnlyWithTheReaderInstaller();
    void installerStartsEachTimeAndWritesTheSameLog();
    void missingInstallerShowsFileNotFoundAndWritesNoLog();
    void failedLogWriteGoesToTheErrorDisplay();
    void modernSpanishSystemShowsEnglish();
    void languageButtonsSwitchModulesAndMarkers();
    void activationRefillsTheInformationBox();
    void installLabelsAndHoveredLanguageButtons();
    void screenshot();
};

void StartupFensterTest::readerButtonOnlyWithTheReaderInstaller() {
    Scheibe s;
    fs::create_directory(s.cd / "Acrobat");
    std::ofstream(s.cd / "Acrobat" / "setup.exe") << "x";
    auto ohne = s.Fenster();
    QVERIFY(Element<QPushButton>(*ohne, "BitBtnSetupArcobat")->isHidden());
    QVERIFY(Element<QLabel>(*ohne, "lblSetupArcobat")->isHidden());

    // Discs written on Windows may spell the names in other cases.
    fs::rename(s.cd / "Acrobat", s.cd / "ACROBAT");
    std::ofstream(s.cd / "ACROBAT" / "AcroEnu.EXE") << "x";
    auto mit = s.Fenster();
    QVERIFY(!Element<QPushButton>(*mit, "BitBtnSetupArcobat")->isHidden());
    QVERIFY(!Element<QLabel>(*mit, "lblSetupArcobat")->isHidden());
    QVERIFY(s.plattform.meldungen.empty());
}

void StartupFensterTest::installerStartsEachTimeAndWritesTheSameLog() {
    Scheibe s;
    s.LegeInstallerAn();
    auto fenster = s.Fenster();
    auto* knopf = Element<QPushButton>(*fenster, "BitBtnSetupVSK");
    const fs::path log = s.temp / "VSKLog.INI";
    QCOMPARE(fenster->LogDatei(), log);

    QTest::mouseClick(knopf, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(Zeilen(s.cd / "starts.txt"), 1, kProzessStartMs);
    const std::string erstes = Inhalt(log);
    const std::string laufwerk = MitBackslash(Einhaengepunkt(s.cd.pfad()).string());
    QCOMPARE(erstes, "[InstallDrive]\nDrive=" + laufwerk + "\n");
    QVERIFY(laufwerk.back() == '/');
    QVERIFY(fs::canonical(s.cd.pfad()).string().rfind(laufwerk.substr(0, laufwerk.size() - 1), 0) ==
            0);

    fs::remove(log);
    QTest::mouseClick(knopf, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(Zeilen(s.cd / "starts.txt"), 2, kProzessStartMs);
    QCOMPARE(Inhalt(log), erstes);
    // It ran in the disc's root each time.
    std::ifstream starts(s.cd / "starts.txt");
    for (std::string z; std::getline(starts, z);) {
        QCOMPARE(fs::path(z), fs::canonical(s.cd.pfad()));
    }
    QVERIFY(s.plattform.meldungen.empty());
    QVERIFY(s.plattform.fehler.empty());
}

void StartupFensterTest::missingInstallerShowsFileNotFoundAndWritesNoLog() {
    Scheibe s;
    auto fenster = s.Fenster();
    QTest::mouseClick(Element<QPushButton>(*fenster, "BitBtnSetupVSK"), Qt::LeftButton);
    QCOMPARE(s.plattform.meldungen, std::vector<std::string>{"File not found."});
    QVERIFY(!fs::exists(s.temp / "VSKLog.INI"));

    // A file that the system cannot run is not taken as started either.
    std::ofstream(s.cd / "VSK Setup.exe") << "MZ not a program here";
    fs::permissions(s.cd / "VSK Setup.exe", fs::perms::owner_all);
    QTest::mouseClick(Element<QPushButton>(*fenster, "BitBtnSetupVSK"), Qt::LeftButton);
    QCOMPARE(s.plattform.meldungen.size(), 2u);
    QCOMPARE(s.plattform.meldungen[1], std::string("Invalid .EXE-file."));
    QVERIFY(!fs::exists(s.temp / "VSKLog.INI"));
}

void StartupFensterTest::failedLogWriteGoesToTheErrorDisplay() {
    Scheibe s;
    s.LegeInstallerAn();
    const fs::path log = s.temp / "VSKLog.INI";
    std::ofstream(log) << "[InstallDrive]\nDrive=X\n";
    fs::permissions(log, fs::perms::owner_read);
    auto fenster = s.Fenster();
    QTest::mouseClick(Element<QPushButton>(*fenster, "BitBtnSetupVSK"), Qt::LeftButton);
    QCOMPARE(s.plattform.fehler,
             std::vector<std::string>{"Not able to write to file " + log.string()});
    QCOMPARE(Inhalt(log), std::string("[InstallDrive]\nDrive=X\n"));
    QTRY_COMPARE_WITH_TIMEOUT(Zeilen(s.cd / "starts.txt"), 1,
                              kProzessStartMs); // the installer runs anyway
}

void StartupFensterTest::modernSpanishSystemShowsEnglish() {
    Scheibe s;
    QVERIFY(test::BaueSprachmodul(s.cd / "start.esp", "es",
                                  {{"vsk::TfrmStartup", "&Close", "&Cerrar"}}));
    s.plattform.sprachID = 3082;
    auto fenster = s.Fenster();
    QCOMPARE(SichtbareMarker(*fenster), QStringList{"imgEng"});
    QCOMPARE(Element<QPushButton>(*fenster, "BitBtnEnde")->text(), QString("&Close"));
    QVERIFY(s.plattform.meldungen.empty());
}

void StartupFensterTest::languageButtonsSwitchModulesAndMarkers() {
    Scheibe s;
    QVERIFY(test::BaueSprachmodul(
        s.cd / "START.DES", "de_CH",
        {{"vsk::TfrmStartup", "&Close", "&Schliessen"},
         {"vsk::TfrmStartup", "Install Calculation program", "Berechnungsprogramm installieren"},
         {"TWinexecute", "File not found.", "Datei nicht gefunden."}}));
    QVERIFY(test::BaueSprachmodul(s.cd / "start.it", "it",
                                  {{"vsk::TfrmStartup", "&Close", "&Chiudi"}}));
    s.plattform.sprachID = 2055;
    auto fenster = s.Fenster();
    auto* ende = Element<QPushButton>(*fenster, "BitBtnEnde");
    QCOMPARE(ende->text(), QString("&Schliessen"));
    QCOMPARE(Element<QLabel>(*fenster, "lblSetupVSK")->text(),
             QString("Berechnungsprogramm installieren"));
    QCOMPARE(SichtbareMarker(*fenster), QStringList{"imgDes"});

    // Texts of the shared code come from the module too.
    QTest::mouseClick(Element<QPushButton>(*fenster, "BitBtnSetupVSK"), Qt::LeftButton);
    QCOMPARE(s.plattform.meldungen, std::vector<std::string>{"Datei nicht gefunden."});

    // A missing module: message, the texts stay, the marker is added.
    QTest::mouseClick(Element<QToolButton>(*fenster, "sbtnFra"), Qt::LeftButton);
    QCOMPARE(s.plattform.meldungen.back(), std::string("Selected language not available!"));
    QCOMPARE(ende->text(), QString("&Schliessen"));
    QCOMPARE(SichtbareMarker(*fenster), (QStringList{"imgDes", "imgFra"}));

    // The two-letter module is found; a loaded module hides the other markers.
    QTest::mouseClick(Element<QToolButton>(*fenster, "sbtnIta"), Qt::LeftButton);
    QCOMPARE(ende->text(), QString("&Chiudi"));
    QCOMPARE(SichtbareMarker(*fenster), QStringList{"imgIta"});

    // English is built in, also without a module of its own.
    const auto vorher = s.plattform.meldungen.size();
    QTest::mouseClick(Element<QToolButton>(*fenster, "sbtnEng"), Qt::LeftButton);
    QCOMPARE(s.plattform.meldungen.size(), vorher);
    QCOMPARE(ende->text(), QString("&Close"));
    QCOMPARE(SichtbareMarker(*fenster), QStringList{"imgEng"});
    QCoreApplication::processEvents(); // the posted language change must not undo it
    QCOMPARE(ende->text(), QString("&Close"));
    QCOMPARE(SichtbareMarker(*fenster), QStringList{"imgEng"});
}

void StartupFensterTest::activationRefillsTheInformationBox() {
    Scheibe s;
    auto fenster = s.Fenster();
    auto* memo = Element<QTextEdit>(*fenster, "Memo1");
    memo->setPlainText("old");
    QEvent aktiviert(QEvent::WindowActivate);
    QCoreApplication::sendEvent(fenster.get(), &aktiviert);
    QCOMPARE(memo->toPlainText(),
             QString("With the VSK program installation you can optionally install documents in "
                     "pdf-format (Brochure).\n\nTo open these documents you need Acrobat Reader."));
    QVERIFY(memo->isHidden());
}

void StartupFensterTest::installLabelsAndHoveredLanguageButtons() {
    Scheibe s;
    auto fenster = s.GezeigtMitLeser();
    QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    auto* vsk = Element<QLabel>(*fenster, "lblSetupVSK");
    auto* leser = Element<QLabel>(*fenster, "lblSetupArcobat");
    QCOMPARE(vsk->pos(), QPoint(40, 416));
    QCOMPARE(leser->pos(), QPoint(496, 32));
    QCOMPARE(vsk->width(), vsk->sizeHint().width()); // as wide as the text
    QVERIFY(leser->geometry().right() < fenster->width());

    // The mouse over a language button leaves the name under it as the picture shows it;
    // only an outline at the button's border may change.
    for (const char* name : {"sbtnEng", "sbtnDes"}) {
        auto* knopf = Element<QToolButton>(*fenster, name);
        const QRect innen = knopf->geometry().adjusted(2, 2, -2, -2);
        const QImage vorher = fenster->grab(innen).toImage();
        knopf->setAttribute(Qt::WA_UnderMouse, true);
        const QImage darueber = fenster->grab(innen).toImage();
        knopf->setAttribute(Qt::WA_UnderMouse, false);
        QVERIFY2(darueber == vorher, name);
    }
}

void StartupFensterTest::screenshot() {
    Scheibe s;
    auto fenster = s.GezeigtMitLeser();
    QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    const QString datei = QStringLiteral(VSK_BILDER "/start.png");
    QVERIFY(fenster->grab().save(datei));
    qInfo("screenshot: %s", qPrintable(datei));
}

} // namespace vsk

QTEST_MAIN(vsk::StartupFensterTest)
#include "StartupFensterTest.moc"
