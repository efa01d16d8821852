#include "reports/qt/Seitengeraete.h"

#include "reports/qt/Berichtsbilder.h"
#include "shell/Dateischreiber.h"
#include "shell/qt/QtDateien.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include <cmath>
#include <optional>

namespace vsk {

namespace {

int Gerundet(double v) {
    return static_cast<int>(std::lround(v));
}

struct Druckerwahl {
    QString name;
    QPageLayout seite;
    int kopien = 1;
    bool sortiert = true;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QPrinter::ColorMode farbe = QPrinter::Color;
};

// The printer chosen in Printer Setup: program-wide, like the printer of the platform.
std::optional<Druckerwahl>& Gewaehlt() {
    static std::optional<Druckerwahl> wahl;
    return wahl;
}

} // namespace

void MerkeDrucker(const QPrinter& gewaehlt) {
    Gewaehlt() = Druckerwahl{gewaehlt.printerName(),   gewaehlt.pageLayout(), gewaehlt.copyCount(),
                             gewaehlt.collateCopies(), gewaehlt.duplex(),     gewaehlt.colorMode()};
}

void VergissDrucker() {
    Gewaehlt().reset();
}

void RichteDruckerEin(QPrinter& drucker) {
    const std::optional<Druckerwahl>& wahl = Gewaehlt();
    if (!wahl) {
        return;
    }
    // A printer removed since the choice leaves the default printer in place.
    if (!wahl->name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(wahl->name)) {
        drucker.setPrinterName(wahl->name);
    }
    if (!drucker.setPageLayout(wahl->seite)) {
        // Margins the printer cannot print: keep its own, with the chosen paper.
        drucker.setPageSize(wahl->seite.pageSize());
        drucker.setPageOrientation(wahl->seite.orientation());
    }
    drucker.setCopyCount(wahl->kopien);
    drucker.setCollateCopies(wahl->sortiert);
    drucker.setDuplex(wahl->duplex);
    drucker.setColorMode(wahl->farbe);
}

bool DruckerVorhanden() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

Druckergeometrie AktuelleDruckergeometrie() {
    if (!DruckerVorhanden()) {
        return StandardDruckergeometrie();
    }
    return SystemDrucker().Geometrie();
}

// ---- SystemDrucker

SystemDrucker::SystemDrucker() : drucker_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    RichteDruckerEin(*drucker_);
}

SystemDrucker::~SystemDrucker() {
    canvas_.reset();
    if (maler_ && maler_->isActive()) {
        maler_->end();
    }
}

Druckergeometrie SystemDrucker::Geometrie() const {
    Druckergeometrie g;
    g.dpiX = g.dpiY = drucker_->resolution();
    const QRectF papier = drucker_->paperRect(QPrinter::DevicePixel);
    const QRectF seite = drucker_->pageRect(QPrinter::DevicePixel);
    g.offX = Gerundet(seite.left() - papier.left());
    g.offY = Gerundet(seite.top() - papier.top());
    g.breite = Gerundet(seite.width());
    g.hoehe = Gerundet(seite.height());
    g.papierBreite = Gerundet(papier.width());
    g.papierHoehe = Gerundet(papier.height());
    if (g.breite <= 0 || g.hoehe <= 0) {
        return StandardDruckergeometrie();
    }
    return g;
}

bool SystemDrucker::BeginDoc(const std::string& titel) {
    fehler_.clear();
    if (!DruckerVorhanden()) {
        fehler_ = QCoreApplication::translate("Druck", "No printer is installed.").toStdString();
        return false;
    }
    drucker_->setDocName(QString::fromStdString(titel));
    maler_ = std::make_unique<QPainter>();
    if (!maler_->begin(drucker_.get())) {
        fehler_ =
            QCoreApplication::translate("Druck", "The printer could not be started.").toStdString();
        maler_.reset();
        return false;
    }
    canvas_ = std::make_unique<QtCanvas>(*maler_, drucker_->resolution(), drucker_->resolution());
    canvas_->SetzeBildQuelle(BerichtsBildQuelle());
    return true;
}

void SystemDrucker::NewPage() {
    if (maler_) {
        drucker_->newPage();
    }
}

bool SystemDrucker::EndDoc() {
    canvas_.reset();
    if (!maler_) {
        return false;
    }
    const bool ok = maler_->end();
    maler_.reset();
    if (!ok) {
        fehler_ = QCoreApplication::translate("Druck", "The document could not be printed.")
                      .toStdString();
    }
    return ok;
}

