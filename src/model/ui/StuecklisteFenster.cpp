#include "model/ui/StuecklisteFenster.h"

#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Druckablauf.h"
#include "reports/ListeExport.h"
#include "reports/ListeTabelle.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Druckauftrag.h"
#include "reports/qt/Seitengeraete.h"
#include "reports/ui/Druckdialoge.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtDateien.h"
#include "sketches/qt/Exportbilder.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdint>
#include <filesystem>

namespace vsk {

namespace {

constexpr int Pruefspalte = 0; // the check column; column c + 1 shows text c

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Text(const TKStueckliste::Eintrag& e, int i) {
    return i < static_cast<int>(e.size()) ? e[static_cast<std::size_t>(i)] : std::string();
}

// Designation, followed by the fire protection text when there is one.
QString Bezeichnung(const TKStueckliste::Eintrag& e) {
    QString s = Q(Text(e, StuecklisteSpalte::Bezeichnung));
    const std::string zusatz = Text(e, StuecklisteSpalte::Brandschutz);
    if (!zusatz.empty()) {
        s += QStringLiteral("  +  ") + Q(zusatz);
    }
    return s;
}

QString OhneEndBlanks(const std::string& s) {
    const std::string::size_type ende = s.find_last_not_of(' ');
    return ende == std::string::npos ? QString() : Q(s.substr(0, ende + 1));
}

} // namespace

TfrmStueckliste::TfrmStueckliste(Plattform& plattform, const TKTexttabellen& texte, QWidget* parent)
    : TDialogFenster(parent), plattform_(plattform), texte_(texte) {
    setObjectName(QStringLiteral("frmStueckliste"));
    setWindowTitle(tr("Tervo - VSK / VSKQ Shear Connectors - Connector Schedule"));
    setMinimumSize(640, 480);
    setSizeGripEnabled(true);
    EnterAlsTab(true);

    auto* lblBemerkung = new QLabel(tr("Supplementary information to the connector schedule"));
    SetzeHinweis(lblBemerkung, tr("Entry of supplementary advice text"));
    memoBemerkung = new QPlainTextEdit;
    memoBemerkung->setObjectName(QStringLiteral("memoBemerkung"));
    memoBemerkung->setMaximumHeight(80);
    memoBemerkung->setTabChangesFocus(true);
    lblBemerkung->setBuddy(memoBemerkung);

    auto* lblAuswahlTitel = new QLabel(tr("Current Choice"));
    lblAuswahl = new QLabel;
    lblAuswahl->setObjectName(QStringLiteral("lblAuswahl"));
    lblAuswahl->setFrameShape(QFrame::StyledPanel);
    lblAuswahl->setMinimumWidth(280);
    SetzeHinweis(lblAuswahl, tr("Number of similar positions for current choice"));
    auto* lblAnzahl = new QLabel(tr("Number of similar positions"));
    spinAnzahl = new QSpinBox;
    spinAnzahl->setObjectName(QStringLiteral("spinAnzahl"));
    spinAnzahl->setRange(1, 99999);
    spinAnzahl->setValue(1);
    SetzeHinweis(spinAnzahl, tr("Number of similar positions for current choice"));
    lblAnzahl->setBuddy(spinAnzahl);
    BitBtnLoeschen = new QPushButton(tr("Position &Delete"));
    BitBtnLoeschen->setObjectName(QStringLiteral("BitBtnLoeschen"));

    lvListe = new QTreeWidget;
    lvListe->setObjectName(QStringLiteral("lvListe"));
    lvListe->setRootIsDecorated(false);
    lvListe->setUniformRowHeights(false);
    lvListe->setSelectionMode(QAbstractItemView::SingleSelection);
    lvListe->setColumnCount(11);
    BaueKopf();

    imgVorschau = new QLabel;
    imgVorschau->setObjectName(QStringLiteral("imgVorschau"));
    scBoxVorschau = new QScrollArea;
    scBoxVorschau->setObjectName(QStringLiteral("scBoxVorschau"));
    scBoxVorschau->setWidget(imgVorschau);
    // Centred horizontally while narrower than the area.
    scBoxVorschau->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scBoxVorschau->setBackgroundRole(QPalette::Dark);
    lblExportHinweis =
        new QLabel(tr("When exporting a long connector schedule as graphic it has to be taken") +
                   QLatin1Char('\n') +
                   tr("into account that there are no page breaks beforehand in the graphic.") +
                   QLatin1Char('\n') +
                   tr("With long connector schedules you can divide the connector schedule") +
                   QLatin1Char('\n') +
                   tr("into two or more export files through deactivating of single positions."));
    lblExportHinweis->setObjectName(QStringLiteral("lblExportHinweis"));

    auto knopf = [this](const QString& text, const char* name, const QString& hinweis) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        SetzeHinweis(b, hinweis);
        return b;
    };
    BitBtnDrucken = knopf(tr("&Print"), "BitBtnDrucken", tr("Prints out the connector schedule"));
    BitBtnVorschau = knopf(tr("&Preview"), "BitBtnVorschau", tr("Print preview"));
    BitBtnListe =
        knopf(tr("&List"), "BitBtnListe", tr("display the list view of the connector schedule"));
    BitBtnExport = knopf(tr("&Export"), "BitBtnExport", tr("Export the connector schedule"));
    BitBtnZwischenablage = knopf(tr("&Clipboard"), "BitBtnZwischenablage",
                                 tr("copies the connector schedule to clipboard"));
    BitBtnZurueck = knopf(tr("&Back"), "BitBtnZurueck", tr("Leave connector schedule"));
    BitBtnHilfe = knopf(tr("&Help"), "BitBtnHilfe",
                        tr("Help in the input window|Help in the input in the mask"));
    BitBtnLoeschen->setAutoDefault(false);

