#pragma once
// Shared by the commands of vsk-cli: the platform services of a console program and
// reading a project file with the program's messages.

#include "model/Modell.h"
#include "shell/Plattform.h"

#include <optional>
#include <string>

namespace vsk::cli {

// The user's locale and date; messages go to standard error, questions are answered No.
Plattform& KonsolenPlattform();

struct GeladenesProjekt {
    TKModell modell;
    bool alteVersion = false; // the old-version message was shown
};

// Reads a project file into a fresh model (built-in defaults, no settings file touched).
// The reader's messages go to the platform; when the file could not be read completely
// they end with "Error during opening the data file - unable to read project data" and the
// place where the file broke, and the result is empty: the command then ends with exit
// status 1.
std::optional<GeladenesProjekt> LadeProjekt(const std::string& pfad,
                                            Plattform& plattform = KonsolenPlattform());

} // namespace vsk::cli