Canvas& SystemDrucker::Leinwand() {
    if (canvas_) {
        return *canvas_;
    }
    return ohneDokument_;
}

Rechteck SystemDrucker::SeitenClip() const {
    const QRectF seite = drucker_->pageRect(QPrinter::DevicePixel);
    return {0, 0, Gerundet(seite.width()), Gerundet(seite.height())};
}

// ---- PdfDrucker

PdfDrucker::PdfDrucker(std::filesystem::path datei, Druckergeometrie geometrie)
    : datei_(std::move(datei)), geometrie_(geometrie) {
    if (geometrie_.dpiX <= 0 || geometrie_.dpiY <= 0 || geometrie_.breite <= 0 ||
        geometrie_.hoehe <= 0) {
        geometrie_ = StandardDruckergeometrie();
    }
}

PdfDrucker::~PdfDrucker() {
    canvas_.reset();
    if (maler_ && maler_->isActive()) {
        maler_->end();
    }
    // An unfinished document never reaches the file.
}

bool PdfDrucker::BeginDoc(const std::string& titel) {
    fehler_.clear();
    seiten_ = 0;
    daten_.clear();
    info_.gliederung.clear();
    ausgabe_ = std::make_unique<QBuffer>(&daten_);
    ausgabe_->open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(ausgabe_.get());
    const Druckergeometrie& g = geometrie_;
    pdf_->setResolution(g.dpiX);
    pdf_->setTitle(QString::fromStdString(titel));
    pdf_->setCreator(QStringLiteral("VSK"));
    const double mmX = 25.4 / g.dpiX;
    const double mmY = 25.4 / g.dpiY;
    const QPageSize papier(QSizeF(g.papierBreite * mmX, g.papierHoehe * mmY), QPageSize::Millimeter,
                           QString(), QPageSize::ExactMatch);
    const QMarginsF raender(g.offX * mmX, g.offY * mmY, (g.papierBreite - g.offX - g.breite) * mmX,
                            (g.papierHoehe - g.offY - g.hoehe) * mmY);
    pdf_->setPageLayout(
        QPageLayout(papier, QPageLayout::Portrait, raender, QPageLayout::Millimeter));
    maler_ = std::make_unique<QPainter>();
    if (!maler_->begin(pdf_.get())) {
        fehler_ = QCoreApplication::translate("Druck", "The PDF file could not be written.")
                      .toStdString();
        maler_.reset();
        pdf_.reset();
        ausgabe_.reset();
        return false;
    }
    canvas_ = std::make_unique<QtCanvas>(*maler_, g.dpiX, g.dpiY);
    canvas_->SetzeBildQuelle(BerichtsBildQuelle());
    seiten_ = 1;
    return true;
}

void PdfDrucker::NewPage() {
    if (maler_) {
        pdf_->newPage();
        ++seiten_;
    }
}

bool PdfDrucker::EndDoc() {
    canvas_.reset();
    if (!maler_) {
        return false;
    }
    const bool fertig = maler_->end();
    maler_.reset();
    pdf_.reset();
    ausgabe_.reset();
    if (!fertig) {
        fehler_ = QCoreApplication::translate("Druck", "The PDF file could not be written.")
                      .toStdString();
        return false;
    }
    // Title, author and bookmarks go in before the document reaches the file.
    std::string_view dokument(daten_.constData(), static_cast<std::size_t>(daten_.size()));
    std::optional<std::string> ergaenzt;
    if (!IstLeer(info_)) {
        ergaenzt = PdfErgaenzen(dokument, info_, fehler_);
        if (!ergaenzt) {
            daten_.clear();
            return false;
        }
        dokument = *ergaenzt;
    }
    const Schreibergebnis e = SchreibeDatei(datei_, dokument);
    daten_.clear();
    fehler_ = e.Grund();
    return static_cast<bool>(e);
}

void PdfDrucker::Gliederungseintrag(const std::string& titel) {
    if (maler_) {
        info_.gliederung.push_back({titel, seiten_});
    }
}

void PdfDrucker::SetzeDokumentinfo(const std::string& titel, const std::string& autor) {
    info_.titel = titel;
    info_.autor = autor;
}

Canvas& PdfDrucker::Leinwand() {
    if (canvas_) {
        return *canvas_;
    }
    return ohneDokument_;
}

Rechteck PdfDrucker::SeitenClip() const {
    return {0, 0, geometrie_.breite, geometrie_.hoehe};
}

} // namespace vsk
