#pragma once

#include <QObject>

namespace vsk::test {

class BST500Test final : public QObject {
    Q_OBJECT
private slots:
    void DurchmesserSchrittHaeltAnBeidenEnden();
    void UngelisteterWertSpringtAufNaechstenListenwert();
    void ListeLeerOderUnbrauchbarGibtVorgabe();
    void ListeWirdGeordnet();
    void ZaehlerInZweierschritten();
    void WertAusserhalbBereichLaeuftZumBereich();
    void MeldetNurEchteAenderungen();
};

} // namespace vsk::test