    auto* auswahl = new QHBoxLayout;
    auswahl->addWidget(lblAuswahlTitel);
    auswahl->addWidget(lblAuswahl, 1);
    auswahl->addSpacing(12);
    auswahl->addWidget(lblAnzahl);
    auswahl->addWidget(spinAnzahl);
    auswahl->addSpacing(12);
    auswahl->addWidget(BitBtnLoeschen);

    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b :
         {BitBtnDrucken, BitBtnVorschau, BitBtnListe, BitBtnExport, BitBtnZwischenablage}) {
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtnZurueck);
    knoepfe->addWidget(BitBtnHilfe);

    auto* inhalt = new QVBoxLayout;
    inhalt->addWidget(lblBemerkung);
    inhalt->addWidget(memoBemerkung);
    inhalt->addLayout(auswahl);
    inhalt->addWidget(lvListe, 1);
    inhalt->addWidget(scBoxVorschau, 1);
    inhalt->addWidget(lblExportHinweis);
    inhalt->addLayout(knoepfe);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->setSpacing(0);
    auto* rahmen = new QWidget;
    rahmen->setLayout(inhalt);
    aussen->addWidget(rahmen, 1);
    aussen->addWidget(Statuszeile());
    resize(900, 620); // room for the width of a preview page

    EnterNeueZeile(memoBemerkung);
    connect(lvListe, &QTreeWidget::itemSelectionChanged, this, &TfrmStueckliste::ZeileGewaehlt);
    connect(lvListe, &QTreeWidget::itemChanged, this, &TfrmStueckliste::ZeileGeaendert);
    connect(spinAnzahl, &QSpinBox::valueChanged, this, &TfrmStueckliste::spinAnzahlChanged);
    connect(BitBtnLoeschen, &QPushButton::clicked, this, &TfrmStueckliste::BitBtnLoeschenClick);
    connect(BitBtnZurueck, &QPushButton::clicked, this, &TfrmStueckliste::BitBtnZurueckClick);
    connect(BitBtnVorschau, &QPushButton::clicked, this, &TfrmStueckliste::BitBtnVorschauClick);
    connect(BitBtnListe, &QPushButton::clicked, this, [this] { SetzeModus(false); });
    connect(BitBtnDrucken, &QPushButton::clicked, this, &TfrmStueckliste::BitBtnDruckenClick);
    connect(BitBtnExport, &QPushButton::clicked, this, &TfrmStueckliste::BitBtnExportClick);
    connect(BitBtnZwischenablage, &QPushButton::clicked, this,
            &TfrmStueckliste::BitBtnZwischenablageClick);
    connect(BitBtnHilfe, &QPushButton::clicked, this,
            [this] { emit hilfeAngefordert(QStringLiteral("MaskeStueckliste")); });
    connect(lvListe->header(), &QHeaderView::sectionResized, this,
            &TfrmStueckliste::SpalteVeraendert);
    SetzeModus(false);
}

