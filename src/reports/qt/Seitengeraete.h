#pragma once
// Page devices of the report pipelines: the current printer (no print dialog) and a PDF
// file laid out like a printer page. Both draw vector text and lines.

#include "canvas/Aufzeichnung.h"
#include "canvas/qt/QtCanvas.h"
#include "reports/Seitenziel.h"
#include "reports/qt/PdfGliederung.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <filesystem>
#include <memory>
#include <string>

namespace vsk {

// True when the system has a printer to print on.
bool DruckerVorhanden();

// The page of the current printer, or StandardDruckergeometrie() without a printer.
Druckergeometrie AktuelleDruckergeometrie();

// The current printer is the system's default printer until Printer Setup chooses
// another: the choice (printer, paper, orientation, copies, duplex, colour) is kept for
// the run, and every later print and preview uses it.
void MerkeDrucker(const QPrinter& gewaehlt);
// Sets drucker to the current printer (the kept choice, if its printer still exists).
void RichteDruckerEin(QPrinter& drucker);
// Forgets the choice: the default printer again.
void VergissDrucker();

// The current printer of the system.
class SystemDrucker final : public Drucker {
public:
    SystemDrucker();
    ~SystemDrucker() override;

    Druckergeometrie Geometrie() const override;
    bool BeginDoc(const std::string& titel) override;
    void NewPage() override;
    bool EndDoc() override;
    Canvas& Leinwand() override;
    Rechteck SeitenClip() const override;

    // Why the last BeginDoc or EndDoc failed.
    const std::string& Fehler() const { return fehler_; }

private:
    std::unique_ptr<QPrinter> drucker_;
    std::unique_ptr<QPainter> maler_;
    std::unique_ptr<QtCanvas> canvas_;
    Aufzeichnung ohneDokument_;
    std::string fehler_;
};

// A PDF file with the page geometry of a printer (by default the current one). The
// document is made in memory and written by the file writer when it is complete, so a
// failed export leaves an existing file as it was.
class PdfDrucker final : public Drucker {
public:
    explicit PdfDrucker(std::filesystem::path datei,
                        Druckergeometrie geometrie = AktuelleDruckergeometrie());
    ~PdfDrucker() override;

    Druckergeometrie Geometrie() const override { return geometrie_; }
    bool BeginDoc(const std::string& titel) override;
    void NewPage() override;
    bool EndDoc() override;
    Canvas& Leinwand() override;
    Rechteck SeitenClip() const override;
    void Gliederungseintrag(const std::string& titel) override;

    // Title and author of the document information (set before EndDoc).
    void SetzeDokumentinfo(const std::string& titel, const std::string& autor);

    const std::string& Fehler() const { return fehler_; }
    int Seiten() const { return seiten_; }

private:
    std::filesystem::path datei_;
    Druckergeometrie geometrie_;
    QByteArray daten_;
    std::unique_ptr<QBuffer> ausgabe_;
    PdfDokumentinfo info_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QPainter> maler_;
    std::unique_ptr<QtCanvas> canvas_;
    Aufzeichnung ohneDokument_;
    std::string fehler_;
    int seiten_ = 0;
};

} // namespace vsk
