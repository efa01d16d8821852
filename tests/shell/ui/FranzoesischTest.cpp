// The French module as shipped: chosen on the splash, it reaches the main window, the
// messages and the text tables of the whole run.

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/Einstellungen.h"
#include "shell/Texte.h"
#include "shell/qt/Sprachumschaltung.h"
#include "shell/ui/Programm.h"
#include "shell/ui/SplashFenster.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>
#include <set>

namespace vsk {

namespace fs = std::filesystem;

namespace {

// The English texts the module translates into something else, from its source file.
std::set<QString> UebersetzteQuellen() {
    std::set<QString> quellen;
    QFile datei(QStringLiteral(VSK_TS_FRA));
    if (!datei.open(QIODevice::ReadOnly)) {
        return quellen;
    }
    QXmlStreamReader xml(&datei);
    QString quelle;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            quelle = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString t = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (!t.isEmpty() && t != quelle) {
                quellen.insert(quelle);
            }
        }
    }
    return quellen;
}

// Texts of a window that are still English although the module has them.
QStringList EnglischGeblieben(const QWidget& fenster, const std::set<QString>& quellen) {
    QStringList texte;
    for (const QAction* a : fenster.findChildren<QAction*>()) {
        texte << a->text() << a->toolTip() << a->statusTip();
    }
    for (const QLabel* l : fenster.findChildren<QLabel*>()) {
        texte << l->text() << l->toolTip();
    }
    for (const QAbstractButton* b : fenster.findChildren<QAbstractButton*>()) {
        texte << b->text() << b->toolTip();
    }
    for (const QGroupBox* g : fenster.findChildren<QGroupBox*>()) {
        texte << g->title();
    }
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        texte << w->toolTip();
    }
    QStringList englisch;
    for (const QString& t : texte) {
        if (!t.isEmpty() && quellen.count(t) && !englisch.contains(t)) {
            englisch << t;
        }
    }
    return englisch;
}

} // namespace

class FranzoesischTest : public QObject {
    Q_OBJECT

private slots:
    void frenchOnTheSplashReachesWindowMessagesAndTextTables();
};

void FranzoesischTest::frenchOnTheSplashReachesWindowMessagesAndTextTables() {
    test::TempDir dir;
    fs::copy_file(VSK_MODUL_FRA, dir / "vsk.fra");
    test::PlattformDouble plattform;
    plattform.einstellungsdatei = dir / "vsk.INI";
    plattform.antworten.push_back(Antwort::Abbrechen);
    const fs::path programmdatei = dir / "vsk";

    Sprachumschaltung sprachen(programmdatei);
    Programm programm(plattform);
    {
        TfrmSplash splash(sprachen, programm.einstellungen(), plattform, programmdatei);
        splash.Sprachknopf(1036)->click();
        QVERIFY(plattform.meldungen.empty());
    }
    QVERIFY(sprachen.ModulGeladen());
    QCoreApplication::processEvents();

    TfrmHauptMaske haupt(programm);
    // Expected texts come from the module itself; each must differ from the English one.
    auto franzoesisch = [](const char* kontext, const char* quelle) {
        const std::string t = text(kontext, quelle);
        return t != quelle && !t.empty() ? QString::fromStdString(t) : QString();
    };
    const QString datei = QCoreApplication::translate("QMainWindow", "&File");
    QVERIFY(datei != QStringLiteral("&File"));
    QCOMPARE(haupt.menuBar()->actions().first()->text(), datei);
    const QString berechnung = QCoreApplication::translate("vsk::THauptAktionen", "&Calculation");
    QVERIFY(berechnung != QStringLiteral("&Calculation"));
    QCOMPARE(haupt.Aktionen().berechnung->text(), berechnung);

    const std::set<QString> quellen = UebersetzteQuellen();
    QVERIFY(quellen.size() > 400);
    QCOMPARE(EnglischGeblieben(haupt, quellen), QStringList());

    const QString tabelle =
        franzoesisch("Texttabellen", "Single shear connector\\Connector row, slab to slab\\"
                                     "Connector row, slab to wall\\");
    QVERIFY(!tabelle.isEmpty());
    QCOMPARE(QString::fromStdString(programm.Texte.AnwendungsfallKurz[1]),
             tabelle.split(QChar('\\'))[1]);

    // With unsaved changes New asks the save question in French (Cancel keeps everything).
    programm.Verlauf().Ungespeichert();
    haupt.Aktionen().neu->trigger();
    QCOMPARE(plattform.fragen.size(), std::size_t{1});
    const QString frage = franzoesisch("Eingabe", "Do you want to save current calculation?");
    QVERIFY(!frage.isEmpty());
    QCOMPARE(QString::fromStdString(plattform.fragen[0]), frage);
    haupt.Freigeben();
}

} // namespace vsk

QTEST_MAIN(vsk::FranzoesischTest)
#include "FranzoesischTest.moc"
