#pragma once
// Large projects for the benchmarks and the tests: rows between slabs and walls with
// arbitrary loads of 50 points each, every position designed as the Calculation command
// does, and a connector schedule with one entry per position.

#include "model/Modell.h"
#include "shell/Plattform.h"

#include <filesystem>

namespace vsk::bench {

inline constexpr int LastpunkteJePosition = 50;

// A project of the given number of positions (at least 1). The positions differ in
// application case, concrete, slab and wall thickness, joint length and load, so that
// the designs select different types. Deterministic: the same count gives the same project.
TKModell GrossesProjekt(int positionen, Plattform& plattform);

// The same project saved as "gross.VSK" in the folder; the file's path.
std::filesystem::path GrossesProjektDatei(int positionen, const std::filesystem::path& ordner);

} // namespace vsk::bench
