#include "dxf/ui/DxfAnzeigeForm.h"

#include "dxf/DXF_Writer.h"
#include "dxf/DornZeichnungen.h"
#include "dxf/ui/DxfBildZeichner.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/qt/QtDateien.h"
#include "sketches/ui/ZoomPanel.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace vsk {

namespace {

std::optional<QString> SpeicherDialog(QWidget& eltern) {
    QFileDialog dialog(&eltern,
                       TDXF_Anzeige_Form::tr("Tervo - VSK / VSKQ Shear Connectors - DXF-Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(TDXF_Anzeige_Form::tr("DXF databases (*.dxf)"));
    // With the suffix the dialog asks before it replaces the file that is really written.
    dialog.setDefaultSuffix(QStringLiteral("dxf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

TDXF_Anzeige_Form::TDXF_Anzeige_Form(Plattform& plattform, QWidget* parent)
    : QDialog(parent), plattform_(plattform), dateiWahl_(SpeicherDialog) {
    setObjectName(QStringLiteral("DXF_Anzeige_Form"));
    setWindowTitle(tr("DXF display form"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);
    resize(800, 600);

    BitBtnSpeichern_ = new QPushButton(tr("&Save as DXF"), this);
    BitBtnSpeichern_->setObjectName(QStringLiteral("BitBtnSpeichern"));
    BitBtnSpeichern_->setAutoDefault(false);
    BitBtnZurueck_ = new QPushButton(tr("&Back"), this);
    BitBtnZurueck_->setObjectName(QStringLiteral("BitBtnZurueck"));
    BitBtnZurueck_->setAutoDefault(false);
    ZoomBox_ = new Zoom_panel(this);
    ZoomBox_->setObjectName(QStringLiteral("ZoomBox"));
    ZoomBox_->SetZoomFactor(1.25);
    ZoomBox_->SetzeDezimaltrenner(plattform_.Dezimaltrenner());
    ZoomBox_->SetzeOnPaint(
        [this](QPainter& maler) { ZeichneDxf(maler, ZoomBox_->Abbildung(), objekt_); });

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(BitBtnSpeichern_);
    leiste->addWidget(BitBtnZurueck_);
    leiste->addStretch(1);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->addLayout(leiste);
    spalte->addWidget(ZoomBox_, 1);

    connect(BitBtnSpeichern_, &QPushButton::clicked, this, [this] { BitBtnSpeichernClick(); });
    connect(BitBtnZurueck_, &QPushButton::clicked, this, &QDialog::accept);
}

void TDXF_Anzeige_Form::Anzeigen() {
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TDXF_Anzeige_Form::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Einpassen();
}

void TDXF_Anzeige_Form::Einpassen() {
    UpdateExtents(objekt_, minimum_, maximum_);
    if (minimum_.x > maximum_.x || minimum_.y > maximum_.y) {
        // An empty drawing: show the origin rather than a window 2e10 wide.
        ZoomBox_->Fit(20, 20, 0, 0, 0, 0);
        return;
    }
    ZoomBox_->Fit(20, 20, maximum_.x, minimum_.x, maximum_.y, minimum_.y);
}

bool TDXF_Anzeige_Form::BitBtnSpeichernClick() {
    const std::optional<QString> wahl = dateiWahl_(*this);
    if (!wahl || wahl->isEmpty()) {
        return false;
    }
    const std::string gewaehlt = PfadAus(*wahl).string();
    const std::filesystem::path ziel = DornZielMitEndung(gewaehlt, 0);
    std::error_code fehler;
    if (ziel.string() != gewaehlt && std::filesystem::exists(ziel, fehler)) {
        // The dialog asked about the name without the extension; the file written is
        // another one, so ask again before replacing it.
        const QString frage =
            tr("%1 already exists.\nDo you want to replace it?").arg(PfadText(ziel));
        if (!plattform_.FrageJaNein(frage.toStdString())) {
            return false;
        }
    }
    try {
        SaveToFile(objekt_, ziel);
    } catch (const std::exception& e) {
        plattform_.Fehler(e.what());
        return false;
    }
    return true;
}

} // namespace vsk
