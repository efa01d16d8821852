#pragma once
// The program's icons, drawn as SVG files in resources/icons and compiled into the program.

#include <QIcon>

namespace vsk {

// The icon ":/icons/<name>.svg".
QIcon Symbol(const char* name);

} // namespace vsk
