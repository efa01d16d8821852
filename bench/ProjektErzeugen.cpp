// vsk-projektgenerator N OUT.VSK: writes a designed project of N positions with arbitrary
// loads (the project of the scale benchmarks and of the project report test).

#include "Messplattform.h"
#include "Projektgenerator.h"

#include "model/Projektdatei.h"
#include "shell/Zahlen.h"

#include <iostream>

int main(int argc, char** argv) {
    const auto anzahl = argc == 3 ? vsk::LeseGanzzahl(argv[1]) : std::nullopt;
    if (!anzahl || *anzahl < 1 || *anzahl > vsk::MaxAnzAnwendung) {
        std::cerr << "usage: vsk-projektgenerator POSITIONS OUT.VSK\n";
        return 2;
    }
    vsk::bench::Messplattform plattform;
    vsk::TKModell modell = vsk::bench::GrossesProjekt(static_cast<int>(*anzahl), plattform);
    if (!vsk::SaveProjekt(modell, argv[2], plattform)) {
        std::cerr << "vsk-projektgenerator: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
