#pragma once

#include <QObject>

namespace vsk::test {

class HauptMaskeProjektTest final : public QObject {
    Q_OBJECT
private slots:
    void UebernommenePositionWirdAktuell();
    void ProjektdatenUndStueckliste();
};

} // namespace vsk::test
