#include "shell/Handbuch.h"

#include "shell/Pfade.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"
#include "shell/Winexecute.h"

#include <filesystem>
#include <system_error>

namespace vsk {

std::string HandbuchName() {
    return text("Handbuch", "VSK Manual.pdf");
}

bool OeffneHandbuch(const std::string& programmverzeichnis, Programmstarter& starter,
                    Plattform& plattform) {
    const std::string name = HandbuchName();
    const std::string verzeichnis = MitBackslash(programmverzeichnis);
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(verzeichnis + name, fehler)) {
        plattform.Meldung(text("Handbuch", "The file - ") + name +
                          text("Handbuch", " - was not found.The required file can only be "
                                           "installed from the CD version!"));
        return false;
    }
    TWinexecute launcher(starter, TStartart::Designprogramm);
    launcher.setProgrammName("");
    launcher.setFileName(name);
    launcher.setProgrammPfad(verzeichnis);
    launcher.setExecuteModus(TModus::Normal);
    if (!launcher.Ausfuehren()) {
        plattform.Meldung(launcher.ErrorString());
        return false;
    }
    return true;
}

} // namespace vsk
