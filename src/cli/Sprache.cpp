#include "cli/Sprache.h"

#include "shell/Einstellungen.h"
#include "shell/Sprachmodule.h"
#include "shell/Texte.h"
#include "shell/qt/QtDateien.h"
#include "shell/qt/QtPlattform.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <iostream>

namespace vsk::cli {

namespace {

bool Lade(Sprachumschaltung& sprachen, int id) {
    // Spanish (modern sort) also takes the module of Spanish, as on the splash.
    return sprachen.LadeSprachmodul(id) ||
           (id == sprach_id::SpanischModern && sprachen.LadeSprachmodul(sprach_id::Spanisch));
}

} // namespace

int SprachIDAus(const std::string& wert) {
    if (!wert.empty() && wert.size() <= 6 &&
        std::all_of(wert.begin(), wert.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return std::stoi(wert);
    }
    const std::string endung = Kleinbuchstaben(wert);
    const std::pair<const char*, int> endungen[] = {
        {"eng", sprach_id::Englisch},    {"des", sprach_id::Deutsch},
        {"esp", sprach_id::Spanisch},    {"fra", sprach_id::Franzoesisch},
        {"ita", sprach_id::Italienisch}, {"nld", sprach_id::Niederlaendisch}};
    for (const auto& [name, id] : endungen) {
        if (endung == name) {
            return id;
        }
    }
    return 0;
}

std::optional<int> LadeSprache(std::vector<std::string>& argumente, Sprachumschaltung& sprachen) {
    std::optional<std::string> wert;
    for (auto it = argumente.begin(); it != argumente.end();) {
        if (*it == "--language") {
            if (it + 1 == argumente.end()) {
                std::cerr << "vsk-cli: --language needs a value (such as 2055 or des)\n";
                return 2;
            }
            wert = *(it + 1);
            it = argumente.erase(it, it + 2);
        } else if (it->rfind("--language=", 0) == 0) {
            wert = it->substr(11);
            it = argumente.erase(it);
        } else {
            ++it;
        }
    }

    if (!wert) {
        const QtPlattform plattform(PfadAus(QCoreApplication::applicationFilePath()));
        const Einstellungen einstellungen(plattform.Einstellungsdatei(),
                                          plattform.Dezimaltrenner());
        if (const auto meldung = einstellungen.LesefehlerMeldung()) {
            std::cerr << "vsk-cli: " << *meldung << "\n";
        }
        Lade(sprachen,
             einstellungen.ReadInteger("Anwenderdaten", "IDSprache", plattform.SystemSprachID()));
        return std::nullopt; // no module: the built-in English texts
    }
    const int id = SprachIDAus(*wert);
    if (id <= 0 || SprachKuerzel(id).empty()) {
        std::cerr << "vsk-cli: unknown language \"" << *wert
                  << "\" (give an identifier such as 2055 or one of des, eng, esp, fra, ita, "
                     "nld)\n";
        return 2;
    }
    if (!Lade(sprachen, id) && id != sprach_id::Englisch) {
        std::cerr << "vsk-cli: no language module for \"" << *wert << "\" beside the program\n";
        return 1;
    }
    return std::nullopt;
}

} // namespace vsk::cli
