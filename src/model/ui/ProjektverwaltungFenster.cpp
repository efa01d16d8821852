#include "model/ui/ProjektverwaltungFenster.h"

#include "design/ProjektOeffnen.h"
#include "model/Explorer.h"
#include "model/Projektdatei.h"
#include "shell/Einstellungen.h"
#include "shell/Plattform.h"
#include "shell/qt/QtDateien.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace vsk {

namespace {
constexpr const char* Sektion = "Anwenderdaten";
constexpr const char* Schluessel = "Version"; // holds a directory, whatever its name says
} // namespace

TfrmProjektverwaltung::TfrmProjektverwaltung(Einstellungen& einstellungen, Plattform& plattform,
                                             Befehle befehle, QWidget* parent)
    : TDialogFenster(parent), einstellungen_(einstellungen), plattform_(plattform),
      befehle_(std::move(befehle)) {
    setObjectName(QStringLiteral("frmProjektverwaltung"));
    setWindowTitle(tr("Tervo - Project Administration"));
    EnterAlsTab(true);

    cboxLaufwerk = new QComboBox;
    cboxLaufwerk->setObjectName(QStringLiteral("cboxLaufwerk"));
    SetzeHinweis(cboxLaufwerk, tr("Choose drive|Choose drive with project data"));
    for (const QFileInfo& laufwerk : QDir::drives()) {
        cboxLaufwerk->addItem(QDir::toNativeSeparators(laufwerk.absoluteFilePath()),
                              laufwerk.absoluteFilePath());
    }
    cboxLaufwerk->addItem(QDir::homePath(), QDir::homePath());
    lblPfad = new QLabel;
    lblPfad->setObjectName(QStringLiteral("lblPfad"));
    lblPfad->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbVerzeichnis = new QListWidget;
    lbVerzeichnis->setObjectName(QStringLiteral("lbVerzeichnis"));
    SetzeHinweis(lbVerzeichnis, tr("Choose directory|Choose directory for project data"));
    lbDateien = new QListWidget;
    lbDateien->setObjectName(QStringLiteral("lbDateien"));
    SetzeHinweis(lbDateien, tr("Select project file|Select existing project file"));

    lvPositionen = new QTreeWidget;
    lvPositionen->setObjectName(QStringLiteral("lvPositionen"));
    lvPositionen->setRootIsDecorated(false);
    lvPositionen->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvPositionen->setSelectionMode(QAbstractItemView::SingleSelection);
    lvPositionen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvPositionen->setHeaderLabels({tr("No."), tr("Prog"), tr("Project"), tr("Position"),
                                   tr("Connection Type"), tr("Length of Joint"), tr("Date")});
    lvPositionen->setColumnWidth(0, 50);
    lvPositionen->setColumnWidth(1, 60);
    lvPositionen->setColumnWidth(2, 120);
    lvPositionen->setColumnWidth(3, 70);
    lvPositionen->setColumnWidth(4, 170);
    lvPositionen->setColumnWidth(5, 90);
    lvPositionen->setColumnWidth(6, 70);
    SetzeHinweis(lvPositionen, tr("Select position in project|Select to open position in project"));

    auto knopf = [this](const QString& text, const char* name, const QString& hinweis) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(130);
        SetzeHinweis(b, hinweis);
        return b;
    };
    BitBtnOeffnen = knopf(tr("&Open Project"), "BitBtnOeffnen", tr("Open chosen project"));
    BitBtnAbbrechen =
        knopf(tr("Cancel"), "BitBtnAbbrechen", tr("Leave project maintenance without activities"));
    BitBtnHilfe = knopf(tr("&Help"), "BitBtnHilfe",
                        tr("Help in the input window|Help in the input in the mask"));
    BitBtnUebernehmen = knopf(tr("Position &Undertake"), "BitBtnUebernehmen",
                              tr("Open chosen position|Add chosen position to existing project"));

    auto beschriftet = [](const QString& text, QWidget* feld) {
        auto* l = new QLabel(text);
        l->setBuddy(feld);
        return l;
    };
    auto* raster = new QGridLayout;
    raster->addWidget(beschriftet(tr("&Drive"), cboxLaufwerk), 0, 0);
    raster->addWidget(cboxLaufwerk, 1, 0);
    raster->addWidget(beschriftet(tr("&Directory"), lbVerzeichnis), 2, 0);
    raster->addWidget(lbVerzeichnis, 3, 0);
    raster->addWidget(beschriftet(tr("&Project"), lbDateien), 0, 1);
    raster->addWidget(lbDateien, 1, 1, 3, 1);
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* b : {BitBtnOeffnen, BitBtnUebernehmen, BitBtnAbbrechen, BitBtnHilfe}) {
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch(1);
    raster->addLayout(knoepfe, 0, 2, 4, 1);
    raster->addWidget(lblPfad, 4, 0, 1, 3);
    raster->addWidget(beschriftet(tr("Project &Contents"), lvPositionen), 5, 0, 1, 3);
    raster->addWidget(lvPositionen, 6, 0, 1, 3);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(3, 1);
    raster->setRowStretch(6, 1);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->setSpacing(0);
    auto* rahmen = new QWidget;
    rahmen->setLayout(raster);
    aussen->addWidget(rahmen, 1);
    aussen->addWidget(Statuszeile());
    resize(632, 341);

    connect(cboxLaufwerk, &QComboBox::activated, this,
            [this](int i) { SetzeVerzeichnis(cboxLaufwerk->itemData(i).toString()); });
    connect(lbVerzeichnis, &QListWidget::itemActivated, this,
            &TfrmProjektverwaltung::lbVerzeichnisDoppelklick);
    connect(lbDateien, &QListWidget::itemSelectionChanged, this,
            &TfrmProjektverwaltung::DateiGewaehlt);
    connect(lvPositionen, &QTreeWidget::itemSelectionChanged, this,
            [this] { BitBtnUebernehmen->setEnabled(!lvPositionen->selectedItems().isEmpty()); });
    connect(lvPositionen, &QTreeWidget::itemDoubleClicked, this,
            &TfrmProjektverwaltung::BitBtnUebernehmenClick);
    connect(BitBtnUebernehmen, &QPushButton::clicked, this,
            &TfrmProjektverwaltung::BitBtnUebernehmenClick);
    connect(BitBtnOeffnen, &QPushButton::clicked, this, &TfrmProjektverwaltung::BitBtnOeffnenClick);
    connect(BitBtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtnHilfe, &QPushButton::clicked, this,
            [this] { emit hilfeAngefordert(QStringLiteral("MaskeProjektverwaltung")); });

    const QString gespeichert = PfadText(
        einstellungen_.ReadString(Sektion, Schluessel, PfadAus(QDir::currentPath()).string()));
    // Showing the stored directory is no change of it: nothing is written at start-up.
    if (!ZeigeVerzeichnis(gespeichert, false)) {
        ZeigeVerzeichnis(QDir::currentPath(), false);
    }
}

