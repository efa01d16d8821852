#include "BST500Test.h"
#include "BeliebigeLastFensterTest.h"
#include "BemessungFensterTest.h"
#include "BewehrungFensterTest.h"
#include "FensterbilderTest.h"
#include "HauptMaskeDialogeTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vsk::test::BST500Test stepper;
    vsk::test::BemessungFensterTest bemessung;
    vsk::test::BeliebigeLastFensterTest last;
    vsk::test::BewehrungFensterTest bewehrung;
    vsk::test::FensterbilderTest bilder;
    vsk::test::HauptMaskeDialogeTest hauptmaske;
    int fehler = 0;
    for (QObject* t : std::initializer_list<QObject*>{&stepper, &bemessung, &last, &bewehrung,
                                                      &bilder, &hauptmaske}) {
        fehler += QTest::qExec(t, argc, argv) != 0 ? 1 : 0;
    }
    return fehler;
}
