#include "mainwindow/ui/Dateidialoge.h"

#include "reports/ui/Druckdialoge.h"
#include "shell/qt/QtDateien.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace vsk {

namespace {

QString Titel() {
    return QCoreApplication::translate("Dateidialoge", "Tervo - VSK / VSKQ Shear Connectors");
}

class QtDialoge final : public TDateidialoge {
public:
    QString Oeffnen(QWidget* eltern) override {
        QFileDialog dialog(eltern, Titel());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(
            {QCoreApplication::translate("Dateidialoge",
                                         "Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)"),
             QCoreApplication::translate("Dateidialoge", "All files (*)")});
        dialog.setDefaultSuffix(QStringLiteral("VSK"));
        return Gewaehlt(dialog);
    }

    QString SpeichernUnter(QWidget* eltern, const QString& vorschlag) override {
        QFileDialog dialog(eltern, Titel());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QCoreApplication::translate(
            "Dateidialoge", "Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)"));
        dialog.setDefaultSuffix(QStringLiteral("VSK"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (!vorschlag.isEmpty()) {
            dialog.selectFile(vorschlag);
        }
        return Gewaehlt(dialog);
    }

    QString PdfDatei(QWidget* eltern, const QString& vorschlag) override {
        const auto datei = PdfDateiDialog(eltern, vorschlag)();
        return datei ? PfadText(*datei) : QString();
    }

    QString IfcDatei(QWidget* eltern, const QString& vorschlag) override {
        QFileDialog dialog(eltern, Titel());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QCoreApplication::translate("Dateidialoge", "IFC models (*.ifc)"));
        dialog.setDefaultSuffix(QStringLiteral("ifc"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.selectFile(vorschlag);
        return Gewaehlt(dialog);
    }

    std::optional<TBildwahl> BildDatei(QWidget* eltern, Bildtyp typ,
                                       const QString& ordner) override {
        QFileDialog dialog(eltern, BildexportTitel(), ordner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList filter = BildexportFilter();
        dialog.setNameFilters(filter);
        const int nummer = static_cast<int>(typ) - 1;
        if (nummer >= 0 && nummer < filter.size()) {
            dialog.selectNameFilter(filter[nummer]);
        }
        // The dialog confirms replacing the name it returns; the caller asks again when
        // the extension rule changes that name.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.setDefaultSuffix(BildEndung(typ));
        dialog.selectFile(QStringLiteral("*.") + BildEndung(typ));
        // Choosing a file type makes its extension the default one.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& f) {
                             dialog.setDefaultSuffix(BildEndung(BildtypZumFilter(f)));
                         });
        const QString datei = Gewaehlt(dialog);
        if (datei.isEmpty()) {
            return std::nullopt;
        }
        return TBildwahl{datei, BildtypZumFilter(dialog.selectedNameFilter())};
    }

private:
    static QString Gewaehlt(QFileDialog& dialog) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        return dialog.selectedFiles().first();
    }
};

} // namespace

std::unique_ptr<TDateidialoge> QtDateidialoge() {
    return std::make_unique<QtDialoge>();
}

} // namespace vsk
