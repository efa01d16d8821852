#include "shell/ui/HilfeFenster.h"

#include "shell/ui/Hilfe.h"
#include "support/TempDir.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>

namespace vsk {

class HilfeFensterTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowOpensAtItsContextNumberAndTopic();
    void keywordSearchShowsTheFirstMatchingPlace();
    void theProgramsHelpReusesOneViewer();
    void missingHelpPagesSayWhereTheyWereLookedFor();
};

void HilfeFensterTest::everyWindowOpensAtItsContextNumberAndTopic() {
    TfrmHilfe hilfe(QStringLiteral(VSK_HILFE));
    const std::pair<int, const char*> kontexte[] = {
        {210, "hauptmaske.html"},        {220, "beliebigelast.html"}, {230, "bemessung.html"},
        {240, "farbeinstellung.html"},   {250, "bewehrung.html"},     {260, "projektdaten.html"},
        {270, "projektverwaltung.html"}, {280, "stueckliste.html"}};
    for (const auto& [kontext, seite] : kontexte) {
        QVERIFY2(hilfe.ZeigeKontext(kontext), seite);
        QCOMPARE(hilfe.AktuelleSeite(), QString::fromLatin1(seite));
        QVERIFY(!hilfe.Browser().toPlainText().isEmpty());
    }
    const std::pair<const char*, const char*> themen[] = {
        {"MaskeProjektverwaltung", "projektverwaltung.html"},
        {"MaskeProjektdaten", "projektdaten.html"},
        {"MaskeBewehrung", "bewehrung.html"},
        {"MaskeQuerkraft", "beliebigelast.html"},
        {"maskestueckliste", "stueckliste.html"}};
    for (const auto& [thema, seite] : themen) {
        QVERIFY2(hilfe.ZeigeThema(QString::fromLatin1(thema)), thema);
        QCOMPARE(hilfe.AktuelleSeite(), QString::fromLatin1(seite));
    }
    // Unknown numbers and names fall back to the contents.
    QVERIFY(!hilfe.ZeigeKontext(999));
    QCOMPARE(hilfe.AktuelleSeite(), QStringLiteral("inhalt.html"));
    QVERIFY(!hilfe.ZeigeThema(QStringLiteral("MaskeGibtEsNicht")));
    QCOMPARE(hilfe.AktuelleSeite(), QStringLiteral("inhalt.html"));

    // Every page has a title and is reachable from the contents.
    QCOMPARE(int(hilfe.Index().Seiten().size()),
             QDir(QStringLiteral(VSK_HILFE)).entryList({QStringLiteral("*.html")}).size());
    for (const THilfeseite& s : hilfe.Index().Seiten()) {
        QVERIFY2(!s.titel.isEmpty(), qPrintable(s.datei));
    }
}

void HilfeFensterTest::keywordSearchShowsTheFirstMatchingPlace() {
    TfrmHilfe hilfe(QStringLiteral(VSK_HILFE));
    hilfe.ZeigeSuche(QStringLiteral("joint w"));
    QVERIFY(hilfe.Stichwortliste().count() >= 1);
    QVERIFY(hilfe.Stichwortliste().item(0)->text().startsWith(QStringLiteral("joint width"),
                                                              Qt::CaseInsensitive));
    QCOMPARE(hilfe.AktuelleSeite(), QStringLiteral("eingaben.html#fugenbreite"));
    // Status texts with characters that HTML escapes are found as the user reads them.
    QVERIFY(!hilfe.Index().Suche(QStringLiteral("Vsd > VRd")).empty());
    const QByteArray bilder = qgetenv("VSK_BILDER");
    if (!bilder.isEmpty()) {
        hilfe.show();
        hilfe.grab().save(QString::fromLocal8Bit(bilder) + QStringLiteral("/hilfe.png"));
    }
    hilfe.ZeigeSuche();
    QCOMPARE(hilfe.Stichwortliste().count(), int(hilfe.Index().Stichwoerter().size()));
}

void HilfeFensterTest::theProgramsHelpReusesOneViewer() {
    Hilfe::SetzeVerzeichnis(VSK_HILFE);
    QWidget hauptfenster;
    hauptfenster.show();
    QVERIFY(Hilfe::ZeigeKontext(210, &hauptfenster));
    TfrmHilfe* hilfe = Hilfe::OffenesFenster();
    QVERIFY(hilfe);
    QVERIFY(hilfe->isVisible());
    QCOMPARE(hilfe->window()->parentWidget(), &hauptfenster);
    QVERIFY(Hilfe::ZeigeThema(QStringLiteral("MaskeBewehrung"), &hauptfenster));
    QCOMPARE(Hilfe::OffenesFenster(), hilfe);
    QCOMPARE(hilfe->AktuelleSeite(), QStringLiteral("bewehrung.html"));

    // F1 in a dialog opens its page; the viewer moves over it so that it stays usable.
    Hilfe::InstalliereF1();
    QDialog dialog(&hauptfenster);
    dialog.setObjectName(QStringLiteral("frmBewehrung"));
    auto* feld = new QLineEdit(&dialog);
    dialog.show();
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_F1);
    QCOMPARE(Hilfe::OffenesFenster(), hilfe);
    QCOMPARE(hilfe->parentWidget(), &dialog);
    QCOMPARE(hilfe->AktuelleSeite(), QStringLiteral("bewehrung.html"));
    // In the viewer F1 explains the viewer; in a window without a page, the contents.
    Hilfe::F1(&hilfe->Browser());
    QCOMPARE(hilfe->AktuelleSeite(), QStringLiteral("hilfe_benutzen.html"));
    QDialog ohneSeite(&hauptfenster);
    Hilfe::F1(&ohneSeite);
    QCOMPARE(hilfe->AktuelleSeite(), QStringLiteral("inhalt.html"));
}

void HilfeFensterTest::missingHelpPagesSayWhereTheyWereLookedFor() {
    test::TempDir leer;
    TfrmHilfe hilfe(QFile::decodeName(leer.pfad().c_str()));
    hilfe.ZeigeInhalt();
    QVERIFY(hilfe.Browser().toPlainText().contains(QStringLiteral("Help not found")));
    QVERIFY(hilfe.Browser().toPlainText().contains(QFile::decodeName(leer.pfad().c_str())));
    QVERIFY(!hilfe.ZeigeKontext(210));
}

} // namespace vsk

QTEST_MAIN(vsk::HilfeFensterTest)
#include "HilfeFensterTest.moc"
