#include "design/ui/BeliebigeLastFenster.h"

#include "canvas/qt/QtCanvas.h"
#include "model/Eingaben.h"
#include "model/Exportname.h"
#include "model/Modell.h"
#include "model/Punkttext.h"
#include "shell/Dateischreiber.h"
#include "shell/Feldpruefung.h"
#include "shell/Plattform.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtDateien.h"
#include "sketches/Farbschema.h"
#include "sketches/Skizzen.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

namespace vsk {

namespace {
constexpr int BildBreite = 560;
constexpr int BildHoehe = 190;
constexpr int SpalteX = 78;
constexpr int SpalteQ = 80;
constexpr int SpalteLeer = 104;

QLineEdit* Zahlenfeld(const char* name) {
    auto* feld = new QLineEdit;
    feld->setObjectName(QString::fromLatin1(name));
    feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feld->setFixedWidth(80);
    return feld;
}

QString Getrimmt(const QString& s) {
    return s.trimmed();
}

constexpr const char* PunktdateiEndung = "txt";

QString PunktdateiFilter() {
    return TfrmbeliebigeLast::tr("Text files (*.txt *.csv *.tsv *.prn);;All files (*)");
}

QString Punktdatei(QWidget* eltern, QFileDialog::AcceptMode modus) {
    const bool oeffnen = modus == QFileDialog::AcceptOpen;
    QFileDialog dialog(eltern, oeffnen ? TfrmbeliebigeLast::tr("Import points from file")
                                       : TfrmbeliebigeLast::tr("Export points to file"));
    dialog.setAcceptMode(modus);
    dialog.setFileMode(oeffnen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(PunktdateiFilter());
    dialog.setDefaultSuffix(QString::fromLatin1(PunktdateiEndung));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
} // namespace

TfrmbeliebigeLast::TfrmbeliebigeLast(Plattform& plattform, const TKFarbe& farben, QWidget* parent)
    : TDialogFenster(parent), imgLastbild(new QLabel), sgPunkte(new QTableWidget(1, 3)),
      meditX(Zahlenfeld("meditX")), meditQ(Zahlenfeld("meditQ")),
      BitBtnHinzufuegen(new QPushButton(tr("&Add"))), BitBtnAendern(new QPushButton(tr("C&hange"))),
      BitBtnLoeschen(new QPushButton(tr("&Delete"))), plattform_(plattform), farben_(farben) {
    dateiwahl.oeffnen = [](QWidget* e) { return Punktdatei(e, QFileDialog::AcceptOpen); };
    dateiwahl.speichern = [](QWidget* e) { return Punktdatei(e, QFileDialog::AcceptSave); };
    setObjectName(QStringLiteral("frmbeliebigeLast"));
    setWindowTitle(tr("Entry of arbitrary transverse force distribution"));
    EnterAlsTab(true);

    imgLastbild->setObjectName(QStringLiteral("imgLastbild"));
    imgLastbild->setFixedSize(BildBreite, BildHoehe);
    imgLastbild->setFrameShape(QFrame::StyledPanel);

    // The table with its header drawn above it.
    sgPunkte->setObjectName(QStringLiteral("sgPunkte"));
    sgPunkte->horizontalHeader()->hide();
    sgPunkte->verticalHeader()->hide();
    sgPunkte->setColumnWidth(0, SpalteX);
    sgPunkte->setColumnWidth(1, SpalteQ);
    sgPunkte->setColumnWidth(2, SpalteLeer);
    sgPunkte->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgPunkte->setSelectionMode(QAbstractItemView::SingleSelection);
    sgPunkte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgPunkte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgPunkte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgPunkte->verticalHeader()->setDefaultSectionSize(20);
    sgPunkte->setFixedWidth(SpalteX + SpalteQ + SpalteLeer + 2 * sgPunkte->frameWidth() +
                            sgPunkte->verticalScrollBar()->sizeHint().width());
    SetzeHinweis(sgPunkte,
                 tr("Load points|Right mouse button: paste, copy, import or export the points"));
    const auto eintrag = [this](const QString& text, const char* name,
                                void (TfrmbeliebigeLast::*befehl)()) {
        auto* a = new QAction(text, sgPunkte);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, befehl);
        sgPunkte->addAction(a);
        return a;
    };
    popmnuEinfuegen =
        eintrag(tr("&Paste points"), "popmnuEinfuegen", &TfrmbeliebigeLast::PunkteEinfuegen);
    popmnuEinfuegen->setShortcut(QKeySequence::Paste);
    popmnuKopieren =
        eintrag(tr("&Copy points"), "popmnuKopieren", &TfrmbeliebigeLast::PunkteKopieren);
    popmnuKopieren->setShortcut(QKeySequence::Copy);
    popmnuImportieren = eintrag(tr("&Import points from file..."), "popmnuImportieren",
                                &TfrmbeliebigeLast::PunkteImportieren);
    popmnuExportieren = eintrag(tr("&Export points to file..."), "popmnuExportieren",
                                &TfrmbeliebigeLast::PunkteExportieren);
    sgPunkte->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* kopfX = new QLabel(tr("x [mm]"));
    kopfX->setFixedWidth(SpalteX);
    auto* kopfQ = new QLabel(tr("q<span style=\"vertical-align:sub\">Ed</span>(x) [kN/m]"));
    kopfQ->setTextFormat(Qt::RichText);
    kopfQ->setFixedWidth(SpalteQ + SpalteLeer);
    auto* kopf = new QHBoxLayout;
    kopf->setContentsMargins(sgPunkte->frameWidth() + 3, 0, 0, 0);
    kopf->setSpacing(0);
    kopf->addWidget(kopfX);
    kopf->addWidget(kopfQ);
    kopf->addStretch();
    auto* tabelle = new QVBoxLayout;
    tabelle->setSpacing(2);
    tabelle->addLayout(kopf);
    tabelle->addWidget(sgPunkte);

    // The entry panel.
    auto* eingabe = new QGroupBox;
    eingabe->setObjectName(QStringLiteral("pnlEingabe"));
    SetzeHinweis(eingabe, tr("pair of values for linear load"));
    hinweisX_ = tr("Coordinates for entered load measured form the left");
    hinweisQ_ = tr("Value of loading at the position of the coordinate x");
    SetzeHinweis(meditX, hinweisX_);
    SetzeHinweis(meditQ, hinweisQ_);
    auto* felder = new QGridLayout(eingabe);
    felder->addWidget(new QLabel(tr("x =")), 0, 0);
    felder->addWidget(meditX, 0, 1);
    felder->addWidget(new QLabel(tr("mm")), 0, 2);
    auto* qLabel = new QLabel(tr("q<sub>Ed</sub> ="));
    qLabel->setTextFormat(Qt::RichText);
    felder->addWidget(qLabel, 1, 0);
    felder->addWidget(meditQ, 1, 1);
    felder->addWidget(new QLabel(tr("kN/m")), 1, 2);
    BitBtnHinzufuegen->setObjectName(QStringLiteral("BitBtnHinzufuegen"));
    BitBtnAendern->setObjectName(QStringLiteral("BitBtnAendern"));
    BitBtnLoeschen->setObjectName(QStringLiteral("BitBtnLoeschen"));
    SetzeHinweis(BitBtnHinzufuegen, tr("Place pair of values|Pair of values (x,q) add to list"));
    SetzeHinweis(BitBtnAendern, tr("Transfer changes in the list|Transfer changes in the pairs "
                                   "of values (x,q) in the list"));
    SetzeHinweis(BitBtnLoeschen, tr("delete current pair of values|delete current pair of "
                                    "values (x,q) from the list"));
    felder->addWidget(BitBtnHinzufuegen, 2, 0, 1, 3);
    felder->addWidget(BitBtnAendern, 3, 0, 1, 3);
    felder->addWidget(BitBtnLoeschen, 4, 0, 1, 3);
    felder->setRowStretch(5, 1);

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(tabelle);
    mitte->addWidget(eingabe, 1);

    const Dialogknoepfe knoepfe = BaueDialogknoepfe(QStringLiteral("MaskeQuerkraft"));
    BitBtnOK = knoepfe.ok;
    BitBtnAbbrechen = knoepfe.abbrechen;
    BitBtnHilfe = knoepfe.hilfe;
    for (QPushButton* b : {BitBtnHinzufuegen, BitBtnAendern, BitBtnLoeschen}) {
        b->setAutoDefault(false);
    }

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(imgLastbild);
    spalte->addLayout(mitte);
    spalte->addLayout(Knopfreihe(knoepfe));
    spalte->addWidget(Statuszeile());
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    meditX->installEventFilter(this);
    meditQ->installEventFilter(this);
    connect(BitBtnHinzufuegen, &QPushButton::clicked, this,
            &TfrmbeliebigeLast::BitBtnHinzufuegenClick);
    connect(BitBtnAendern, &QPushButton::clicked, this, &TfrmbeliebigeLast::BitBtnAendernClick);
    connect(BitBtnLoeschen, &QPushButton::clicked, this, &TfrmbeliebigeLast::BitBtnLoeschenClick);
    connect(sgPunkte, &QTableWidget::itemSelectionChanged, this,
            &TfrmbeliebigeLast::ZeilenknoepfeFreigeben);
    connect(sgPunkte, &QTableWidget::cellClicked, this,
            [this](int zeile, int) { sgPunkteClick(zeile); });
    connect(sgPunkte, &QTableWidget::currentCellChanged, this,
            [this](int zeile, int, int alteZeile, int) {
                if (zeile >= 0 && zeile != alteZeile) {
                    sgPunkteClick(zeile);
                }
            });
}

TKAnwendung& TfrmbeliebigeLast::Anwendung() const {
    return modell_->AktuelleAnwendung();
}

int TfrmbeliebigeLast::Zeige(TKModell& modell) {
    Aktivieren(modell);
    AufBildschirmMitte();
    return exec();
}

void TfrmbeliebigeLast::Aktivieren(TKModell& modell) {
    modell_ = &modell;
    const TKBelastung& last = Anwendung().cBelastungDesign;
    kopie_ = last;
    FuelleTabelle(last.Punkte());
    meditX->clear();
    meditQ->clear();
    // The hints say the unit and the range, x up to this position's joint length.
    const char t = plattform_.Dezimaltrenner();
    SetzeHinweis(meditX, QString::fromStdString(
                             Feldhinweis(hinweisX_.toStdString(), {}, Grenzen(meditX), t)));
    SetzeHinweis(meditQ, QString::fromStdString(
                             Feldhinweis(hinweisQ_.toStdString(), {}, Grenzen(meditQ), t)));
    ausstehendX_ = false;
    ausstehendQ_ = false;
    Statuszeile()->clearMessage();
    sgPunkte->setCurrentCell(-1, -1);
    ZeilenknoepfeFreigeben();
    NeuAufbauen();
    meditX->setFocus();
}

void TfrmbeliebigeLast::FuelleTabelle(const std::vector<TPunkt>& punkte) {
    const char t = plattform_.Dezimaltrenner();
    const int n = static_cast<int>(punkte.size());
    sgPunkte->clearContents();
    sgPunkte->setRowCount(std::max(n, 1));
    SetzeZeile(0, QString(), QString());
    for (int k = 0; k < n; ++k) {
        const TPunkt& p = punkte[static_cast<std::size_t>(k)];
        // Plain general format: the start point x = 0 must show "0", never an empty text,
        // or the rebuild would take the table for empty.
        SetzeZeile(k, QString::fromStdString(FormatAllgemein(p.x, t)),
                   QString::fromStdString(FormatAllgemein(p.y, t)));
    }
}

QString TfrmbeliebigeLast::ZellText(int zeile, int spalte) const {
    const QTableWidgetItem* item = sgPunkte->item(zeile, spalte);
    return item != nullptr ? item->text() : QString();
}

int TfrmbeliebigeLast::Datenzeilen() const {
    return sgPunkte->rowCount();
}

void TfrmbeliebigeLast::ZeilenknoepfeFreigeben() {
    // Without a selected row "C&hange" and "&Delete" have nothing to act on.
    const bool gewaehlt = GewaehlteZeile() >= 0;
    BitBtnAendern->setEnabled(gewaehlt);
    BitBtnLoeschen->setEnabled(gewaehlt);
}

int TfrmbeliebigeLast::GewaehlteZeile() const {
    const QModelIndexList zeilen = sgPunkte->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.constFirst().row();
}

void TfrmbeliebigeLast::SetzeZeile(int zeile, const QString& x, const QString& q) {
    for (int spalte = 0; spalte < 2; ++spalte) {
        QTableWidgetItem* item = sgPunkte->item(zeile, spalte);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sgPunkte->setItem(zeile, spalte, item);
        }
        item->setText(spalte == 0 ? x : q);
    }
}

Feldgrenzen TfrmbeliebigeLast::Grenzen(const QLineEdit* feld) const {
    if (feld == meditX) {
        return {Pruefmodus::Beide, 0, Anwendung().cGeometrie.WirksameFugenlaenge(), "mm"};
    }
    return {Pruefmodus::NurUnten, 0, 0, "kN/m"};
}

std::optional<std::string> TfrmbeliebigeLast::Pruefe(const QLineEdit* feld) const {
    return PruefeFeld(feld->text().toStdString(), Grenzen(feld), plattform_.Dezimaltrenner());
}

bool TfrmbeliebigeLast::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::FocusOut && (objekt == meditX || objekt == meditQ)) {
        // A message box or another window taking the focus is no leave.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
            grund != Qt::MenuBarFocusReason) {
            FeldVerlassen(static_cast<QLineEdit*>(objekt));
        }
    }
    return TDialogFenster::eventFilter(objekt, e);
}

