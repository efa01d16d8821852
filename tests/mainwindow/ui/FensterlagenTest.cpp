// The windows as the user left them: the main window's place and size, its splitters and
// the zoom window's size come back at the next start through the settings file; a place
// that is on no screen any more, and a size larger than the screen, are not used.

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Fenstergedaechtnis.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/Einstellungen.h"
#include "sketches/ui/ZoomFenster.h"
#include "support/Dateiinhalt.h"
#include "support/Hauptfenster.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QTest>

using namespace vsk;

class FensterlagenTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    QSplitter* Teiler(const char* name) {
        return fenster->findChild<QSplitter*>(QString::fromLatin1(name));
    }
    // The end of the run and a new start on the same settings file.
    void Neustart() {
        fenster->Freigeben();
        fenster.reset();
        programm.reset();
        Starten();
    }
    QRect Bildschirm() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void init() { Vorbereiten(); }
    void cleanup() { Abbauen(); }

    void lageGroesseUndTeilerUeberstehenDenNeustart() {
        Starten();
        const QRect lage(Bildschirm().topLeft() + QPoint(30, 40), QSize(700, 500));
        fenster->setGeometry(lage);
        Teiler("splVertikal")->setSizes({150, 10000});
        const QList<int> navigation = Teiler("splVertikal")->sizes();
        QCOMPARE(navigation.front(), 150);
        // The overview's splitter counts while the results are shown.
        fenster->SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
        Teiler("splUebersicht")->setSizes({260, 150});
        QApplication::processEvents();
        const Fensterlagen vorher = fenster->Fenstergedaechtnis().Lagen();
        fenster->Zoomfenster().resize(520, 410);
        Neustart();

        QCOMPARE(fenster->geometry(), lage);
        QCOMPARE(Teiler("splVertikal")->sizes(), navigation);
        fenster->SetAnzeigeModus(TfrmHauptMaske::Uebersicht);
        QApplication::processEvents();
        QCOMPARE(Teiler("splUebersicht")->sizes(),
                 (QList<int>{vorher.teilerUebersicht.begin(), vorher.teilerUebersicht.end()}));
        QCOMPARE(fenster->Zoomfenster().size(), QSize(520, 410));
        Einstellungen e(plattform->einstellungsdatei, '.');
        QCOMPARE(e.ReadInteger("Fenster", "Breite", 0), 700);
    }

    void maximiertBleibtMaximiert() {
        Starten();
        fenster->showMaximized();
        QTRY_VERIFY(fenster->isMaximized());
        Neustart();
        QTRY_VERIFY(fenster->isMaximized());
    }

    // A place on a screen that is gone is not used: the window opens centred, and a size
    // from a larger screen shrinks to this one.
    void lageAusserhalbAllerBildschirmeWirdNichtBenutzt() {
        test::Lege(plattform->einstellungsdatei,
                   "[Fenster]\nLinks=5000\nOben=5000\nBreite=4000\nHoehe=3000\n");
        Starten();
        const QRect schirm = Bildschirm();
        QVERIFY(schirm.contains(fenster->frameGeometry()));
        // Centred, to the frame the window system adds.
        QVERIFY(qAbs(fenster->frameGeometry().center().x() - schirm.center().x()) <= 8);
    }

    void ersteGroessePasstAufDenBildschirm() {
        Starten();
        QVERIFY(Bildschirm().contains(fenster->frameGeometry()));
        QVERIFY(fenster->width() <= 792);
    }
};

QTEST_MAIN(FensterlagenTest)
#include "FensterlagenTest.moc"
