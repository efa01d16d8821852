#include "model/ui/StuecklisteFenster.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/ListeExport.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace vsk::test {

class StuecklisteFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void ZeigtDieEintraegeUndDieKoepfe();
    void AnzahlZurueckSpeichertSchliessenVerwirft();
    void AbgehakteUndGeloeschteEintraege();
    void VorschauUebernimmtUndExportiert();
    void FensterbildWirdAufWunschGeschrieben();
};

namespace {

TKStueckliste::Eintrag Eintrag(const std::string& name, const std::string& dorne,
                               const std::string& pos) {
    return {name, "1", dorne, "VSK 32", dorne, TextAktiv(), pos, "", "63.2", dorne};
}

TKModell ModellMitListe() {
    TKModell m;
    m.Stueckliste.AddEintrag(Eintrag("Slab A", "8", "1"));
    m.Stueckliste.AddEintrag(Eintrag("Wall B", "5", "2"));
    m.Stueckliste.TBemerkung = {"remark one", "remark two"};
    return m;
}

// Opens the window modally on the model and runs the action once it is up.
int Modal(TfrmStueckliste& f, TKModell& m, const std::function<void()>& aktion) {
    QTimer::singleShot(0, &f, [&] {
        aktion();
        if (f.isVisible()) { // a failed check returned early
            f.reject();
        }
    });
    return f.Zeige(m);
}

bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& text) {
    return std::any_of(zeilen.begin(), zeilen.end(),
                       [&](const std::string& z) { return z.find(text) != std::string::npos; });
}

} // namespace

void StuecklisteFensterTest::ZeigtDieEintraegeUndDieKoepfe() {
    PlattformDouble p;
    TfrmStueckliste f(p, Texttabellen());
    TKModell m = ModellMitListe();
    m.Stueckliste.GetEintrag(1)[StuecklisteSpalte::Brandschutz] = "F30";
    m.Stueckliste.GetEintrag(2)[StuecklisteSpalte::Brandschutz] = "F90";
    Modal(f, m, [&] {
        QCOMPARE(f.lvListe->topLevelItemCount(), 2);
        QCOMPARE(f.lvListe->topLevelItem(0)->checkState(0), Qt::Checked);
        QCOMPARE(f.lvListe->topLevelItem(1)->text(4), QStringLiteral("VSK 32  +  F90"));
        // The first entry's fire protection text is shown on opening, not on selecting.
        QCOMPARE(f.lblAuswahl->text(), QStringLiteral("Position: Slab A  /  VSK 32  +  F30"));
        f.lvListe->setCurrentItem(f.lvListe->topLevelItem(1));
        QCOMPARE(f.lblAuswahl->text(), QStringLiteral("Position: Wall B  /  VSK 32"));
        f.lvListe->setCurrentItem(f.lvListe->topLevelItem(0));
        QCOMPARE(f.lblAuswahl->text(), QStringLiteral("Position: Slab A  /  VSK 32"));
        QCOMPARE(f.memoBemerkung->toPlainText(), QStringLiteral("remark one\nremark two"));
        QVERIFY(!f.Vorschaumodus());
        f.reject();
    });
    // The check column is 45 wide; the five shown heads are their text plus 25 (at least
    // 30), the other five hidden.
    QCOMPARE(f.Spaltenbreite(0), 45);
    QVERIFY(f.Spaltenbreite(1) > f.Spaltenbreite(2)); // "Position" carries trailing blanks
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(f.Spaltenbreite(i) >= 30 && f.Spaltenbreite(i) <= 600);
        QVERIFY(!f.lvListe->header()->isSectionHidden(i));
    }
    for (int i = 6; i <= 10; ++i) {
        QCOMPARE(f.Spaltenbreite(i), 0);
        QVERIFY(f.lvListe->header()->isSectionHidden(i));
    }
    QCOMPARE(f.Arbeitskopie().EintragCount(), 0); // discarded on closing
}

