#include "reports/ui/Druckdialoge.h"
#include "shell/qt/QtDateien.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace vsk {

PdfDateiwahl PdfDateiDialog(QWidget* eltern, const QString& vorschlag) {
    return [eltern, vorschlag]() -> std::optional<std::filesystem::path> {
        QFileDialog dialog(eltern, QCoreApplication::translate("Druck", "Save as PDF file"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QCoreApplication::translate("Druck", "PDF files (*.pdf)"));
        // The suffix is added before the overwrite question, so that it asks about the
        // file that will be written.
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(vorschlag);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return PfadAus(dialog.selectedFiles().constFirst());
    };
}

bool AlsPdfExportieren(QWidget* eltern, Druckart art, Berichtskontext& k, Plattform& plattform,
                       const QString& vorschlag) {
    const std::optional<std::filesystem::path> datei = PdfDateiDialog(eltern, vorschlag)();
    if (!datei) {
        return false;
    }
    return AlsPdfSpeichern(art, *datei, k, plattform);
}

} // namespace vsk