void TfrmStueckliste::BaueKopf() {
    QStringList koepfe{tr("Active")};
    minimum_[0] = 30;
    maximum_[0] = 50;
    breiten_[0] = 45;
    const QFontMetrics fm(lvListe->header()->font());
    for (int c = 0; c < 10; ++c) {
        const std::string& kopf = texte_.StuecklisteSpalten[static_cast<std::size_t>(c)];
        koepfe << Q(kopf);
        const auto i = static_cast<std::size_t>(c + 1);
        minimum_[i] = c < 5 ? 30 : 0;
        maximum_[i] = c < 5 ? 600 : 0;
        breiten_[i] = std::clamp(fm.horizontalAdvance(Q(kopf)) + 25, minimum_[i], maximum_[i]);
    }
    lvListe->setHeaderLabels(koepfe);
    QHeaderView* kopf = lvListe->header();
    kopf->setStretchLastSection(false);
    kopf->setMinimumSectionSize(0);
    kopf->setSectionsMovable(false);
    for (int i = 0; i < 11; ++i) {
        const int b = breiten_[static_cast<std::size_t>(i)];
        lvListe->setColumnWidth(i, b);
        kopf->setSectionHidden(i, b == 0);
    }
}

void TfrmStueckliste::SpalteVeraendert(int spalte, int, int neu) {
    if (spalte < 0 || spalte > 10) {
        return;
    }
    const auto i = static_cast<std::size_t>(spalte);
    if (maximum_[i] == 0) {
        return; // hidden columns stay hidden
    }
    const int b = std::clamp(neu, minimum_[i], maximum_[i]);
    breiten_[i] = b;
    if (b != neu) {
        lvListe->setColumnWidth(spalte, b);
    }
}

int TfrmStueckliste::Zeige(TKModell& modell) {
    modell_ = &modell;
    FormActivate();
    AufBildschirmMitte();
    const int ergebnis = exec();
    arbeit_ = TKStueckliste(); // the working copy lives only while the window is open
    modell_ = nullptr;
    return ergebnis;
}

void TfrmStueckliste::FormActivate() {
    arbeit_ = TKStueckliste();
    for (const TKStueckliste::Eintrag& e : modell_->Stueckliste.Eintraege()) {
        arbeit_.AddEintrag(e);
    }
    SetzeModus(false);
    bild_ = QImage();
    imgVorschau->clear();
    FuelleListe();
    lblAuswahl->clear();
    if (arbeit_.EintragCount() > 0) {
        lvListe->setCurrentItem(lvListe->topLevelItem(0));
        ZeileGewaehlt();
        lblAuswahl->setText(Auswahltext(1, true));
    }
    QStringList zeilen;
    for (const std::string& z : modell_->Stueckliste.TBemerkung) {
        zeilen << Q(z);
    }
    memoBemerkung->setPlainText(zeilen.join(QLatin1Char('\n')));
}