void StuecklisteFensterTest::AnzahlZurueckSpeichertSchliessenVerwirft() {
    PlattformDouble p;
    TfrmStueckliste f(p, Texttabellen());
    TKModell m = ModellMitListe();
    auto aendern = [&] {
        f.lvListe->setCurrentItem(f.lvListe->topLevelItem(0));
        f.spinAnzahl->setValue(3);
        QCOMPARE(f.lvListe->topLevelItem(0)->text(2), QStringLiteral("3"));
        QCOMPARE(f.lvListe->topLevelItem(0)->text(5), QStringLiteral("24"));
        // Selecting another row shows its number without changing it.
        f.lvListe->setCurrentItem(f.lvListe->topLevelItem(1));
        QCOMPARE(f.spinAnzahl->value(), 1);
        QCOMPARE(f.Arbeitskopie().GetEintrag(2)[StuecklisteSpalte::SummeDorne], "5");
    };
    QCOMPARE(Modal(f, m,
                   [&] {
                       aendern();
                       f.close(); // the close box
                   }),
             int(QDialog::Rejected));
    QCOMPARE(m.Stueckliste.GetEintrag(1)[StuecklisteSpalte::AnzahlPos], std::string("1"));
    QCOMPARE(m.Stueckliste.GetEintrag(1)[StuecklisteSpalte::SummeDorne], std::string("8"));

    QCOMPARE(Modal(f, m,
                   [&] {
                       aendern();
                       f.memoBemerkung->setPlainText(QStringLiteral("only line"));
                       f.BitBtnZurueck->click();
                   }),
             int(QDialog::Accepted));
    QCOMPARE(m.Stueckliste.GetEintrag(1)[StuecklisteSpalte::AnzahlPos], std::string("3"));
    QCOMPARE(m.Stueckliste.GetEintrag(1)[StuecklisteSpalte::SummeDorne], std::string("24"));
    QCOMPARE(m.Stueckliste.GetEintrag(2)[StuecklisteSpalte::SummeDorne], std::string("5"));
    QCOMPARE(m.Stueckliste.TBemerkung, std::vector<std::string>{"only line"});
}

void StuecklisteFensterTest::AbgehakteUndGeloeschteEintraege() {
    PlattformDouble p;
    TfrmStueckliste f(p, Texttabellen());
    TKModell m = ModellMitListe();
    Modal(f, m, [&] {
        f.lvListe->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        f.BitBtnZurueck->click();
    });
    QCOMPARE(m.Stueckliste.GetEintrag(2)[StuecklisteSpalte::Status], TextNichtAktiv());
    const auto zeilen = ListeTextZeilen(m.Projektbeschreibung, m.Stueckliste, p.heute);
    QVERIFY(Enthaelt(zeilen, "Slab A"));
    QVERIFY(!Enthaelt(zeilen, "Wall B"));

    Modal(f, m, [&] {
        // Without a selection nothing is deleted.
        f.lvListe->clearSelection();
        f.BitBtnLoeschen->click();
        QCOMPARE(f.Arbeitskopie().EintragCount(), 2);
        f.lvListe->setCurrentItem(f.lvListe->topLevelItem(0));
        f.BitBtnLoeschen->click();
        QCOMPARE(f.lvListe->topLevelItemCount(), 1);
        QVERIFY(f.lblAuswahl->text().isEmpty());
        f.BitBtnZurueck->click();
    });
    QCOMPARE(m.Stueckliste.EintragCount(), 1);
    QCOMPARE(m.Stueckliste.GetEintrag(1)[StuecklisteSpalte::Position], std::string("Wall B"));
}

