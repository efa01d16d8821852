#include "dxf/ui/DxfBefehle.h"

#include "dxf/BewehrungsZeichnung.h"
#include "dxf/DornZeichnungen.h"
#include "katalog/Katalog.h"
#include "model/Anwendung.h"
#include "shell/Plattform.h"
#include "shell/qt/QtDateien.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace vsk {

namespace {

std::optional<DornDateiWahl> DornSpeicherDialog(QWidget* eltern, const QString& vorschlag,
                                                bool mitDwg) {
    const QString dwgFilter = QCoreApplication::translate("DxfBefehle", "DWG database (*.dwg)");
    QStringList filter = {QCoreApplication::translate("DxfBefehle", "DXF databases (*.dxf)")};
    if (mitDwg) {
        filter << dwgFilter;
    }
    QFileDialog dialog(eltern);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filter);
    dialog.setDefaultSuffix(QStringLiteral("dxf"));
    dialog.selectFile(vorschlag);
    // The suffix follows the file type, so that the overwrite question is about the
    // name that is really used.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, dwgFilter](const QString& gewaehlt) {
                         dialog.setDefaultSuffix(gewaehlt == dwgFilter ? QStringLiteral("dwg")
                                                                       : QStringLiteral("dxf"));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return DornDateiWahl{dialog.selectedFiles().constFirst(),
                         dialog.selectedNameFilter() == dwgFilter ? 1 : 0};
}

} // namespace

bool BefehlDxfBewehrung(Plattform& plattform, const TKAnwendung& position, DxfExportModus modus,
                        QWidget* eltern, TDXF_Anzeige_Form::DateiWahl wahl) {
    TDXF_Anzeige_Form fenster(plattform, eltern);
    if (wahl) {
        fenster.SetzeDateiWahl(std::move(wahl));
    }
    ExportiereBewehrung(position, plattform.Dezimaltrenner(), modus, fenster);
    return modus == DxfExportModus::Zeigen || fenster.Gespeichert();
}

void BefehlDxfDorn(Plattform& plattform, const std::filesystem::path& programmOrdner, int typ,
                   QWidget* eltern, DornDateiDialog dialog) {
    if (!dialog) {
        dialog = DornSpeicherDialog;
    }
    const bool mitDwg = DornZeichnungVorhanden(programmOrdner, KlemmeDornTyp(typ), "dwg");
    const std::optional<DornDateiWahl> wahl =
        dialog(eltern, QString::fromStdString(DornName(KlemmeDornTyp(typ))), mitDwg);
    if (!wahl || wahl->name.isEmpty()) {
        return;
    }
    const std::string ziel = DornZielMitEndung(PfadAus(wahl->name).string(), wahl->filter);
    KopiereDornZeichnungen(plattform, programmOrdner, KlemmeDornTyp(typ), ziel);
}

} // namespace vsk
