#pragma once
// The report commands of the main window: Calculation Preview, Print, Printer Setup,
// Export Report as PDF, and Add to Connector Schedule.

#include "reports/Druckzustand.h"

#include <QObject>
#include <QString>

namespace vsk {

class Programm;
class TDateibefehle;
class TfrmHauptMaske;
struct Berichtskontext;

class TBerichtbefehle final : public QObject {
    Q_OBJECT
public:
    TBerichtbefehle(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien);

    void Vorschau();
    void Drucken();
    void Druckereinrichtung();
    void PdfExport();
    void StuecklisteHinzufuegen();

    // The report context laid out with the metrics of the last preview (the picture
    // export of the preview page draws with them).
    Berichtskontext VorschauKontext();

private:
    Berichtskontext Kontext();
    QString PdfVorschlag() const;

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    TDateibefehle& dateien_;
    Druckzustand letzteVorschau_;
};

} // namespace vsk
