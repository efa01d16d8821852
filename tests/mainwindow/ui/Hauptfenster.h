#pragma once
// The main window as the command tests drive it: its program object on scripted platform
// services, a private settings file and scripted file dialogs. init() and cleanup() of a
// test class call Aufbauen() and Abbauen().

#include "mainwindow/ui/DialogDouble.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/ui/Programm.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QObject>
#include <QTest>
#include <memory>

namespace vsk::test {

class HauptfensterTest : public QObject {
protected:
    std::unique_ptr<TempDir> verzeichnis;
    std::unique_ptr<PlattformDouble> plattform;
    std::unique_ptr<Programm> programm;
    std::unique_ptr<TfrmHauptMaske> fenster;
    DialogDouble* dialoge = nullptr; // owned by the window

    void Aufbauen() {
        plattform = std::make_unique<PlattformDouble>();
        verzeichnis = std::make_unique<TempDir>();
        plattform->einstellungsdatei = *verzeichnis / "VSK.INI";
        programm = std::make_unique<Programm>(*plattform);
        fenster = std::make_unique<TfrmHauptMaske>(*programm);
        auto d = std::make_unique<DialogDouble>();
        dialoge = d.get();
        fenster->SetzeDateidialoge(std::move(d));
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    void Abbauen() {
        fenster->Freigeben();
        fenster.reset();
        programm.reset();
        plattform.reset();
        verzeichnis.reset();
    }
};

} // namespace vsk::test
