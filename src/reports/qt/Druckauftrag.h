#pragma once
// Printing the report or the schedule on the current printer, without a print dialog.
// Where no printer is installed the user is told so and may save the pages as a PDF file
// instead, so that printing never fails silently.

#include "reports/Berichtskontext.h"
#include "reports/Projektbericht.h"
#include "shell/Plattform.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace vsk {

enum class Druckart { Bericht, Liste };

// Asks for the PDF file to write; empty when the user cancels.
using PdfDateiwahl = std::function<std::optional<std::filesystem::path>()>;

// "No printer is installed. ..." (shown before the PDF file is asked for)
std::string TextKeinDrucker();

// Prints; returns true when the pages went to the printer or into the PDF file. Failures
// are shown through the platform; a cancelled file choice returns false silently.
bool Drucken(Druckart art, Berichtskontext& k, Plattform& plattform, const PdfDateiwahl& waehle);

// The pages as a PDF file laid out like the current printer's page (or the standard 600 dpi
// page without a printer); failures are shown through the platform.
bool AlsPdfSpeichern(Druckart art, const std::filesystem::path& datei, Berichtskontext& k,
                     Plattform& plattform);

// The project report as a PDF file laid out like the current printer's page; failures are
// shown through the platform, a cancelled export returns false silently.
bool ProjektberichtSpeichern(const std::filesystem::path& datei, Projektbericht& bericht,
                             Berichtskontext& k, Plattform& plattform,
                             const Fortschritt& fortschritt);

} // namespace vsk
