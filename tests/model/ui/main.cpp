#include "HauptMaskeProjektTest.h"
#include "ProjektdatenFensterTest.h"
#include "ProjektverwaltungFensterTest.h"
#include "StuecklisteFensterTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vsk::test::StuecklisteFensterTest liste;
    vsk::test::ProjektverwaltungFensterTest verwaltung;
    vsk::test::ProjektdatenFensterTest daten;
    vsk::test::HauptMaskeProjektTest hauptmaske;
    int fehler = 0;
    for (QObject* t : std::initializer_list<QObject*>{&liste, &verwaltung, &daten, &hauptmaske}) {
        fehler += QTest::qExec(t, argc, argv) != 0 ? 1 : 0;
    }
    return fehler;
}
