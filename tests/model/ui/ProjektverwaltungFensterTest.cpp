#include "model/ui/ProjektverwaltungFenster.h"
#include "model/Modell.h"
#include "model/Projektdatei.h"
#include "shell/Einstellungen.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

namespace vsk::test {

class ProjektverwaltungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void ListetDateienUndPositionen();
    void UebernimmtEinePosition();
    void OeffnenFragtErst();
    void VerzeichnisUeberNeustart();
    void FensterbildWirdAufWunschGeschrieben();
};

namespace {

const std::filesystem::path kDaten = std::filesystem::path(VSK_TEST_DATA) / "projekt";

// A directory with the three-position project (lower-case extension), another file and
// a sub-directory.
struct Verzeichnis {
    TempDir dir;
    PlattformDouble plattform;
    std::unique_ptr<Einstellungen> ini;

    Verzeichnis() {
        std::filesystem::copy_file(kDaten / "referenz_mehrere.VSK", dir / "drei.vsk");
        std::ofstream(dir / "notiz.txt") << "no project";
        std::filesystem::create_directory(dir / "unter");
        ini = std::make_unique<Einstellungen>(dir / "VSK.INI", '.');
    }
    QString Pfad() const { return QString::fromStdString(dir.pfad().string()); }
};

int Modal(TfrmProjektverwaltung& f, TKModell& m, const std::function<void()>& aktion) {
    QTimer::singleShot(0, &f, [&] {
        aktion();
        if (f.isVisible()) {
            f.reject();
        }
    });
    return f.Zeige(m);
}

} // namespace

void ProjektverwaltungFensterTest::ListetDateienUndPositionen() {
    Verzeichnis v;
    TfrmProjektverwaltung f(*v.ini, v.plattform, {});
    QVERIFY(f.SetzeVerzeichnis(v.Pfad()));
    QCOMPARE(f.lbDateien->count(), 1);
    QCOMPARE(f.lbDateien->item(0)->text(), QStringLiteral("drei.vsk"));
    QVERIFY(!f.lbVerzeichnis->findItems(QStringLiteral("unter"), Qt::MatchExactly).isEmpty());
    QVERIFY(!f.BitBtnOeffnen->isEnabled());
    f.lbDateien->setCurrentRow(0);
    QVERIFY(f.BitBtnOeffnen->isEnabled());
    QVERIFY(!f.BitBtnUebernehmen->isEnabled());
    QCOMPARE(f.lvPositionen->topLevelItemCount(), 3);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(f.lvPositionen->topLevelItem(k)->text(0), QStringLiteral("No: %1").arg(k + 1));
        QCOMPARE(f.lvPositionen->topLevelItem(k)->text(1), QStringLiteral("VSK_2.0"));
    }
    QCOMPARE(f.lvPositionen->topLevelItem(1)->text(5), QStringLiteral("200.0 cm"));
    f.lvPositionen->setCurrentItem(f.lvPositionen->topLevelItem(1));
    QVERIFY(f.BitBtnUebernehmen->isEnabled());

    // Into the sub-directory: no files, nothing listed, both commands off.
    f.lbVerzeichnis->itemActivated(
        f.lbVerzeichnis->findItems(QStringLiteral("unter"), Qt::MatchExactly).first());
    QVERIFY(f.Verzeichnis().endsWith(QStringLiteral("/unter")));
    QCOMPARE(f.lbDateien->count(), 0);
    QCOMPARE(f.lvPositionen->topLevelItemCount(), 0);
    QVERIFY(!f.BitBtnOeffnen->isEnabled() && !f.BitBtnUebernehmen->isEnabled());
}

