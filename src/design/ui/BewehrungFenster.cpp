#include "design/ui/BewehrungFenster.h"

#include "canvas/qt/QtCanvas.h"
#include "design/Bemessung.h"
#include "design/ui/BST500.h"
#include "design/ui/UpDown.h"
#include "model/Anwendung.h"
#include "reports/Berichtszahlen.h"
#include "reports/Druckhilfen.h"
#include "shell/Plattform.h"
#include "shell/Zahlen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <array>

namespace vsk {

namespace {
constexpr int BildBreite = 260;
constexpr int BildHoehe = 180;
constexpr const char* Stabgroessen = "6;8;10;12;14;16;20;25";

QLineEdit* Anzeigefeld(const char* name) {
    auto* feld = new QLineEdit;
    feld->setObjectName(QString::fromLatin1(name));
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feld->setFixedWidth(40);
    return feld;
}

// A bar area in mm² to whole mm², shown in cm².
std::string InQuadratzentimetern(double mm2, char trenner) {
    return FormatAllgemein(static_cast<double>(RundeGerade(mm2) / 100.0L), trenner);
}
} // namespace

TfrmBewehrung::TfrmBewehrung(Plattform& plattform, QWidget* parent)
    : TDialogFenster(parent), lblUeberschrift(new QLabel), edtAnzB(Anzeigefeld("edtAnzB")),
      udAnzB(new TUpDown), edtDurchmB(Anzeigefeld("edtDurchmB")), udDurchmB(new TBST500),
      edtAnzD(Anzeigefeld("edtAnzD")), udAnzD(new TUpDown), edtDurchmD(Anzeigefeld("edtDurchmD")),
      udDurchmD(new TBST500), imgDorn(new QLabel), imgZwischenergebnis(new QLabel),
      plattform_(plattform) {
    setObjectName(QStringLiteral("frmBewehrung"));
    setWindowTitle(tr("Reinforcement"));
    EnterAlsTab(true);

    lblUeberschrift->setObjectName(QStringLiteral("lblUeberschrift"));
    QFont fett = lblUeberschrift->font();
    fett.setBold(true);
    lblUeberschrift->setFont(fett);

    udAnzB->setObjectName(QStringLiteral("udAnzB"));
    udAnzD->setObjectName(QStringLiteral("udAnzD"));
    udDurchmB->setObjectName(QStringLiteral("udDurchmB"));
    udDurchmD->setObjectName(QStringLiteral("udDurchmD"));
    udAnzB->setRange(2, 20);
    udAnzD->setRange(2, 20);
    udAnzD->setIncrement(2);
    udDurchmB->setStabListe(QString::fromLatin1(Stabgroessen));
    udDurchmD->setStabListe(QString::fromLatin1(Stabgroessen));
    udAnzB->setAssociate(edtAnzB);
    udAnzD->setAssociate(edtAnzD);
    udDurchmB->setAssociate(edtDurchmB);
    udDurchmD->setAssociate(edtDurchmD);
    SetzeHinweis(edtAnzB, tr("Number of Top and Bottom Reinforcement bars"));
    SetzeHinweis(udAnzB, tr("Change number of Top and Bottom Reinforcement bars"));
    SetzeHinweis(edtDurchmB, tr("Diameter of Top and Bottom Reinforcement bars"));
    SetzeHinweis(udDurchmB, tr("Change diameter of Top and Bottom Reinforcement bars"));
    SetzeHinweis(edtAnzD, tr("Number Vertical Reinforcement bars"));
    SetzeHinweis(udAnzD, tr("Change number Vertical Reinforcement bars"));
    SetzeHinweis(edtDurchmD, tr("Diameter of Vertical Reinforcement bars"));
    SetzeHinweis(udDurchmD, tr("Change diameter Vertical Reinforcement bars"));

    auto* tabelle = new QGridLayout;
    tabelle->setHorizontalSpacing(6);
    tabelle->addWidget(new QLabel(tr("Description")), 0, 0);
    tabelle->addWidget(new QLabel(tr("Number")), 0, 1, 1, 2);
    tabelle->addWidget(new QLabel(tr("Size")), 0, 4, 1, 2);
    const std::array<QWidget*, 5> zeileB{edtAnzB, udAnzB, new QLabel(tr("-T")), edtDurchmB,
                                         udDurchmB};
    const std::array<QWidget*, 5> zeileD{edtAnzD, udAnzD, new QLabel(tr("-T")), edtDurchmD,
                                         udDurchmD};
    tabelle->addWidget(new QLabel(tr("Top and Bottom Reinforcement")), 1, 0);
    tabelle->addWidget(new QLabel(tr("Vertical Reinforcement")), 2, 0);
    for (int i = 0; i < 5; ++i) {
        tabelle->addWidget(zeileB[static_cast<std::size_t>(i)], 1, i + 1);
        tabelle->addWidget(zeileD[static_cast<std::size_t>(i)], 2, i + 1);
    }
    tabelle->setColumnStretch(0, 1);

    imgDorn->setObjectName(QStringLiteral("imgDorn"));
    imgDorn->setFixedSize(BildBreite, BildHoehe);
    imgDorn->setFrameShape(QFrame::StyledPanel);
    imgZwischenergebnis->setObjectName(QStringLiteral("imgZwischenergebnis"));
    imgZwischenergebnis->setFixedSize(BildBreite, BildHoehe);
    auto* bilder = new QHBoxLayout;
    bilder->addWidget(imgDorn);
    bilder->addWidget(imgZwischenergebnis);

    const Dialogknoepfe knoepfe = BaueDialogknoepfe(QStringLiteral("MaskeBewehrung"));
    BitBtnOK = knoepfe.ok;
    BitBtnAbbrechen = knoepfe.abbrechen;
    BitBtnHilfe = knoepfe.hilfe;

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblUeberschrift);
    spalte->addLayout(tabelle);
    spalte->addLayout(bilder);
    spalte->addLayout(Knopfreihe(knoepfe));
    spalte->addWidget(Statuszeile());
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    for (TUpDown* ud :
         {udAnzB, udAnzD, static_cast<TUpDown*>(udDurchmB), static_cast<TUpDown*>(udDurchmD)}) {
        connect(ud, &TUpDown::geaendert, this, [this] { Schritt(); });
    }
}