void StuecklisteFensterTest::VorschauUebernimmtUndExportiert() {
    TempDir dir;
    PlattformDouble p;
    TfrmStueckliste f(p, Texttabellen());
    TKModell m = ModellMitListe();
    const QString basis = QString::fromStdString((dir / "liste").string());
    Modal(f, m, [&] {
        f.lvListe->setCurrentItem(f.lvListe->topLevelItem(1));
        f.spinAnzahl->setValue(4);
        f.BitBtnVorschau->click();
        QVERIFY(f.Vorschaumodus());
        QVERIFY(f.scBoxVorschau->isVisibleTo(&f) && !f.lvListe->isVisibleTo(&f));
        QVERIFY(f.BitBtnExport->isVisibleTo(&f) && !f.BitBtnVorschau->isVisibleTo(&f));
        QVERIFY(f.Vorschaubild().width() > 300 && f.Vorschaubild().height() > 200);

        QVERIFY(f.Exportieren(basis + QStringLiteral(".emf"), ListeExportArt::Text));
        QVERIFY(std::filesystem::exists(dir / "liste.txt"));
        QVERIFY(!std::filesystem::exists(dir / "liste.emf"));
        QVERIFY(f.Exportieren(basis + QStringLiteral(".txt"), ListeExportArt::Bitmap));
        QVERIFY(f.Exportieren(basis, ListeExportArt::Jpeg));
        QVERIFY(f.Exportieren(basis, ListeExportArt::Svg));
        QVERIFY(f.Exportieren(basis + QStringLiteral(".bmp"), ListeExportArt::Metafile));
        QVERIFY(f.Exportieren(basis, ListeExportArt::Pdf));
        QVERIFY(f.Exportieren(basis + QStringLiteral(".txt"), ListeExportArt::Csv));
        QVERIFY(f.Exportieren(basis, ListeExportArt::Xlsx));
        // A directory that does not exist: the message, and no file left behind.
        const QString fehlt = QString::fromStdString((dir / "fehlt" / "liste").string());
        QVERIFY(!f.Exportieren(fehlt, ListeExportArt::Bitmap));
        QCOMPARE(p.meldungen.size(), std::size_t{1});
        QVERIFY(!f.Exportieren(fehlt, ListeExportArt::Svg));
        QVERIFY(!f.Exportieren(fehlt, ListeExportArt::Metafile));

        f.BitBtnListe->click();
        QVERIFY(!f.Vorschaumodus() && f.lvListe->isVisibleTo(&f));
        f.close();
    });
    // The preview committed the edit although the window was then closed.
    QCOMPARE(m.Stueckliste.GetEintrag(2)[StuecklisteSpalte::SummeDorne], std::string("20"));
    // The metafile's header record: type 1, the signature " EMF" at byte 40.
    std::ifstream emf(dir / "liste.emf", std::ios::binary);
    const std::string kopf((std::istreambuf_iterator<char>(emf)), {});
    QVERIFY(kopf.size() > 100);
    QCOMPARE(kopf.substr(40, 4), std::string(" EMF"));
    std::ifstream text(dir / "liste.txt");
    const std::string inhalt((std::istreambuf_iterator<char>(text)), {});
    QVERIFY(inhalt.find("Wall B") != std::string::npos);
    // The spreadsheet table: the committed total as a number in its own column.
    std::ifstream csv(dir / "liste.csv", std::ios::binary);
    const std::string tabelle((std::istreambuf_iterator<char>(csv)), {});
    QVERIFY(tabelle.find(",20,Wall B,") != std::string::npos);
    std::ifstream xlsx(dir / "liste.xlsx", std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(xlsx), {}).substr(0, 2), std::string("PK"));
    QVERIFY(!QImage(QString::fromStdString((dir / "liste.bmp").string())).isNull());
    QVERIFY(!QImage(QString::fromStdString((dir / "liste.jpg").string())).isNull());
    QVERIFY(std::filesystem::file_size(dir / "liste.svg") > 100);
    QVERIFY(std::filesystem::file_size(dir / "liste.pdf") > 100);
    QVERIFY(!std::filesystem::exists(dir / "fehlt"));
    QCOMPARE(p.meldungen.front(), std::string("the connector schedule could not be exported - "
                                              "Please check the writing access on the data "
                                              "carrier."));
    for (const auto& e : std::filesystem::directory_iterator(dir.pfad())) {
        QVERIFY(e.path().extension() != ".tmp~");
    }
}

void StuecklisteFensterTest::FensterbildWirdAufWunschGeschrieben() {
    PlattformDouble p;
    TfrmStueckliste f(p, Texttabellen());
    TKModell m = ModellMitListe();
    m.Stueckliste.TBemerkung = {"Delivery to site B, gate 3"};
    const QString ziel = qEnvironmentVariable("VSK_FENSTERBILDER");
    Modal(f, m, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage liste = f.grab().toImage();
        f.BitBtnVorschau->click();
        const QImage vorschau = f.grab().toImage();
        QVERIFY(liste.width() >= 640 && liste.height() >= 480);
        if (!ziel.isEmpty()) {
            QDir().mkpath(ziel);
            liste.save(QDir(ziel).filePath(QStringLiteral("stueckliste.png")));
            vorschau.save(QDir(ziel).filePath(QStringLiteral("stueckliste_vorschau.png")));
            QVERIFY(f.Exportieren(QDir(ziel).filePath(QStringLiteral("stueckliste")),
                                  ListeExportArt::Metafile));
        }
        f.close();
    });
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::StuecklisteFensterTest)
#include "StuecklisteFensterTest.moc"
