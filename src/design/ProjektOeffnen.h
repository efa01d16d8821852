#pragma once
// Opening and importing project files as the program shows them: after reading, every
// calculated position holds each connector type's designed reinforcement. Files written by
// this program keep it; for files without it (older versions, other programs) it is derived
// again by designing a copy of the position, so what is shown equals a fresh design of the
// same inputs.

#include "model/Lesestelle.h"

#include <filesystem>

namespace vsk {

class Plattform;
class TKAnwendung;
class TKModell;

// LoadProjekt, then the reinforcement of the positions whose file did not hold it.
Leseergebnis OeffneProjektdatei(TKModell& modell, const std::filesystem::path& pfad,
                                Plattform& plattform);
// ImportAnwendung, likewise for the imported position.
Leseergebnis ImportierePosition(TKModell& modell, const std::filesystem::path& pfad, int zeile,
                                Plattform& plattform);

// Each type's reinforcement record as a design run of the position's inputs leaves it; the
// results and the selected type stay as they are.
void LeiteBewehrungAb(TKAnwendung& anwendung, const Plattform& plattform);

} // namespace vsk
