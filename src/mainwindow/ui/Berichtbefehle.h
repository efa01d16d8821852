#pragma once
// The report commands of the main window: Calculation Preview, Print, Printer Setup,
// Export Report as PDF, and Add to Connector Schedule.

#include <QImage>
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

    // The preview's pages drawn anew for its zoom (in preview mode only).
    void VorschauZeichnen();
    // The result page for the picture exports: at the screen's resolution, zoom 100 % and
    // pixel ratio 1, whatever the preview shows, so that an export does not depend on the
    // screen; the context returned holds the metrics it was drawn with.
    Berichtskontext Exportseite(QImage& seite);

private:
    Berichtskontext Kontext();
    QString PdfVorschlag() const;
    int Bildschirmdpi() const;

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    TDateibefehle& dateien_;
};

} // namespace vsk
