// The main window's picture commands: the sketch and the preview page as files and on the
// clipboard, driven through the sketch pop-up menu and the Export commands with a scripted
// picture dialog.

#include "mainwindow/ui/Bildbefehle.h"
#include "canvas/Aufzeichnung.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "shell/Dateischreiber.h"
#include "shell/ui/Programm.h"
#include "sketches/ui/ZoomFenster.h"
#include "support/DialogDouble.h"
#include "support/Ereignisse.h"
#include "support/Hauptfenster.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

using namespace vsk;

namespace {

std::string Inhalt(const std::filesystem::path& datei) {
    std::ifstream f(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

int Int32(const std::string& daten, std::size_t stelle) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(daten[stelle + i])) << (8 * i);
    }
    return static_cast<int>(v);
}

// The quadrants of the result sketch picture, found as the background fill each sketch
// starts with.
int Quadranten(const Aufzeichnung& a) {
    const std::vector<std::vector<int>> felder{
        {0, 0, 500, 500}, {500, 0, 1000, 500}, {0, 500, 500, 1000}, {500, 500, 1000, 1000}};
    int n = 0;
    for (const std::vector<int>& feld : felder) {
        for (const Aufgezeichnet& op : a.Nur(Operation::FillRect)) {
            if (op.k == feld) {
                ++n;
                break;
            }
        }
    }
    return n;
}

} // namespace

class BildbefehleTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    QAction* Eintrag(const char* name) {
        return fenster->findChild<QAction*>(QString::fromLatin1(name));
    }
    void Berechnen() {
        TZahlenFeld* f = fenster->Panel().Feld(QStringLiteral("meditLinienlastLinks"));
        QVERIFY(f);
        f->setFocus(Qt::MouseFocusReason);
        f->selectAll();
        QTest::keyClicks(f, QStringLiteral("50"));
        QTest::keyClick(f, Qt::Key_Tab);
        fenster->Aktionen().berechnung->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Uebersicht));
    }
    void Waehle(const std::filesystem::path& datei, Bildtyp typ) {
        dialoge->bild = TBildwahl{QString::fromStdString(datei.string()), typ};
    }
    QImage Bitmap(const std::filesystem::path& datei) {
        return QImage(QString::fromStdString(datei.string())).convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void init() { Aufbauen(); }
    void cleanup() { Abbauen(); }

    void bmpMitFremderEndungIstDasBildAufDemSchirm() {
        Berechnen();
        Waehle(*verzeichnis / "detail.emf", Bildtyp::Bmp);
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        QVERIFY(plattform->meldungen.empty());
        QVERIFY(!std::filesystem::exists(*verzeichnis / "detail.emf"));
        const QImage schirm =
            fenster->Skizze().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(Bitmap(*verzeichnis / "detail.bmp"), schirm);
        // The dialog confirmed detail.emf, not the existing detail.bmp: asked again.
        plattform->antworten = {Antwort::Nein};
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        QCOMPARE(plattform->fragen.size(), std::size_t(1));
        QVERIFY(!std::filesystem::exists(*verzeichnis / "detail.emf"));

        // The chosen type is the next export's default; JPEG is the same picture, lossy.
        Waehle(*verzeichnis / "detail", Bildtyp::Jpeg);
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        QCOMPARE(dialoge->bildVorgaben,
                 (std::vector<Bildtyp>{Bildtyp::Emf, Bildtyp::Bmp, Bildtyp::Bmp}));
        QCOMPARE(dialoge->bildOrdner.last(), QString::fromStdString(verzeichnis->pfad().string()));
        QCOMPARE(Bitmap(*verzeichnis / "detail.jpg").size(), schirm.size());

        // The clipboard gets the bitmap and the drawing as SVG.
        Eintrag("popmnuSkizzeKopieren")->trigger();
        const QMimeData* ablage = QGuiApplication::clipboard()->mimeData();
        QVERIFY(ablage && ablage->hasFormat(QStringLiteral("image/svg+xml")));
        QCOMPARE(qvariant_cast<QImage>(ablage->imageData()).convertToFormat(QImage::Format_RGB32),
                 schirm);
    }

    void emfEinerErgebnisskizzeZeigtDieQuadranten() {
        // In input mode the system sketch is drawn at the size of the sketch image.
        fenster->Bildbefehle().MitSkizzenbild(fenster->Skizze().Bild(),
                                              [&](const QImage& b, const Vektorzeichnung& v) {
                                                  QCOMPARE(QSize(v.breite, v.hoehe), b.size());
                                              });
        Berechnen();
        programm->AktModell().TSkizzeAnzeige =
            SkizzenArt::Schnitt; // the picture is the same for every kind
        Waehle(*verzeichnis / "skizze", Bildtyp::Emf);
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        const std::string emf = Inhalt(*verzeichnis / "skizze.emf");
        QVERIFY(emf.size() > 88 && emf.compare(40, 4, " EMF") == 0);
        // Frame in 0.01 mm: 1000 pixels at 96 dpi.
        QCOMPARE(Int32(emf, 32) - Int32(emf, 24), 26458);
        QCOMPARE(Int32(emf, 36) - Int32(emf, 28), 26458);

        auto zaehle = [&] {
            int n = -1;
            fenster->Bildbefehle().MitSkizzenbild(fenster->Skizze().Bild(),
                                                  [&](const QImage&, const Vektorzeichnung& v) {
                                                      QCOMPARE(v.breite, 1000);
                                                      QCOMPARE(v.hoehe, 1000);
                                                      Aufzeichnung a;
                                                      v.zeichne(a);
                                                      n = Quadranten(a);
                                                  });
            return n;
        };
        QCOMPARE(zaehle(), 4);
        programm->AktAnwendung().cBelastungDesign.TBelastungsfall =
            Belastungsfall::Punktlast; // point load: no row
        QCOMPARE(zaehle(), 3);
    }

    void schreibgeschuetztesZielBleibtUnberuehrt() {
        Berechnen();
        const std::filesystem::path alt = *verzeichnis / "alt.bmp";
        std::ofstream(alt) << "old picture";
        std::filesystem::permissions(alt, std::filesystem::perms::owner_read);
        Waehle(alt, Bildtyp::Bmp);
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        QCOMPARE(plattform->meldungen.size(), std::size_t(1));
        QVERIFY(plattform->meldungen[0].find("alt.bmp") != std::string::npos);
        QCOMPARE(Inhalt(alt), std::string("old picture"));
        std::filesystem::permissions(alt, std::filesystem::perms::owner_all);

        // A full disk: the old picture stays, the reason is said (it was once an empty file
        // and no word).
        SetzeSchreibeingriff([](std::size_t, std::size_t) { return ENOSPC; });
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        SetzeSchreibeingriff({});
        QCOMPARE(plattform->meldungen.size(), std::size_t(2));
        QVERIFY(plattform->meldungen[1].find(std::strerror(ENOSPC)) != std::string::npos);
        QCOMPARE(Inhalt(alt), std::string("old picture"));

        // A cancelled dialog writes nothing and says nothing.
        dialoge->bild.reset();
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        QCOMPARE(plattform->meldungen.size(), std::size_t(2));
    }

    void vorschauseiteUndZoomfenster() {
        QVERIFY(!fenster->Aktionen().exportDatei->isEnabled()); // preview mode only
        Berechnen();
        fenster->Aktionen().vorschau->trigger();
        QVERIFY(fenster->Aktionen().exportDatei->isEnabled());
        Waehle(*verzeichnis / "seite.bmp", Bildtyp::Bmp);
        fenster->Aktionen().exportDatei->trigger();
        QCOMPARE(Bitmap(*verzeichnis / "seite.bmp"), fenster->VorschauBereich()
                                                         .Bild(TVorschau::Ergebnisseite)
                                                         .convertToFormat(QImage::Format_RGB32));
        Waehle(*verzeichnis / "seite.svg", Bildtyp::Svg);
        fenster->Aktionen().exportDatei->trigger();
        QVERIFY(Inhalt(*verzeichnis / "seite.svg").find("Calculation for") != std::string::npos);

        // The zoom window's Export goes through the same command.
        fenster->Aktionen().systemeingabe->trigger();
        TfrmZoom& zoom = fenster->Zoomfenster();
        zoom.ZeigeBei(fenster.get());
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        zoom.Neuzeichnen();
        Waehle(*verzeichnis / "zoom.bmp", Bildtyp::Bmp);
        zoom.BitBtnExportClick();
        QCOMPARE(Bitmap(*verzeichnis / "zoom.bmp"),
                 zoom.Bild().convertToFormat(QImage::Format_RGB32));
        QVERIFY(plattform->meldungen.empty());
        zoom.close();
    }

    // The platform's dialog: preset to the default type with "*." and its extension as the
    // name; the type chosen there is returned with the name as typed.
    void exportdialogLiefertNameUndTyp() {
        QString name;
        QString filter;
        test::BeiModalemFenster([&](QWidget& modal) {
            auto* d = qobject_cast<QFileDialog*>(&modal);
            if (d == nullptr) {
                modal.close(); // never leave the test hanging in a dialog
                return;
            }
            auto* eingabe = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* typen = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            auto* knoepfe = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (eingabe == nullptr || typen == nullptr || knoepfe == nullptr) {
                d->reject();
                return;
            }
            name = eingabe->text();
            filter = d->selectedNameFilter();
            typen->setCurrentIndex(1); // BMP
            eingabe->setText(QStringLiteral("detail.emf"));
            knoepfe->button(QDialogButtonBox::Save)->click();
        });
        const auto wahl = QtDateidialoge()->BildDatei(
            fenster.get(), Bildtyp::Jpeg, QString::fromStdString(verzeichnis->pfad().string()));
        QCOMPARE(name, QStringLiteral("*.jpg"));
        QCOMPARE(BildtypZumFilter(filter), Bildtyp::Jpeg);
        QVERIFY(wahl);
        QCOMPARE(QFileInfo(wahl->datei).fileName(), QStringLiteral("detail.emf"));
        QCOMPARE(wahl->typ, Bildtyp::Bmp);
    }

    // With VSK_BILDER set to a directory, exports the result sketch and the preview page
    // in every picture type there, to be opened with other programs.
    void alleBildtypenWerdenGeschrieben() {
        const QByteArray ziel = qgetenv("VSK_BILDER");
        if (ziel.isEmpty()) {
            QSKIP("VSK_BILDER not set");
        }
        const std::filesystem::path ordner = ziel.toStdString();
        const std::vector<Bildtyp> typen{Bildtyp::Emf, Bildtyp::Bmp, Bildtyp::Jpeg, Bildtyp::Svg};
        fenster->resize(1100, 800);              // a sketch of a usual size
        Waehle(ordner / "system", Bildtyp::Emf); // input mode: the system sketch
        Eintrag("popmnuSkizzeSpeichern")->trigger();
        Berechnen();
        for (Bildtyp t : typen) {
            Waehle(ordner / "skizze", t);
            Eintrag("popmnuSkizzeSpeichern")->trigger();
        }
        fenster->Aktionen().vorschau->trigger();
        for (Bildtyp t : typen) {
            Waehle(ordner / "seite", t);
            fenster->Aktionen().exportDatei->trigger();
        }
        QVERIFY(plattform->meldungen.empty());
    }
};

QTEST_MAIN(BildbefehleTest)
#include "BildbefehleTest.moc"
