#pragma once
// The main window as the window tests drive it: the program object on a platform double
// (or one derived from it) with a private settings file, the window shown, and scripted
// file dialogs. A test class derives from HauptfensterTest and calls Aufbauen() and
// Abbauen() in init() and cleanup(); a test of its own builds a Hauptfenster locally.
// Between Vorbereiten() and Starten() a test may prepare the folder and the settings.

#include "mainwindow/ui/HauptMaske.h"
#include "shell/ui/Programm.h"
#include "support/DialogDouble.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QObject>
#include <QSize>
#include <QTest>

#include <memory>

namespace vsk::test {

class Hauptfenster {
public:
    Hauptfenster() = default;
    Hauptfenster(const Hauptfenster&) = delete;
    Hauptfenster& operator=(const Hauptfenster&) = delete;
    ~Hauptfenster() { Abbauen(); }

    std::unique_ptr<TempDir> verzeichnis;
    std::unique_ptr<PlattformDouble> plattform;
    std::unique_ptr<Programm> programm;
    std::unique_ptr<TfrmHauptMaske> fenster;
    DialogDouble* dialoge = nullptr; // owned by the window

    // The platform and a fresh folder holding its settings file "VSK.INI".
    void Vorbereiten(std::unique_ptr<PlattformDouble> p = nullptr) {
        plattform = p ? std::move(p) : std::make_unique<PlattformDouble>();
        verzeichnis = std::make_unique<TempDir>();
        plattform->einstellungsdatei = *verzeichnis / "VSK.INI";
    }

    enum class Warten { Sichtbar, Aktiv };  // until the window is exposed, or active
    enum class Dateidialoge { Skript, Qt }; // scripted file dialogs, or Qt's own

    // Program and window, shown (at groesse when given).
    void Starten(Warten warten = Warten::Sichtbar, Dateidialoge dateidialoge = Dateidialoge::Skript,
                 QSize groesse = {}) {
        if (!plattform) {
            Vorbereiten();
        }
        programm = std::make_unique<Programm>(*plattform);
        fenster = std::make_unique<TfrmHauptMaske>(*programm);
        if (dateidialoge == Dateidialoge::Skript) {
            auto d = std::make_unique<DialogDouble>();
            dialoge = d.get();
            fenster->SetzeDateidialoge(std::move(d));
        }
        if (groesse.isValid()) {
            fenster->resize(groesse);
        }
        fenster->show();
        if (warten == Warten::Aktiv) {
            fenster->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        }
    }

    void Aufbauen() {
        Vorbereiten();
        Starten();
    }

    // The end of the run (the window writes its settings), then everything is dropped.
    void Abbauen() {
        if (fenster) {
            fenster->Freigeben();
        }
        dialoge = nullptr;
        fenster.reset();
        programm.reset();
        plattform.reset();
        verzeichnis.reset();
    }

    TKModell& Modell() { return programm->AktModell(); }
    TKAnwendung& Akt() { return programm->AktAnwendung(); }
};

class HauptfensterTest : public QObject, public Hauptfenster {};

} // namespace vsk::test