void TfrmbeliebigeLast::FeldVerlassen(QLineEdit* feld) {
    // Checked once the focus change is complete: a message box in the middle of a mouse
    // press would swallow the click that moved the focus.
    Ausstehend(feld) = true;
    QTimer::singleShot(0, this, [this, feld] {
        if (isVisible() && modell_ != nullptr) {
            if (const auto meldung = Pruefe(feld)) {
                plattform_.Meldung(*meldung);
                feld->setFocus();
                feld->selectAll();
            }
        }
        Ausstehend(feld) = false;
    });
}

bool& TfrmbeliebigeLast::Ausstehend(const QLineEdit* feld) {
    return feld == meditX ? ausstehendX_ : ausstehendQ_;
}

bool TfrmbeliebigeLast::FelderGueltig() {
    for (QLineEdit* feld : {meditX, meditQ}) {
        if (const auto meldung = Pruefe(feld)) {
            if (!Ausstehend(feld)) {
                plattform_.Meldung(*meldung);
                feld->setFocus();
            }
            return false;
        }
    }
    return true;
}

QString TfrmbeliebigeLast::LastText() const {
    // An empty load stands for the field's empty value.
    return Getrimmt(meditQ->text()).isEmpty() ? QStringLiteral("0") : meditQ->text();
}