void TfrmStueckliste::FuelleListe() {
    const QSignalBlocker sperre(lvListe);
    lvListe->clear();
    const int zeilenhoehe = QFontMetrics(lvListe->font()).height();
    for (int k = 1; k <= arbeit_.EintragCount(); ++k) {
        const TKStueckliste::Eintrag& e = arbeit_.GetEintrag(k);
        auto* zeile = new QTreeWidgetItem;
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        zeile->setCheckState(Pruefspalte, IstAktivText(Text(e, StuecklisteSpalte::Status))
                                              ? Qt::Checked
                                              : Qt::Unchecked);
        for (int c = 0; c < 10; ++c) {
            zeile->setText(c + 1,
                           c == StuecklisteSpalte::Bezeichnung ? Bezeichnung(e) : Q(Text(e, c)));
        }
        // One text line more for every text beyond the tenth.
        const int mehr = std::max(0, static_cast<int>(e.size()) - StuecklisteSpalte::Anzahl);
        if (mehr > 0) {
            zeile->setSizeHint(0, QSize(0, zeilenhoehe * (1 + mehr) + 4));
        }
        lvListe->addTopLevelItem(zeile);
    }
}

QString TfrmStueckliste::Auswahltext(int k, bool mitBrandschutz) const {
    const TKStueckliste::Eintrag& e = arbeit_.GetEintrag(k);
    return OhneEndBlanks(texte_.StuecklisteSpalten[0]) + QStringLiteral(": ") +
           Q(Text(e, StuecklisteSpalte::Position)) + QStringLiteral("  /  ") +
           (mitBrandschutz ? Bezeichnung(e) : Q(Text(e, StuecklisteSpalte::Bezeichnung)));
}

void TfrmStueckliste::ZeileGewaehlt() {
    QTreeWidgetItem* zeile = lvListe->currentItem();
    if (zeile == nullptr || !zeile->isSelected()) {
        return;
    }
    const int k = lvListe->indexOfTopLevelItem(zeile) + 1;
    const std::optional<std::int64_t> n =
        LeseGanzzahl(Text(arbeit_.GetEintrag(k), StuecklisteSpalte::AnzahlPos));
    {
        // Showing the entry's number is not a change of it.
        const QSignalBlocker sperre(spinAnzahl);
        if (n && *n >= 1 && *n <= 99999) {
            spinAnzahl->setValue(static_cast<int>(*n));
        }
    }
    lblAuswahl->setText(Auswahltext(k, false));
}

void TfrmStueckliste::ZeileGeaendert(QTreeWidgetItem* zeile, int spalte) {
    if (spalte != Pruefspalte) {
        return;
    }
    const int k = lvListe->indexOfTopLevelItem(zeile) + 1;
    TKStueckliste::Eintrag& e = arbeit_.GetEintrag(k);
    if (e.size() <= static_cast<std::size_t>(StuecklisteSpalte::Status)) {
        e.resize(StuecklisteSpalte::Status + 1);
    }
    e[StuecklisteSpalte::Status] =
        zeile->checkState(Pruefspalte) == Qt::Checked ? TextAktiv() : TextNichtAktiv();
    const QSignalBlocker sperre(lvListe);
    zeile->setText(StuecklisteSpalte::Status + 1, Q(e[StuecklisteSpalte::Status]));
}

