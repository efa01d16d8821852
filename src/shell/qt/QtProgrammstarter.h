#pragma once
// Launches through Qt: a program runs detached in its working directory with its
// arguments as a list; a document opens in the program the desktop associates with it.

#include "shell/Programmstarter.h"

namespace vsk {

class QtProgrammstarter final : public Programmstarter {
public:
    // The window state cannot be requested from another program's windows here, so the
    // mode only has to be valid (the launcher checks that).
    int Starte(const Startauftrag& auftrag) override;
};

} // namespace vsk