void TfrmbeliebigeLast::BitBtnHinzufuegenClick() {
    const QString x = meditX->text();
    if (Getrimmt(x).isEmpty() || !FelderGueltig()) {
        return;
    }
    int gefunden = -1;
    for (int z = 0; z < Datenzeilen(); ++z) {
        if (ZellText(z, 0) == x) {
            gefunden = z;
            break;
        }
    }
    if (gefunden < 0) {
        if (!ZellText(0, 0).isEmpty()) {
            sgPunkte->setRowCount(Datenzeilen() + 1);
        }
        SetzeZeile(Datenzeilen() - 1, x, LastText());
    } else {
        const std::string frage =
            tr("A value for the entered coordinate already exists!").toStdString() + "\n\n" +
            tr(" Should this be overwritten?").toStdString();
        if (!plattform_.FrageJaNein(frage)) {
            return;
        }
        SetzeZeile(gefunden, x, LastText());
    }
    NeuAufbauen();
}

void TfrmbeliebigeLast::BitBtnAendernClick() {
    const int zeile = GewaehlteZeile();
    if (zeile < 0 || Getrimmt(meditX->text()).isEmpty() || !FelderGueltig()) {
        return;
    }
    SetzeZeile(zeile, meditX->text(), LastText());
    NeuAufbauen();
}

