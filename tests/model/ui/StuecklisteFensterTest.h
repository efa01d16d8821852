#pragma once

#include <QObject>

namespace vsk::test {

class StuecklisteFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void ZeigtDieEintraegeUndDieKoepfe();
    void AnzahlZurueckSpeichertSchliessenVerwirft();
    void AbgehakteUndGeloeschteEintraege();
    void VorschauUebernimmtUndExportiert();
    void FenstersBild();
};

} // namespace vsk::test
