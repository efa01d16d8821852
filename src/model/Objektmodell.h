#pragma once
// The project model in one include, and two small helpers of the reinforcement design.

#include "model/Anwendung.h"
#include "model/Belastung.h"
#include "model/DornErgebnis.h"
#include "model/Ergebnisse.h"
#include "model/Geometrie.h"
#include "model/Last.h"
#include "model/Meldungen.h"
#include "model/Modell.h"
#include "model/Projektdaten.h"
#include "model/Stueckliste.h"

namespace vsk {

// Index of a reinforcing bar diameter (mm) into the per-diameter tables:
// 8 -> 1, 10 -> 2, 12 -> 3, 14 -> 4, 16 -> 5, 20 -> 6, 25 -> 7, 28 -> 8, other -> 0.
int DurchmesserIndex(int durchmesser);

// Smallest multiple of b that is not below a (a itself when b divides a). A b below 1 is
// taken as 1; a result beyond the int range saturates at its maximum.
int RoundUpToMultiple(int a, int b);

} // namespace vsk
