#pragma once
// The print and preview pipelines of the calculation report and of the connector
// schedule. The printer pipelines also write PDF files: a PDF writer is a page device.

#include "reports/Berichtskontext.h"
#include "reports/Seitenziel.h"

namespace vsk {

// Starts a document on the page device and lays the print state out for its pages.
// False when the device could not be opened.
bool DokumentBeginnen(Drucker& drucker, Berichtskontext& k, const std::string& titel);

// The report has a load page for an arbitrary load (load type 3).
bool MitLastseite(const TKAnwendung& anwendung);
// Pages of the calculation report: 2, or 3 with the load page.
int Berichtsseitenzahl(const TKAnwendung& anwendung);

// The report pages of the current position, each with its frame, on a started document;
// the first goes on the device's current page.
void Berichtsseiten(Drucker& drucker, Berichtskontext& k);

// The calculation report of the current position to the page device. Returns false when
// the document could not be started or finished. The line-width factor is 1 afterwards.
bool BerichtDrucken(Drucker& drucker, Berichtskontext& k);

// The report into the preview pictures: p1 the result page, p2 the load page (shown only
// for an arbitrary load), p3 the sketch page, laid out one below the other. geometrie is
// the page of the current printer.
void BerichtVorschau(const Druckergeometrie& geometrie, Vorschaubild& p1, Vorschaubild& p2,
                     Vorschaubild& p3, Berichtskontext& k);

// "Connector Schedule"
std::string Stuecklistentitel();

// The connector schedule to the page device (new pages as the content needs them).
bool ListeDrucken(Drucker& drucker, Berichtskontext& k);
// The connector schedule into one preview picture that grows with the content.
void ListeVorschau(const Druckergeometrie& geometrie, Vorschaubild& p, Berichtskontext& k);

} // namespace vsk
