#pragma once

#include <QObject>

namespace vsk::test {

class BemessungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void ZeigtDieWerteDerPosition();
    void OkSpeichertPositionUndVorgaben();
    void KeineZahlGibtVorgabe();
    void KommaAlsTrenner();
    void AbbrechenAendertNichts();
    void SchreibfehlerWirdGemeldet();
};

} // namespace vsk::test
