#include "shell/Sprachmodule.h"

#include "shell/Pfade.h"

#include <system_error>

namespace vsk {

namespace fs = std::filesystem;

namespace {

struct Kuerzel {
    int id;
    const char* abkuerzung;
};

// The abbreviations the operating system reports for the languages the programs can meet.
constexpr Kuerzel KuerzelTabelle[] = {
    {1031, "DEU"}, {2055, "DES"}, {3079, "DEA"}, {4103, "DEL"}, {5127, "DEC"}, {1033, "ENU"},
    {2057, "ENG"}, {3081, "ENA"}, {4105, "ENC"}, {5129, "ENZ"}, {6153, "ENI"}, {1034, "ESP"},
    {3082, "ESN"}, {2058, "ESM"}, {1036, "FRA"}, {2060, "FRB"}, {3084, "FRC"}, {4108, "FRS"},
    {5132, "FRL"}, {1040, "ITA"}, {2064, "ITS"}, {1043, "NLD"}, {2067, "NLB"},
};

// Program path without a Windows program extension; modules are this plus ".xyz".
fs::path Modulbasis(const fs::path& programmdatei) {
    fs::path basis = programmdatei;
    if (GleichOhneGrossKlein(basis.extension().string(), ".exe")) {
        basis.replace_extension();
    }
    return basis;
}

std::optional<fs::path> FindeModul(const fs::path& basis, const std::string& endung) {
    return FindeOhneGrossKlein(basis.parent_path(), basis.filename().string() + "." + endung);
}

} // namespace

std::string SprachKuerzel(int sprachID) {
    for (const Kuerzel& k : KuerzelTabelle) {
        if (k.id == sprachID) {
            return k.abkuerzung;
        }
    }
    return {};
}

std::optional<fs::path> SprachmodulDatei(const fs::path& programmdatei, int sprachID) {
    const std::string kuerzel = SprachKuerzel(sprachID);
    if (kuerzel.empty() || programmdatei.filename().empty()) {
        return std::nullopt;
    }
    const fs::path basis = Modulbasis(programmdatei);
    std::error_code fehler;
    for (const std::string& endung : {kuerzel, kuerzel.substr(0, 2)}) {
        auto datei = FindeModul(basis, endung);
        if (datei && fs::is_regular_file(*datei, fehler)) {
            return datei;
        }
    }
    return std::nullopt;
}

int AnzahlSprachmodule(const fs::path& programmdatei) {
    const fs::path basis = Modulbasis(programmdatei);
    int anzahl = 0;
    std::error_code fehler;
    for (const char* endung : SprachmodulEndungen) {
        auto datei = FindeModul(basis, endung);
        if (datei && fs::is_regular_file(*datei, fehler)) {
            ++anzahl;
        }
    }
    return anzahl;
}

Markersprache MarkerFuer(int sprachID) {
    switch (sprachID) {
    case sprach_id::Spanisch:
    case sprach_id::SpanischModern:
        return Markersprache::Spanisch;
    case sprach_id::Franzoesisch:
        return Markersprache::Franzoesisch;
    case sprach_id::Italienisch:
        return Markersprache::Italienisch;
    case sprach_id::Niederlaendisch:
        return Markersprache::Niederlaendisch;
    case sprach_id::Deutsch:
        return Markersprache::Deutsch;
    case sprach_id::Englisch:
        return Markersprache::Englisch;
    default:
        return Markersprache::Keine;
    }
}

} // namespace vsk
