#pragma once
// "Export Project Report as PDF...": the summary, every position's report and the connector
// schedule in one PDF file, made from a copy of the project so that nothing the user sees
// changes. A progress dialog with Cancel appears when the export takes longer than half a
// second.

#include <QObject>
#include <QString>

namespace vsk {

class Programm;
class TDateibefehle;
class TfrmHauptMaske;

class TProjektberichtbefehl final : public QObject {
    Q_OBJECT
public:
    // Time before the progress dialog shows.
    static constexpr int FortschrittNachMs = 500;

    TProjektberichtbefehl(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien);

    // Asks for the file and exports; true when the file was written.
    bool Exportieren();

private:
    QString Vorschlag() const;

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    TDateibefehle& dateien_;
    bool laeuft_ = false; // the progress dialog lets events through
};

} // namespace vsk