void TfrmStueckliste::spinAnzahlChanged(int n) {
    QTreeWidgetItem* zeile = lvListe->currentItem();
    if (n < 1 || zeile == nullptr || !zeile->isSelected()) {
        return;
    }
    const int k = lvListe->indexOfTopLevelItem(zeile) + 1;
    TKStueckliste::Eintrag& e = arbeit_.GetEintrag(k);
    if (e.size() < static_cast<std::size_t>(StuecklisteSpalte::SummeDorne + 1)) {
        e.resize(StuecklisteSpalte::SummeDorne + 1);
    }
    // A text that is no number counts as no connectors.
    const std::int64_t dorne = LeseGanzzahl(e[StuecklisteSpalte::AnzahlDorne]).value_or(0);
    e[StuecklisteSpalte::AnzahlPos] = std::to_string(n);
    e[StuecklisteSpalte::SummeDorne] = std::to_string(static_cast<std::int64_t>(n) * dorne);
    const QSignalBlocker sperre(lvListe);
    zeile->setText(StuecklisteSpalte::AnzahlPos + 1, Q(e[StuecklisteSpalte::AnzahlPos]));
    zeile->setText(StuecklisteSpalte::SummeDorne + 1, Q(e[StuecklisteSpalte::SummeDorne]));
}

void TfrmStueckliste::BitBtnLoeschenClick() {
    QTreeWidgetItem* zeile = lvListe->currentItem();
    if (zeile == nullptr || !zeile->isSelected()) {
        return;
    }
    const int k = lvListe->indexOfTopLevelItem(zeile) + 1;
    arbeit_.DeleteEintrag(k);
    {
        const QSignalBlocker sperre(lvListe);
        delete lvListe->takeTopLevelItem(k - 1);
        lvListe->clearSelection();
        lvListe->setCurrentItem(nullptr);
    }
    lblAuswahl->clear();
}

void TfrmStueckliste::Uebernehmen() {
    TKStueckliste& liste = modell_->Stueckliste;
    liste.ClearEintraege();
    for (const TKStueckliste::Eintrag& e : arbeit_.Eintraege()) {
        liste.AddEintrag(e);
    }
    std::vector<std::string> zeilen;
    const QString text = memoBemerkung->toPlainText();
    if (!text.isEmpty()) {
        for (const QString& z : text.split(QLatin1Char('\n'))) {
            zeilen.push_back(z.toStdString());
        }
    }
    liste.TBemerkung = zeilen;
}

void TfrmStueckliste::BitBtnZurueckClick() {
    Uebernehmen();
    lblAuswahl->clear();
    accept();
}

void TfrmStueckliste::BitBtnVorschauClick() {
    SetzeModus(true);
    Uebernehmen();
    Berichtskontext k(*modell_, texte_, plattform_.HeuteText(), plattform_.Dezimaltrenner());
    bild_ = ListenVorschau(k, AktuelleDruckergeometrie(), logicalDpiX());
    // The exports take the picture at pixel ratio 1; the screen shows it at its own.
    const qreal verhaeltnis = imgVorschau->devicePixelRatioF();
    imgVorschau->setPixmap(QPixmap::fromImage(
        verhaeltnis == 1
            ? bild_
            : ListenVorschau(k, AktuelleDruckergeometrie(), logicalDpiX(), verhaeltnis)));
    imgVorschau->resize(bild_.size());
}

void TfrmStueckliste::BitBtnDruckenClick() {
    Uebernehmen();
    Berichtskontext k(*modell_, texte_, plattform_.HeuteText(), plattform_.Dezimaltrenner());
    Drucken(Druckart::Liste, k, plattform_,
            PdfDateiDialog(this, tr("Connector Schedule") + QStringLiteral(".pdf")));
}

void TfrmStueckliste::SetzeModus(bool vorschau) {
    vorschau_ = vorschau;
    for (QWidget* w : std::initializer_list<QWidget*>{lvListe, memoBemerkung, lblAuswahl,
                                                      spinAnzahl, BitBtnLoeschen, BitBtnVorschau}) {
        w->setVisible(!vorschau);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{scBoxVorschau, BitBtnListe, BitBtnExport,
                                                      BitBtnZwischenablage, lblExportHinweis}) {
        w->setVisible(vorschau);
    }
    // The labels of the list mode go with their fields.
    for (QLabel* l : findChildren<QLabel*>()) {
        if (l->buddy() != nullptr || l->text() == tr("Current Choice")) {
            l->setVisible(!vorschau);
        }
    }
}