bool TfrmBewehrung::IstGrosserTyp(int typ) {
    return typ == 8 || typ == 9 || typ == 17 || typ == 18;
}

int TfrmBewehrung::Zeige(TKAnwendung& anwendung) {
    Aktivieren(anwendung);
    if (QWidget* haupt = parentWidget()) {
        move(haupt->window()->frameGeometry().topLeft());
    }
    return exec();
}

void TfrmBewehrung::Aktivieren(TKAnwendung& anwendung) {
    anwendung_ = &anwendung;
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    typ_ = KlemmeDornTyp(ergebnisse.TAktDorn);
    const TKDornDaten& daten = ergebnisse.DornDaten(typ_);
    lblUeberschrift->setText(tr("Reinforcement to current connector: ") +
                             QString::fromStdString(DornName(typ_)));
    udAnzB->setIncrement(IstGrosserTyp(typ_) ? 2 : 1);
    udAnzB->setPosition(daten.AnzB);
    udAnzD->setPosition(daten.AnzD);
    udDurchmB->setPosition(daten.DurchmB);
    udDurchmD->setPosition(daten.DurchmD);
    kopieDaten_ = daten;
    kopieErgebnis_ = ergebnisse.DornErgebnis(typ_);
    alterAbstand_ = anwendung.TMaxDornabstand;
    anwendung.TMaxDornabstand = 1;
    ZeigeDornbild(typ_);
    ZeichneZwischenergebnis();
    Statuszeile()->clearMessage();
    udAnzB->setFocus();
}

