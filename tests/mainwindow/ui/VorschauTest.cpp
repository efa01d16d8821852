// The report preview driven by keys: Ctrl++ and Ctrl+- zoom, the pages are drawn anew for
// the zoom (not a scaled picture), Ctrl+0 shows a whole page, Ctrl+Page Down and
// Ctrl+Page Up go from page to page and "Page k of n" follows.

#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/ui/Programm.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace vsk;

class VorschauTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    TVorschau& V() { return fenster->VorschauBereich(); }
    QString Text(const char* name) {
        return V().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    // The result page as the report draws it at the resolution.
    QImage Seite(int dpi) {
        Berichtskontext k(Modell(), programm->Texte, plattform->HeuteText(), programm->Trenner());
        return BerichtsVorschau(k, AktuelleDruckergeometrie(), V().logicalDpiX(), dpi).front();
    }
    void Taste(int taste) {
        QTest::keyClick(&V(), static_cast<Qt::Key>(taste), Qt::ControlModifier);
    }

private slots:
    void init() {
        Vorbereiten();
        Starten(Warten::Sichtbar, Dateidialoge::Skript, QSize(1000, 700));
        // An arbitrary load gives the report three pages.
        Akt().cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
        Akt().cBelastungDesign.AddPunkt(0, 20);
        Akt().cBelastungDesign.AddPunkt(2000, 40);
        fenster->Aktionen().vorschau->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Vorschau));
        QApplication::processEvents(); // the preview takes its place in the window
    }
    void cleanup() { Abbauen(); }

    void zoomMitTastenZeichnetDieSeitenNeu() {
        QCOMPARE(Text("lblZoom"), QStringLiteral("100 %"));
        const int dpi = V().logicalDpiX();
        QCOMPARE(V().Bild(TVorschau::Ergebnisseite), Seite(dpi));
        Taste(Qt::Key_Plus);
        Taste(Qt::Key_Plus);
        QCOMPARE(Text("lblZoom"), QStringLiteral("125 %"));
        QCOMPARE(V().ZoomDpi(), dpi * 125 / 100);
        // Drawn for the zoom: the page as the report draws it at that resolution.
        QCOMPARE(V().Bild(TVorschau::Ergebnisseite), Seite(V().ZoomDpi()));
        Taste(Qt::Key_Minus);
        QCOMPARE(Text("lblZoom"), QStringLiteral("110 %"));

        // Ctrl with the wheel zooms too.
        const QPointF p(50, 50);
        QWheelEvent rad(p, V().viewport()->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(V().viewport(), &rad);
        QCOMPARE(Text("lblZoom"), QStringLiteral("125 %"));

        // A whole page fits the area; the width fills it.
        Taste(Qt::Key_0);
        const QLabel* seite = V().SeitenBild(TVorschau::Ergebnisseite);
        QVERIFY(seite->height() <= V().viewport()->height());
        QVERIFY(seite->height() > V().viewport()->height() * 9 / 10);
        V().findChild<QAction*>(QStringLiteral("tbSeitenbreite"))->trigger();
        QVERIFY(seite->width() <= V().viewport()->width());
        QVERIFY(seite->width() > V().viewport()->width() * 9 / 10);
    }

    void seitenMitTastenBlaettern() {
        QCOMPARE(V().Seitenzahl(), 3);
        QCOMPARE(Text("lblSeite"), QStringLiteral("Page 1 of 3"));
        Taste(Qt::Key_PageDown);
        QCOMPARE(Text("lblSeite"), QStringLiteral("Page 2 of 3"));
        QCOMPARE(V().verticalScrollBar()->value(), V().SeitenBild(TVorschau::Lastseite)->y() - 8);
        Taste(Qt::Key_PageDown);
        QCOMPARE(Text("lblSeite"), QStringLiteral("Page 3 of 3"));
        Taste(Qt::Key_PageUp);
        Taste(Qt::Key_PageUp);
        QCOMPARE(Text("lblSeite"), QStringLiteral("Page 1 of 3"));
        QCOMPARE(V().verticalScrollBar()->value(), 0);
        // Page Down alone still scrolls by two thirds of the view.
        QTest::keyClick(&V(), Qt::Key_PageDown);
        QCOMPARE(V().verticalScrollBar()->value(), V().viewport()->height() / 3 * 2);
    }
};

QTEST_MAIN(VorschauTest)
#include "VorschauTest.moc"
