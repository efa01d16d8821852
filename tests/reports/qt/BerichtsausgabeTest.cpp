#include "reports/qt/Berichtsausgabe.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Druckablauf.h"
#include "reports/qt/Berichtsbilder.h"
#include "reports/qt/Seitengeraete.h"
#include "support/Meldungstext.h"
#include "support/TempDir.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fstream>

#include <QTest>

namespace vsk {
namespace {

bool HatProgramm(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

QString Ausgabe(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Projekt {
    TKModell modell;
    TKTexttabellen texte = ErzeugeTexttabellen();
    Berichtskontext k{modell, texte, "09.12.2026", '.'};

    Projekt() {
        modell.Projektbeschreibung.TBauvorhaben = "Bridge A";
        modell.Projektbeschreibung.TFirma = {"Planning office", "Main street 1"};
        TKDornErgebnis& r = modell.AktuelleAnwendung().cErgebnisse.AktDornErgebnis();
        r.TFSdIst = 25.0001;
        r.TEtaQ = 0.8734;
        r.setTFRdStahl(80);
        r.setTFRdBeton(40);
        r.setTFRdBewehrung(60);
    }
};

class BerichtsausgabeTest : public QObject {
    Q_OBJECT

private slots:
    void DerBerichtHatA4SeitenMitTextAlsText() {
        if (!HatProgramm("pdfinfo") || !HatProgramm("pdftotext")) {
            QSKIP("poppler-utils not installed");
        }
        test::TempDir tmp;
        for (int lastfall : {1, 3}) {
            Projekt p;
            p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall =
                static_cast<std::uint8_t>(lastfall);
            const auto datei = tmp / ("bericht" + std::to_string(lastfall) + ".pdf");
            const Ausgabeergebnis e = BerichtAlsPdf(datei, p.k, StandardDruckergeometrie());
            QVERIFY2(e.ok, (test::Meldungstext() << e.fehler).c_str());
            QCOMPARE(e.seiten, lastfall == 3 ? 3 : 2);
            const QString pfad = QString::fromStdString(datei.string());
            const QString info = Ausgabe("pdfinfo", {pfad});
            QVERIFY2(info.contains(QRegularExpression("Pages:\\s+" + QString::number(e.seiten))),
                     (test::Meldungstext() << info.toStdString()).c_str());
            QVERIFY2(info.contains("(A4)"), (test::Meldungstext() << info.toStdString()).c_str());
            const QString text = Ausgabe("pdftotext", {"-layout", pfad, "-"});
            QVERIFY(text.contains("Calculation for VSK 7"));
            QVERIFY(text.contains("Company:"));
            QVERIFY(text.contains("Bridge A"));
            QVERIFY2(text.contains(QString::fromUtf8("= 87.3 %")),
                     (test::Meldungstext() << text.toStdString()).c_str());
            QVERIFY(text.contains(QString::fromUtf8("\u03B7"))); // eta
            // gamma of the partial factors (the arbitrary load has none on its pages)
            QCOMPARE(text.contains(QString::fromUtf8("\u03B3")), lastfall != 3);
            QVERIFY(text.contains(QString::fromUtf8("\u2264"))); // less or equal
            QVERIFY(text.contains(QString::fromUtf8("mm\u00B2")));
            QVERIFY(text.contains(QString::fromUtf8("reinf\u00B4t")));
            QCOMPARE(text.contains("see next page"), lastfall == 3);
            std::filesystem::copy_file(datei, datei.filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }

    void FehlschlagLaesstVorhandeneDateiStehen() {
        test::TempDir tmp;
        Projekt p;
        const auto fehlt = tmp / "no-such-dir" / "x.pdf";
        Ausgabeergebnis e = BerichtAlsPdf(fehlt, p.k, StandardDruckergeometrie());
        QVERIFY(!e.ok);
        QVERIFY(!e.fehler.empty());
        QVERIFY(!std::filesystem::exists(fehlt));
        QCOMPARE(p.k.linienbreite, 1);
    }

    void SeitenbilderHabenBildschirmaufloesung() {
        Projekt p;
        auto bilder = BerichtsVorschau(p.k, StandardDruckergeometrie());
        QCOMPARE(bilder.size(), 2u);
        // 4761 x 6816 printer pixels at 600 dpi shown at 96 per inch.
        QCOMPARE(bilder[0].width(), 762);
        QCOMPARE(bilder[0].height(), 1091);
        p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
        bilder = BerichtsVorschau(p.k, StandardDruckergeometrie());
        QCOMPARE(bilder.size(), 3u);
        for (std::size_t i = 0; i < bilder.size(); ++i) {
            QVERIFY(bilder[i].save(QString("bericht-vorschau-%1.png").arg(i + 1)));
        }
    }

    void VieleEintraegeGebenMehrereSeiten() {
        if (!HatProgramm("pdfinfo")) {
            QSKIP("poppler-utils not installed");
        }
        test::TempDir tmp;
        Projekt p;
        for (int i = 0; i < 25; ++i) {
            p.modell.Stueckliste.AddEintrag({"Slab " + std::to_string(i + 1), "1", "8", "VSK 7",
                                             "8", "Active", "1", i % 4 == 0 ? "FPS 7" : "", "63.2",
                                             "8"});
        }
        const auto datei = tmp / "liste.pdf";
        const Ausgabeergebnis e = ListeAlsPdf(datei, p.k, StandardDruckergeometrie());
        QVERIFY2(e.ok, (test::Meldungstext() << e.fehler).c_str());
        QVERIFY(e.seiten > 2);
        const QString text = Ausgabe("pdftotext", {QString::fromStdString(datei.string()), "-"});
        QCOMPARE(text.count("Connector Schedule"), e.seiten);
        QVERIFY(text.contains("Slab 25"));
        std::filesystem::copy_file(datei, "liste.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
        QVERIFY(ListenVorschau(p.k, StandardDruckergeometrie()).save("liste-vorschau.png"));
    }

    void LogoUndFormelHabenIhrSeitenverhaeltnis() {
        const QImage logo = Berichtsbild("DRUCKLOGOSW");
        QVERIFY(!logo.isNull());
        QVERIFY(std::abs((static_cast<double>(logo.width()) / logo.height()) - (3.69 / 1.23)) <=
                (0.05));
        QVERIFY(!Berichtsbild("FbeliebigeLast").isNull());
        QVERIFY(Berichtsbild("unknown").isNull());
    }
};

} // namespace
} // namespace vsk

QTEST_MAIN(vsk::BerichtsausgabeTest)
#include "BerichtsausgabeTest.moc"
