#include "sketches/ui/FarbeinstellungFenster.h"

#include <QColor>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <vector>

namespace vsk {

namespace {

// Field of the scheme by swatch number, in the order of the scheme.
Farbe TKFarbe::*const kFeld[9] = {
    &TKFarbe::Hintergrund, &TKFarbe::BetonPen,  &TKFarbe::BetonBrush,
    &TKFarbe::PosB,        &TKFarbe::PosD,      &TKFarbe::DornPen,
    &TKFarbe::DornBrush,   &TKFarbe::Bemassung, &TKFarbe::Brandschutz,
};

enum Feld { Hintergrund, BetonPen, BetonBrush, PosB, PosD, DornPen, DornBrush, Bemassung, Brand };

QColor AlsQColor(Farbe f) {
    return QColor(Rot(f), Gruen(f), Blau(f));
}

std::optional<Farbe> Farbdialog(Farbe start, QWidget* parent) {
    const QColor c = QColorDialog::getColor(AlsQColor(start), parent);
    if (!c.isValid()) {
        return std::nullopt;
    }
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

TfrmFarbeinstellung::TfrmFarbeinstellung(TKFarbe& farben, Farbwahl wahl, QWidget* parent)
    : TDialogFenster(parent), Felder{}, BitBtnStandard(new QPushButton(tr("&Standard"))),
      BitBtnGrau(new QPushButton(tr("&Grey scales"))), schema_(farben),
      wahl_(wahl ? std::move(wahl) : Farbwahl(Farbdialog)) {
    setObjectName(QStringLiteral("frmFarbeinstellung"));
    setWindowTitle(tr("VSK - colour representation"));

    static const char* const namen[9] = {
        "sTextHintergrund", "sTextBetonPen",  "stextBetonBrush", "sTextPosB",        "sTextPosD",
        "sTextDornPen",     "sTextDornBrush", "sTextBemassung",  "stextBrandschutz",
    };
    const std::array<QString, 9> hinweise{
        tr("Colour of the sketch background"),
        tr("Colour of the concrete border"),
        tr("Colour of the concrete surfaces"),
        tr("Colour of the horizontal reinforcement (Pos B)"),
        tr("Colour representation of the suspended reinforcement (pos D)"),
        tr("Colour of the shear connector border"),
        tr("Colour of the shear connector surface"),
        tr("Colour representation of the dimensioning (Lines + Text)"),
        tr("Colour of the fire protection sleeve"),
    };
    for (int i = 0; i < 9; ++i) {
        auto* feld = new QPushButton;
        feld->setObjectName(QString::fromLatin1(namen[i]));
        feld->setFixedSize(60, 22);
        feld->setAutoDefault(false);
        SetzeHinweis(feld, hinweise[static_cast<std::size_t>(i)]);
        Felder[static_cast<std::size_t>(i)] = feld;
        connect(feld, &QPushButton::clicked, this, [this, i] { stextBetonBrushClick(i); });
    }

    // Headings with their swatches, as label and field per line.
    struct Gruppe {
        QString titel;
        std::vector<std::pair<QString, int>> zeilen;
    };
    const std::array<Gruppe, 4> gruppen{{
        {tr("Background"), {{tr("Sketch"), Hintergrund}, {tr("Dimensioning"), Bemassung}}},
        {tr("Reinforcement"), {{tr("Position B"), PosB}, {tr("Position D"), PosD}}},
        {tr("Concrete"),
         {{tr("Border"), BetonPen}, {tr("Surface"), BetonBrush}, {tr("Fire protection"), Brand}}},
        {tr("Shear connector"), {{tr("Border"), DornPen}, {tr("Surface"), DornBrush}}},
    }};
    auto* raster = new QGridLayout;
    for (std::size_t g = 0; g < gruppen.size(); ++g) {
        auto* box = new QGroupBox(gruppen[g].titel);
        auto* zeilen = new QGridLayout(box);
        int z = 0;
        for (const auto& [text, feld] : gruppen[g].zeilen) {
            zeilen->addWidget(new QLabel(text), z, 0);
            zeilen->addWidget(Felder[static_cast<std::size_t>(feld)], z, 1);
            ++z;
        }
        zeilen->setRowStretch(z, 1);
        zeilen->setColumnStretch(0, 1);
        raster->addWidget(box, static_cast<int>(g / 2), static_cast<int>(g % 2));
    }

    BitBtnStandard->setObjectName(QStringLiteral("BitBtnStandard"));
    BitBtnGrau->setObjectName(QStringLiteral("BitBtnGrau"));
    const Dialogknoepfe dialogknoepfe = BaueDialogknoepfe();
    BitBtnOK = dialogknoepfe.ok;
    BitBtnAbbrechen = dialogknoepfe.abbrechen;
    SetzeHinweis(BitBtnStandard, tr("Set back colour to standard value"));
    SetzeHinweis(BitBtnGrau, tr("Adjust colour representation to grey scale"));
    SetzeHinweis(BitBtnOK, tr("Leave entry mask and undertake entry!"));
    SetzeHinweis(BitBtnAbbrechen, tr("Leave entry mask and discard entry!"));
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {BitBtnStandard, BitBtnGrau, BitBtnOK, BitBtnAbbrechen}) {
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addLayout(knoepfe);
    spalte->addWidget(Statuszeile());
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtnStandard, &QPushButton::clicked, this,
            [this] { ZeigeSchema(TKFarbe::Standard()); });
    connect(BitBtnGrau, &QPushButton::clicked, this,
            [this] { ZeigeSchema(TKFarbe::Graustufen()); });
}

int TfrmFarbeinstellung::Zeige() {
    Aktivieren();
    return exec();
}

void TfrmFarbeinstellung::Aktivieren() {
    ZeigeSchema(schema_);
    Statuszeile()->clearMessage();
}

void TfrmFarbeinstellung::ZeigeSchema(const TKFarbe& schema) {
    for (int i = 0; i < 9; ++i) {
        Setze(i, schema.*kFeld[i]);
    }
}

TKFarbe TfrmFarbeinstellung::Auswahl() const {
    TKFarbe schema;
    for (int i = 0; i < 9; ++i) {
        schema.*kFeld[i] = farben_[static_cast<std::size_t>(i)];
    }
    return schema;
}

void TfrmFarbeinstellung::Setze(int feld, Farbe farbe) {
    farben_[static_cast<std::size_t>(feld)] = farbe & 0xFFFFFF;
    Felder[static_cast<std::size_t>(feld)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }")
            .arg(AlsQColor(farbe).name()));
}

void TfrmFarbeinstellung::stextBetonBrushClick(int feld) {
    if (const auto gewaehlt = wahl_(Feldfarbe(feld), this)) {
        Setze(feld, *gewaehlt);
    }
}

void TfrmFarbeinstellung::accept() {
    schema_ = Auswahl();
    TDialogFenster::accept();
}

} // namespace vsk
