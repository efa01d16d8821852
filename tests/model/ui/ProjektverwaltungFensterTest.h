#pragma once

#include <QObject>

namespace vsk::test {

class ProjektverwaltungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void ListetDateienUndPositionen();
    void UebernimmtEinePosition();
    void OeffnenFragtErst();
    void VerzeichnisUeberNeustart();
    void FenstersBild();
};

} // namespace vsk::test
