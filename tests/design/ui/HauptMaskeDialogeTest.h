#pragma once

#include <QObject>

namespace vsk::test {

// The main window's commands open the design input windows and take their results over.
class HauptMaskeDialogeTest final : public QObject {
    Q_OBJECT
private slots:
    void EinstellungenUeberOptionen();
    void FarbenUeberOptionenUndBaum();
    void BewehrungNurMitErgebnissen();
    void BeliebigeLastUebernimmtEndwerte();
};

} // namespace vsk::test
