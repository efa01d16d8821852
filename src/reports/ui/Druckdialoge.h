#pragma once
// The dialogs of printing: the PDF file to write when no printer is installed, and the
// export of the report or the schedule as a PDF file.

#include "reports/Berichtskontext.h"
#include "reports/qt/Druckauftrag.h"
#include "shell/Plattform.h"

#include <QString>

class QWidget;

namespace vsk {

// A save dialog for a PDF file, proposing vorschlag (an existing file is confirmed first).
PdfDateiwahl PdfDateiDialog(QWidget* eltern, const QString& vorschlag);

// File → Export as PDF: asks for the file and writes the pages; false when cancelled or
// failed (a failure is shown).
bool AlsPdfExportieren(QWidget* eltern, Druckart art, Berichtskontext& k, Plattform& plattform,
                       const QString& vorschlag);

} // namespace vsk