void ProjektverwaltungFensterTest::UebernimmtEinePosition() {
    Verzeichnis v;
    TKModell datei;
    QVERIFY(LoadProjekt(datei, v.dir / "drei.vsk", v.plattform));
    TfrmProjektverwaltung f(*v.ini, v.plattform, {});
    f.SetzeVerzeichnis(v.Pfad());
    TKModell m;
    m.AktuelleAnwendung().TPosition = "mine";
    const int ergebnis = Modal(f, m, [&] {
        QVERIFY(!f.BitBtnUebernehmen->isEnabled()); // activation turns it off
        f.lbDateien->setCurrentRow(0);
        f.lvPositionen->setCurrentItem(f.lvPositionen->topLevelItem(2));
        f.BitBtnUebernehmen->click();
    });
    QCOMPARE(ergebnis, int(QDialog::Accepted));
    QCOMPARE(int(m.TAnzAnwendung()), 2);
    QCOMPARE(m.Anwendung(1).TPosition, std::string("mine"));
    QCOMPARE(m.Anwendung(2).TPosition, datei.Anwendung(3).TPosition);
    QCOMPARE(m.Anwendung(2).cGeometrie.TFugenlaenge, datei.Anwendung(3).cGeometrie.TFugenlaenge);

    // Without a selected row the command closes with Cancel and imports nothing.
    QCOMPARE(Modal(f, m, [&] { f.BitBtnUebernehmen->click(); }), int(QDialog::Rejected));
    QCOMPARE(int(m.TAnzAnwendung()), 2);

    // A file broken after it was listed: its message, the window stays open, nothing imported.
    const int gebrochen = Modal(f, m, [&] {
        f.lbDateien->setCurrentRow(0);
        f.lvPositionen->setCurrentItem(f.lvPositionen->topLevelItem(0));
        std::ofstream(v.dir / "drei.vsk") << "broken";
        f.BitBtnUebernehmen->click();
        QVERIFY(f.isVisible());
    });
    QCOMPARE(gebrochen, int(QDialog::Rejected));
    QCOMPARE(int(m.TAnzAnwendung()), 2);
    QVERIFY(!v.plattform.meldungen.empty());
}

void ProjektverwaltungFensterTest::OeffnenFragtErst() {
    Verzeichnis v;
    int fragen = 0;
    bool weiter = false;
    QString geoeffnet;
    TfrmProjektverwaltung::Befehle befehle{[&] {
                                               ++fragen;
                                               return weiter;
                                           },
                                           [&](const QString& pfad) {
                                               geoeffnet = pfad;
                                               return true;
                                           }};
    TfrmProjektverwaltung f(*v.ini, v.plattform, befehle);
    f.SetzeVerzeichnis(v.Pfad());
    TKModell m;
    Modal(f, m, [&] {
        f.lbDateien->setCurrentRow(0);
        f.BitBtnOeffnen->click(); // cancelled: stays open, opens nothing
        QVERIFY(f.isVisible());
        weiter = true;
        f.BitBtnOeffnen->click();
        QVERIFY(!f.isVisible());
    });
    QCOMPARE(fragen, 2);
    QVERIFY(geoeffnet.endsWith(QStringLiteral("/drei.vsk")));
}

void ProjektverwaltungFensterTest::VerzeichnisUeberNeustart() {
    Verzeichnis v;
    const QString unter = QDir(v.Pfad()).filePath(QStringLiteral("unter"));
    {
        TfrmProjektverwaltung f(*v.ini, v.plattform, {});
        QVERIFY(f.SetzeVerzeichnis(unter));
        QVERIFY(!f.SetzeVerzeichnis(QDir(v.Pfad()).filePath(QStringLiteral("fehlt"))));
    }
    // A new run: a new settings object on the same file.
    Einstellungen neu(v.dir / "VSK.INI", '.');
    TfrmProjektverwaltung g(neu, v.plattform, {});
    QCOMPARE(g.Verzeichnis(), QDir(unter).canonicalPath());
}

void ProjektverwaltungFensterTest::FensterbildWirdAufWunschGeschrieben() {
    Verzeichnis v;
    TfrmProjektverwaltung f(*v.ini, v.plattform, {});
    f.SetzeVerzeichnis(v.Pfad());
    TKModell m;
    Modal(f, m, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.lbDateien->setCurrentRow(0);
        f.lvPositionen->setCurrentItem(f.lvPositionen->topLevelItem(1));
        const QImage bild = f.grab().toImage();
        QCOMPARE(bild.size(), QSize(632, 341));
        const QString ziel = qEnvironmentVariable("VSK_FENSTERBILDER");
        if (!ziel.isEmpty()) {
            QDir().mkpath(ziel);
            bild.save(QDir(ziel).filePath(QStringLiteral("projektverwaltung.png")));
        }
    });
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::ProjektverwaltungFensterTest)
#include "ProjektverwaltungFensterTest.moc"