bool TfrmProjektverwaltung::SetzeVerzeichnis(const QString& verzeichnis) {
    return ZeigeVerzeichnis(verzeichnis, true);
}

bool TfrmProjektverwaltung::ZeigeVerzeichnis(const QString& verzeichnis, bool merken) {
    const QDir d(verzeichnis);
    if (verzeichnis.isEmpty() || !d.exists()) {
        return false;
    }
    verzeichnis_ = d.canonicalPath();
    lblPfad->setText(QDir::toNativeSeparators(verzeichnis_));
    try {
        if (merken) {
            einstellungen_.WriteString(Sektion, Schluessel, PfadAus(verzeichnis_).string());
        }
    } catch (const SchreibFehler& fehler) {
        plattform_.Meldung(fehler.what());
    }
    FuelleVerzeichnis();
    return true;
}

void TfrmProjektverwaltung::FuelleVerzeichnis() {
    const QDir d(verzeichnis_);
    lbVerzeichnis->clear();
    if (!d.isRoot()) {
        lbVerzeichnis->addItem(QStringLiteral(".."));
    }
    lbVerzeichnis->addItems(
        d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    {
        const QSignalBlocker sperre(lbDateien);
        lbDateien->clear();
        for (const QFileInfo& f : d.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
            if (f.suffix().compare(QStringLiteral("vsk"), Qt::CaseInsensitive) == 0) {
                lbDateien->addItem(f.fileName());
            }
        }
    }
    DateiGewaehlt();
}

void TfrmProjektverwaltung::lbVerzeichnisDoppelklick(QListWidgetItem* zeile) {
    if (zeile != nullptr) {
        SetzeVerzeichnis(QDir(verzeichnis_).absoluteFilePath(zeile->text()));
    }
}

QString TfrmProjektverwaltung::GewaehlteDatei() const {
    const QList<QListWidgetItem*> gewaehlt = lbDateien->selectedItems();
    return gewaehlt.isEmpty() ? QString()
                              : QDir(verzeichnis_).absoluteFilePath(gewaehlt.first()->text());
}

void TfrmProjektverwaltung::DateiGewaehlt() {
    const QString datei = GewaehlteDatei();
    BitBtnOeffnen->setEnabled(!datei.isEmpty());
    lvPositionen->clear();
    BitBtnUebernehmen->setEnabled(false);
    if (datei.isEmpty()) {
        return;
    }
    TKExplorer explorer;
    int k = 1;
    for (const TKExplorer::Zeile& z : explorer.ReadProjektFile(PfadAus(datei), plattform_)) {
        auto* zeile = new QTreeWidgetItem;
        zeile->setText(0, tr("No: ") + QString::number(k++));
        for (std::size_t i = 0; i < z.size() && i < 6; ++i) {
            zeile->setText(static_cast<int>(i) + 1, QString::fromStdString(z[i]));
        }
        lvPositionen->addTopLevelItem(zeile);
    }
}

int TfrmProjektverwaltung::Zeige(TKModell& modell) {
    modell_ = &modell;
    DateiGewaehlt(); // the file may have changed since the last opening
    AufBildschirmMitte();
    const int ergebnis = exec();
    modell_ = nullptr;
    return ergebnis;
}

void TfrmProjektverwaltung::BitBtnUebernehmenClick() {
    const QList<QTreeWidgetItem*> gewaehlt = lvPositionen->selectedItems();
    if (gewaehlt.isEmpty() || modell_ == nullptr) {
        reject();
        return;
    }
    const int zeile = lvPositionen->indexOfTopLevelItem(gewaehlt.first());
    // A failed import has shown its message and left the project as it was; the window stays
    // open for another choice, so the caller never takes it for an imported position.
    if (ImportierePosition(*modell_, PfadAus(GewaehlteDatei()), zeile, plattform_)) {
        accept();
    }
}

void TfrmProjektverwaltung::BitBtnOeffnenClick() {
    const QString datei = GewaehlteDatei();
    if (datei.isEmpty()) {
        return;
    }
    if (befehle_.FrageSpeichern && !befehle_.FrageSpeichern()) {
        return;
    }
    // Opening replaces the project this window was given: it must not be touched again.
    modell_ = nullptr;
    done(QDialog::Rejected);
    if (befehle_.OeffneProjekt) {
        befehle_.OeffneProjekt(datei);
    }
}

} // namespace vsk
