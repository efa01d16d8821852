// The zoom window and the DXF commands as the main window runs them.

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/HauptMaske.h"
#include "sketches/ui/ZoomFenster.h"
#include "support/Ereignisse.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace vsk {

namespace fs = std::filesystem;

class ZoomHauptfensterTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    QAction* Eintrag(const char* name) {
        auto* a = fenster->findChild<QAction*>(QString::fromLatin1(name));
        if (a == nullptr) {
            qFatal("no entry %s", name);
        }
        return a;
    }

    int Farbig(const QImage& bild) {
        int n = 0;
        for (int y = 0; y < bild.height(); y += 2) {
            for (int x = 0; x < bild.width(); x += 2) {
                n += (bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
            }
        }
        return n;
    }

private slots:
    void init() {
        Vorbereiten();
        Starten(Warten::Aktiv, Dateidialoge::Qt, QSize(1000, 720));
    }
    void cleanup() { Abbauen(); }

    void DxfBefehleNurMitErgebnissen() {
        const THauptAktionen& a = fenster->Aktionen();
        QVERIFY(!a.dxfBewehrung->isEnabled());
        QVERIFY(!a.dxfDorn->isEnabled());
        QVERIFY(!Eintrag("popmnuDXF")->isEnabled());
        QVERIFY(Eintrag("popmnuVollbild")->isEnabled());
        a.berechnung->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
        QVERIFY(a.dxfBewehrung->isEnabled());
        QVERIFY(a.dxfDorn->isEnabled());
        QVERIFY(Eintrag("popmnuDXF")->isEnabled());
    }

    void ZoomfensterFolgtDerSkizze() {
        TfrmZoom& zoom = fenster->Zoomfenster();
        QVERIFY(!zoom.isVisible());
        QCOMPARE(programm->AktModell().TTempFlag, std::uint8_t(1));
        Eintrag("popmnuVollbild")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&zoom));
        QVERIFY(!zoom.isModal());
        QTRY_COMPARE(programm->AktModell().TTempFlag, std::uint8_t(0));
        QTRY_COMPARE(zoom.Bild().size(), zoom.imgZoom().size());
        const QImage system = zoom.Bild();
        QVERIFY(Farbig(system) > 500);

        // The calculation switches the main window's sketch; the zoom window follows.
        fenster->Aktionen().berechnung->trigger();
        QVERIFY(programm->AktModell().TSkizzeAnzeige != SkizzenArt::System);
        QVERIFY(zoom.Bild() != system);
        QVERIFY(Farbig(zoom.Bild()) > 500);

        const QString datei = QStringLiteral(VSK_BILDER "/zoomfenster-hauptfenster.png");
        QVERIFY(zoom.grab().save(datei));
        qInfo("screenshot: %s", qPrintable(datei));
    }

    // "DXF Export - &Reinforcement" saves at once through the save dialog.
    void BewehrungSpeichernUeberDasMenue() {
        fenster->Aktionen().berechnung->trigger();
        const fs::path ziel = *verzeichnis / "plan";
        bool dialog = false;
        test::BeiModalemFenster([&](QWidget& modal) {
            auto* d = qobject_cast<QFileDialog*>(&modal);
            if (d == nullptr) {
                modal.close(); // never leave the test hanging in a dialog
                return;
            }
            dialog = true;
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* knoepfe = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (name == nullptr || knoepfe == nullptr) {
                d->reject();
                return;
            }
            name->setText(QString::fromStdString(ziel.string()));
            knoepfe->button(QDialogButtonBox::Save)->click();
        });
        fenster->Aktionen().dxfBewehrung->trigger();
        QVERIFY(dialog);
        QVERIFY(fs::exists(*verzeichnis / "plan.dxf"));
        QVERIFY(plattform->fehler.empty());
    }
};

} // namespace vsk

QTEST_MAIN(vsk::ZoomHauptfensterTest)
#include "ZoomHauptfensterTest.moc"
