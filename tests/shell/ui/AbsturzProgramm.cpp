// The design program's start as the program runs it (Programmstart), with what the
// crash test needs instead of a user: no start window, the answer to the recovery
// question, a change of the project, and the state of the project on standard output.
//
//   --antwort ja|nein   answers the recovery question (it is printed as "Frage=...")
//   --aendere           slab thickness 321 in the input field, as typed and left
//   --melde             prints "Dicke=<slab thickness>" and "Titel=<caption>" once started
//   --ende              ends the program once started (without the save question)

#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/Wiederherstellung.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "shell/ui/Programm.h"
#include "shell/ui/Programmstart.h"

#include <QCoreApplication>
#include <QFocusEvent>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    bool antwort = false;
    bool aendere = false;
    bool melde = false;
    bool ende = false;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--antwort" && i + 1 < argc) {
            antwort = std::string(argv[++i]) == "ja";
        } else if (a == "--aendere") {
            aendere = true;
        } else if (a == "--melde") {
            melde = true;
        } else if (a == "--ende") {
            ende = true;
        } else {
            rest.push_back(argv[i]);
        }
    }

    vsk::Startoptionen optionen;
    optionen.splash = false;
    optionen.vorDemZeigen = [&](vsk::TfrmHauptMaske& fenster) {
        fenster.Wiederherstellung().SetzeFrage([&](const std::string& frage) {
            std::string zeile = frage;
            std::replace(zeile.begin(), zeile.end(), '\n', ' ');
            std::cout << "Frage=" << zeile << std::endl;
            return antwort;
        });
    };
    optionen.nachDemStart = [&](vsk::TfrmHauptMaske& fenster) {
        if (aendere) {
            vsk::TZahlenFeld* feld = fenster.Panel().Feld(QStringLiteral("meditPlatteDicke"));
            feld->setText(QStringLiteral("321"));
            QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(feld, &aus);
        }
        if (melde) {
            std::cout << "Dicke=" << fenster.programm().AktAnwendung().cGeometrie.TPlatteDicke
                      << "\nTitel=" << fenster.windowTitle().toStdString() << std::endl;
        }
        if (ende) {
            QCoreApplication::quit();
        }
    };
    int anzahl = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    return vsk::Programmstart(anzahl, rest.data(), optionen);
}