void TfrmbeliebigeLast::BitBtnLoeschenClick() {
    int zeile = GewaehlteZeile();
    if (zeile < 0) {
        return;
    }
    if (Datenzeilen() <= 1) {
        SetzeZeile(0, QString(), QString());
    } else {
        sgPunkte->removeRow(zeile);
        zeile = std::min(zeile, Datenzeilen() - 1);
        sgPunkte->setCurrentCell(zeile, 0);
    }
    sgPunkteClick(zeile);
    NeuAufbauen();
}

void TfrmbeliebigeLast::sgPunkteClick(int zeile) {
    if (zeile < 0 || zeile >= Datenzeilen()) {
        return;
    }
    meditX->setText(ZellText(zeile, 0));
    meditQ->setText(ZellText(zeile, 1));
}

bool TfrmbeliebigeLast::NeuAufbauen() {
    TKBelastung& last = Anwendung().cBelastungDesign;
    const char t = plattform_.Dezimaltrenner();
    std::vector<TPunkt> punkte;
    if (!Getrimmt(ZellText(0, 0)).isEmpty()) {
        for (int z = 0; z < Datenzeilen(); ++z) {
            TPunkt p;
            for (int spalte = 0; spalte < 2; ++spalte) {
                const QString s = ZellText(z, spalte);
                const auto wert = LeseZahl(s.toStdString(), t);
                if (!wert) {
                    // Half a table would be a wrong load: keep the points as they were.
                    plattform_.Fehler(
                        tr("'%1' is not a valid floating point value").arg(s).toStdString());
                    Zeichnen();
                    return false;
                }
                (spalte == 0 ? p.x : p.y) = *wert;
            }
            punkte.push_back(p);
        }
    }
    SetzeLastpunkte(last, punkte);
    Zeichnen();
    return true;
}

