#pragma once

#include <QObject>

namespace vsk::test {

class ProjektdatenFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void OKSchreibtAbbrechenVerwirft();
    void FirmaNimmtEnterAlsNeueZeile();
    void FenstersBild();
};

} // namespace vsk::test
