#pragma once

#include <QObject>

namespace vsk::test {

// Shows every window with typical data and grabs it; with VSK_FENSTERBILDER set to a
// directory the pictures are written there as PNG files to be looked at.
class FensterbilderTest final : public QObject {
    Q_OBJECT
private slots:
    void BeliebigeLast();
    void Bemessung();
    void Bewehrung();
};

} // namespace vsk::test
