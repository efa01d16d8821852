#pragma once

#include <QObject>

namespace vsk::test {

class BewehrungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void AktivierenZeigtDenSatzDesTyps();
    void SchrittPrueftNachUndMeldet();
    void GrosserTypZaehltBInZweierschritten();
    void DurchmesserStopptAnBeidenEnden();
    void AbbrechenStelltSatzGenauWiederHer();
    void SchliessenWirktWieAbbrechen();
    void OkBehaeltStaebe();
};

} // namespace vsk::test
