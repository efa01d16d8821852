#pragma once
// The main window's file dialogs for tests: they return scripted answers and record what
// they were asked.

#include "mainwindow/ui/Dateidialoge.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace vsk::test {

class DialogDouble final : public TDateidialoge {
public:
    QString oeffnen, speichern, pdf, ifc;
    int oeffnenAufrufe = 0;
    QStringList vorschlaege, pdfVorschlaege, ifcVorschlaege;
    std::optional<TBildwahl> bild;     // the answer of the picture dialog
    std::vector<Bildtyp> bildVorgaben; // the type it was opened with, each time
    QStringList bildOrdner;

    QString Oeffnen(QWidget*) override {
        ++oeffnenAufrufe;
        return oeffnen;
    }
    QString SpeichernUnter(QWidget*, const QString& vorschlag) override {
        vorschlaege << vorschlag;
        return speichern;
    }
    QString PdfDatei(QWidget*, const QString& vorschlag) override {
        pdfVorschlaege << vorschlag;
        return pdf;
    }
    QString IfcDatei(QWidget*, const QString& vorschlag) override {
        ifcVorschlaege << vorschlag;
        return ifc;
    }
    std::optional<TBildwahl> BildDatei(QWidget*, Bildtyp typ, const QString& ordner) override {
        bildVorgaben.push_back(typ);
        bildOrdner << ordner;
        return bild;
    }
};

} // namespace vsk::test
