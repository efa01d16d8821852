#pragma once
// The language of vsk-cli: "--language ID" (a language identifier such as 2055, or a
// module extension such as des) loads the design program's module vsk.<ext> beside the
// program before the command runs; without the option the module of IDSprache in the
// settings file is loaded when it is there, as the design program does.

#include "shell/qt/Sprachumschaltung.h"

#include <optional>
#include <string>
#include <vector>

namespace vsk::cli {

// Takes the option out of argumente and loads the module. Returns an exit status when
// the option is wrong (2) or its module is missing (1); nullopt when the command may run.
std::optional<int> LadeSprache(std::vector<std::string>& argumente, Sprachumschaltung& sprachen);

// The language identifier of an option value; 0 when it is neither an identifier nor one
// of the module extensions.
int SprachIDAus(const std::string& wert);

} // namespace vsk::cli