void TfrmbeliebigeLast::PunkteEinfuegen() {
    PunkteUebernehmen(LesePunkttext(QGuiApplication::clipboard()->text().toStdString(),
                                    Anwendung().cGeometrie.WirksameFugenlaenge()));
}

void TfrmbeliebigeLast::PunkteImportieren() {
    const QString datei = dateiwahl.oeffnen(this);
    if (!datei.isEmpty()) {
        PunkteUebernehmen(
            LesePunktdatei(PfadAus(datei), Anwendung().cGeometrie.WirksameFugenlaenge()));
    }
}

void TfrmbeliebigeLast::PunkteUebernehmen(const Punktliste& liste) {
    if (liste.fehler) {
        plattform_.Meldung(PunktfehlerText(*liste.fehler));
        return;
    }
    if (!Getrimmt(ZellText(0, 0)).isEmpty() &&
        !plattform_.FrageJaNein(tr("The table already holds load points.").toStdString() + "\n\n" +
                                tr("Should they be replaced?").toStdString())) {
        return;
    }
    FuelleTabelle(liste.punkte);
    sgPunkte->clearSelection();
    NeuAufbauen();
}

void TfrmbeliebigeLast::PunkteKopieren() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(
        PunktText(Anwendung().cBelastungDesign.Punkte(), plattform_.Dezimaltrenner())));
}

void TfrmbeliebigeLast::PunkteExportieren() {
    const QString name = dateiwahl.speichern(this);
    if (name.isEmpty()) {
        return;
    }
    const Schreibergebnis e = SchreibeDatei(
        MitStandardEndung(PfadAus(name).string(), PunktdateiEndung),
        PunktText(Anwendung().cBelastungDesign.Punkte(), plattform_.Dezimaltrenner()));
    if (!e) {
        plattform_.Meldung(SchreibFehlerText(e));
    }
}

void TfrmbeliebigeLast::Zeichnen() {
    QImage bild = Bildschirmbitmap(imgLastbild->size(), imgLastbild->devicePixelRatioF());
    {
        QtCanvas c(bild);
        const Rechteck r{0, 0, imgLastbild->width(), imgLastbild->height()};
        const Zeichenkontext k{*modell_, Anwendung(), farben_, linienbreite_,
                               plattform_.Dezimaltrenner()};
        ZeichneLastbild(c, r, k);
    }
    imgLastbild->setPixmap(QPixmap::fromImage(bild));
}

void TfrmbeliebigeLast::accept() {
    kopie_.reset();
    modell_ = nullptr;
    TDialogFenster::accept();
}

void TfrmbeliebigeLast::reject() {
    if (kopie_ && modell_ != nullptr) {
        Anwendung().cBelastungDesign = *kopie_;
    }
    kopie_.reset();
    modell_ = nullptr;
    TDialogFenster::reject();
}

} // namespace vsk