void TfrmBewehrung::Schritt() {
    if (anwendung_ == nullptr) {
        return;
    }
    TKDornDaten& daten = anwendung_->cErgebnisse.DornDaten(typ_);
    daten.AnzB = udAnzB->Position();
    daten.AnzD = udAnzD->Position();
    daten.DurchmB = udDurchmB->Position();
    daten.DurchmD = udDurchmD->Position();
    TKVSKBemessung bemessung(plattform_);
    bemessung.BewehrungsbreitenBerechnen(*anwendung_, typ_);
    bemessung.NachweisDorn(*anwendung_, typ_);
    ZeichneZwischenergebnis();
    emit ergebnisseGeaendert();
}

void TfrmBewehrung::ZeichneZwischenergebnis() {
    QImage bild =
        Bildschirmbitmap(imgZwischenergebnis->size(), imgZwischenergebnis->devicePixelRatioF());
    bild.fill(palette().color(QPalette::Window));
    if (anwendung_ != nullptr) {
        const TKDornErgebnis& e = anwendung_->cErgebnisse.DornErgebnis(typ_);
        const char t = plattform_.Dezimaltrenner();
        QtCanvas c(bild);
        c.schrift = Schrift{"Arial", 10, Kursiv | Unterstrichen, 0, 0};
        c.pinsel.art = Pinselart::Leer;
        c.TextOut(10, 10, tr("Intermediate result for reinforcement ").toStdString());
        c.schrift.stil = Normal;
        const int zeile = c.TextHeight("Wy");
        const std::string cm2 = "cm²";
        struct Zeile {
            const char* index;
            std::string wert;
            std::string einheit;
        };
        const std::array<Zeile, 5> zeilen{{
            {"sx", InQuadratzentimetern(e.TAsxIst, t), cm2},
            {"sx,req", InQuadratzentimetern(e.TAsxErf, t), cm2},
            {"sy", InQuadratzentimetern(e.TAsyIst, t), cm2},
            {"sy,req", InQuadratzentimetern(e.TAsyErf, t), cm2},
            {"Rd", AufZehntel(e.TFRd(), t), "kN"},
        }};
        const int wertOffset = c.TextWidth("A") + c.TextWidth("sy,req") + 6;
        int y = 10 + zeile * 2;
        for (const Zeile& z : zeilen) {
            Formeltexte texte;
            texte.symbol = z.index[0] == 'R' ? "V" : "A";
            texte.index = z.index;
            Formelzeile(c, "", z.wert, wertOffset, 0, y, 10, Formelschriften{}, texte, z.einheit);
            c.schrift.name = "Arial";
            y += zeile + zeile / 3;
        }
    }
    imgZwischenergebnis->setPixmap(QPixmap::fromImage(bild));
}

void TfrmBewehrung::ZeigeDornbild(int typ) {
    QImage bild = Bildschirmbitmap(imgDorn->size(), imgDorn->devicePixelRatioF());
    QSvgRenderer svg(IstGrosserTyp(typ) ? QStringLiteral(":/design/dorn_gross.svg")
                                        : QStringLiteral(":/design/dorn_klein.svg"));
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    svg.render(&maler, QRectF(0, 0, imgDorn->width(), imgDorn->height()));
    maler.end();
    imgDorn->setPixmap(QPixmap::fromImage(bild));
}

void TfrmBewehrung::Schliessen() {
    kopieDaten_.reset();
    kopieErgebnis_.reset();
    anwendung_ = nullptr;
}

void TfrmBewehrung::accept() {
    if (anwendung_ != nullptr) {
        anwendung_->TMaxDornabstand = alterAbstand_;
    }
    Schliessen();
    TDialogFenster::accept();
}

void TfrmBewehrung::reject() {
    if (anwendung_ != nullptr) {
        anwendung_->TMaxDornabstand = alterAbstand_;
        TKErgebnisse& ergebnisse = anwendung_->cErgebnisse;
        // Record and result as they were: a recheck of the restored bars would not give
        // back what the full design run had found (arrangement kind, extent of B).
        if (kopieDaten_) {
            ergebnisse.DornDaten(typ_) = *kopieDaten_;
        }
        if (kopieErgebnis_) {
            ergebnisse.DornErgebnis(typ_) = *kopieErgebnis_;
        }
        emit ergebnisseGeaendert();
    }
    Schliessen();
    TDialogFenster::reject();
}

} // namespace vsk