void TfrmStueckliste::BitBtnExportClick() {
    // In the order of ListeExportArt.
    const std::array<QString, AnzListeExportArten> typen{
        tr("Export in Metafile Format (*.emf)"), tr("Export in Bitmap Format (*.bmp)"),
        tr("Export in JPeg Format (*.jpg)"),     tr("Export in Text Format (*.txt)"),
        tr("Export in PDF Format (*.pdf)"),      tr("Export in SVG Format (*.svg)"),
        tr("Export as CSV Table (*.csv)"),       tr("Export as XLSX Workbook (*.xlsx)")};
    QFileDialog dialog(this, tr("Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(QStringList(typen.begin(), typen.end()));
    const auto art = static_cast<std::size_t>(exportArt_);
    dialog.selectNameFilter(typen[art]);
    dialog.setDefaultSuffix(Q(ExportEndung(exportArt_)));
    dialog.selectFile(QStringLiteral("*.") + Q(ExportEndung(exportArt_)));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        for (std::size_t i = 0; i < typen.size(); ++i) {
            if (typen[i] == filter) {
                dialog.setDefaultSuffix(Q(ExportEndung(static_cast<ListeExportArt>(i))));
            }
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    for (std::size_t i = 0; i < typen.size(); ++i) {
        if (typen[i] == dialog.selectedNameFilter()) {
            exportArt_ = static_cast<ListeExportArt>(i);
        }
    }
    Exportieren(dialog.selectedFiles().constFirst(), exportArt_);
}

bool TfrmStueckliste::Exportieren(const QString& name, ListeExportArt art) {
    exportArt_ = art;
    const std::filesystem::path pfad = MitExportEndung(PfadAus(name).string(), art);
    Berichtskontext k(*modell_, texte_, plattform_.HeuteText(), plattform_.Dezimaltrenner());
    switch (art) {
    case ListeExportArt::Text:
        return ListeExportieren(*modell_, pfad.string(), plattform_);
    case ListeExportArt::Pdf:
        return AlsPdfSpeichern(Druckart::Liste, pfad, k, plattform_);
    case ListeExportArt::Bitmap:
        return BildExportieren(pfad, Bildtyp::Bmp, k);
    case ListeExportArt::Jpeg:
        return BildExportieren(pfad, Bildtyp::Jpeg, k);
    case ListeExportArt::Metafile:
        return BildExportieren(pfad, Bildtyp::Emf, k);
    case ListeExportArt::Svg:
        return BildExportieren(pfad, Bildtyp::Svg, k);
    case ListeExportArt::Csv:
        return ListeTabelleExportieren(modell_->Stueckliste, pfad, Tabellenformat::Csv, plattform_);
    case ListeExportArt::Xlsx:
        return ListeTabelleExportieren(modell_->Stueckliste, pfad, Tabellenformat::Xlsx,
                                       plattform_);
    }
    return false;
}

bool TfrmStueckliste::BildExportieren(const std::filesystem::path& pfad, Bildtyp typ,
                                      Berichtskontext& k) {
    const int dpi = logicalDpiX();
    // The vector picture has the size of the screen preview, like the picture the user
    // looks at; the bitmap types need the preview itself.
    const QImage probe =
        bild_.isNull() ? ListenVorschau(k, AktuelleDruckergeometrie(), dpi) : bild_;
    const Vektorzeichnung vektor =
        ListenVektorbild(k, AktuelleDruckergeometrie(), probe.width(), probe.height(), dpi);
    const bool ok = vsk::BildSpeichern(bild_, vektor, pfad, typ).ok;
    if (!ok) {
        plattform_.Meldung(ListeExportFehlerText());
    }
    return ok;
}

void TfrmStueckliste::BitBtnZwischenablageClick() {
    if (!bild_.isNull()) {
        BildInZwischenablage(bild_, {});
    }
}

} // namespace vsk
