#pragma once
// The IFC export command of the main window ("&Results" > "&Export Results" > "IFC
// Export"): the designed joints as a BIM model.

#include <QObject>

namespace vsk {

class Programm;
class TDateibefehle;
class TfrmHauptMaske;

class TIfcBefehle final : public QObject {
    Q_OBJECT
public:
    TIfcBefehle(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien);

    void IfcExport();

private:
    TfrmHauptMaske& fenster_;
    Programm& programm_;
    TDateibefehle& dateien_;
};

} // namespace vsk
