#include "shell/Einstellungen.h"

#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vsk {

namespace fs = std::filesystem;

namespace {

bool GleichOhneFall(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto klein = [](char c) {
                   return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return klein(x) == klein(y);
           });
}

std::string_view Trimme(std::string_view s) {
    auto leer = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && leer(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && leer(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The file as lines, without line ends. crlf tells whether the file used CR LF.
struct IniText {
    std::vector<std::string> zeilen;
    bool crlf = false;
};

IniText LeseDatei(const fs::path& datei) {
    IniText ini;
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) {
        return ini;
    }
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.pop_back();
            ini.crlf = true;
        }
        ini.zeilen.push_back(zeile);
    }
    return ini;
}

std::optional<std::string_view> SektionsName(std::string_view zeile) {
    std::string_view t = Trimme(zeile);
    if (t.size() >= 2 && t.front() == '[') {
        auto zu = t.find(']');
        if (zu != std::string_view::npos) {
            return Trimme(t.substr(1, zu - 1));
        }
    }
    return std::nullopt;
}

// Key and value of a "key=value" line; comment lines (";") have none.
std::optional<std::pair<std::string_view, std::string_view>> Eintrag(std::string_view zeile) {
    std::string_view t = Trimme(zeile);
    if (t.empty() || t.front() == ';') {
        return std::nullopt;
    }
    auto gleich = t.find('=');
    if (gleich == std::string_view::npos) {
        return std::nullopt;
    }
    return std::make_pair(Trimme(t.substr(0, gleich)), Trimme(t.substr(gleich + 1)));
}

std::optional<std::string> LeseWert(const fs::path& datei, std::string_view sektion,
                                    std::string_view schluessel) {
    IniText ini = LeseDatei(datei);
    bool inSektion = false;
    for (const std::string& zeile : ini.zeilen) {
        if (auto name = SektionsName(zeile)) {
            inSektion = GleichOhneFall(*name, sektion);
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(zeile); e && GleichOhneFall(e->first, schluessel)) {
            std::string_view wert = e->second;
            // A value in matching quotes is read without them.
            if (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') &&
                wert.back() == wert.front()) {
                wert = wert.substr(1, wert.size() - 2);
            }
            return std::string(wert);
        }
    }
    return std::nullopt;
}

bool Schreibgeschuetzt(const fs::path& datei) {
    std::error_code fehler;
    auto status = fs::status(datei, fehler);
    if (fehler || !fs::exists(status)) {
        return false;
    }
    if (!fs::is_regular_file(status)) {
        return true;
    }
    // The file's own write bits count, also for a user whom the system would let write
    // anyway: a file marked read-only is not changed.
    auto p = status.permissions();
    return (p & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
           fs::perms::none;
}

void SchreibeWert(const fs::path& datei, std::string_view sektion, std::string_view schluessel,
                  const std::string& wert) {
    if (Schreibgeschuetzt(datei)) {
        throw SchreibFehler(datei);
    }
    IniText ini = LeseDatei(datei);
    std::string neueZeile = std::string(schluessel) + "=" + wert;

    // Find the section and, inside it, the key.
    std::optional<std::size_t> sektionsZeile;
    std::optional<std::size_t> letzteEintragsZeile;
    bool inSektion = false;
    bool erledigt = false;
    for (std::size_t i = 0; i < ini.zeilen.size() && !erledigt; ++i) {
        if (auto name = SektionsName(ini.zeilen[i])) {
            if (inSektion) {
                break; // left the first matching section without finding the key
            }
            inSektion = GleichOhneFall(*name, sektion);
            if (inSektion) {
                sektionsZeile = i;
                letzteEintragsZeile = i;
            }
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(ini.zeilen[i])) {
            if (GleichOhneFall(e->first, schluessel)) {
                ini.zeilen[i] = std::string(e->first) + "=" + wert;
                erledigt = true;
            }
            letzteEintragsZeile = i;
        } else if (!Trimme(ini.zeilen[i]).empty()) {
            letzteEintragsZeile = i;
        }
    }
    if (!erledigt) {
        if (sektionsZeile) {
            ini.zeilen.insert(ini.zeilen.begin() +
                                  static_cast<std::ptrdiff_t>(*letzteEintragsZeile + 1),
                              neueZeile);
        } else {
            if (!ini.zeilen.empty() && !Trimme(ini.zeilen.back()).empty()) {
                ini.zeilen.emplace_back();
            }
            ini.zeilen.push_back("[" + std::string(sektion) + "]");
            ini.zeilen.push_back(neueZeile);
        }
    }

    // Write beside the file and rename over it, so a failed write leaves the old file.
    const char* ende = ini.crlf ? "\r\n" : "\n";
    std::error_code fehler;
    if (datei.has_parent_path() && !fs::exists(datei.parent_path(), fehler)) {
        fs::create_directories(datei.parent_path(), fehler);
    }
    fs::path temp = datei;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
        if (!aus) {
            throw SchreibFehler(datei);
        }
        for (const std::string& zeile : ini.zeilen) {
            aus << zeile << ende;
        }
        aus.flush();
        if (!aus) {
            aus.close();
            std::error_code ignoriert;
            fs::remove(temp, ignoriert);
            throw SchreibFehler(datei);
        }
    }
    if (fs::exists(datei, fehler)) {
        fs::permissions(temp, fs::status(datei, fehler).permissions(), fehler);
    }
    fs::rename(temp, datei, fehler);
    if (fehler) {
        std::error_code ignoriert;
        fs::remove(temp, ignoriert);
        throw SchreibFehler(datei);
    }
}

} // namespace

SchreibFehler::SchreibFehler(const fs::path& datei)
    : std::runtime_error(
          ErsetzeProzentS(text("Einstellungen", "Not able to write to file %s"), datei.string())) {}

Einstellungen::Einstellungen(fs::path datei, char dezimaltrenner)
    : datei_(std::move(datei)), trenner_(dezimaltrenner) {}

int Einstellungen::ReadInteger(std::string_view sektion, std::string_view schluessel,
                               int vorgabe) const {
    auto wert = LeseWert(datei_, sektion, schluessel);
    if (!wert) {
        return vorgabe;
    }
    auto zahl = LeseGanzzahl(*wert);
    if (!zahl || *zahl < std::numeric_limits<int>::min() ||
        *zahl > std::numeric_limits<int>::max()) {
        return vorgabe;
    }
    return static_cast<int>(*zahl);
}

double Einstellungen::ReadFloat(std::string_view sektion, std::string_view schluessel,
                                double vorgabe) const {
    auto wert = LeseWert(datei_, sektion, schluessel);
    if (!wert) {
        return vorgabe;
    }
    return LeseZahl(*wert, trenner_).value_or(vorgabe);
}

std::string Einstellungen::ReadString(std::string_view sektion, std::string_view schluessel,
                                      const std::string& vorgabe) const {
    return LeseWert(datei_, sektion, schluessel).value_or(vorgabe);
}

void Einstellungen::WriteInteger(std::string_view sektion, std::string_view schluessel, int wert) {
    SchreibeWert(datei_, sektion, schluessel, std::to_string(wert));
}

void Einstellungen::WriteFloat(std::string_view sektion, std::string_view schluessel, double wert) {
    SchreibeWert(datei_, sektion, schluessel, FormatAllgemein(wert, trenner_));
}

void Einstellungen::WriteString(std::string_view sektion, std::string_view schluessel,
                                const std::string& wert) {
    SchreibeWert(datei_, sektion, schluessel, wert);
}

fs::path EinstellungsdateiFuer(const fs::path& programmdatei, const std::string& xdgConfigHome,
                               const std::string& home) {
    fs::path name = programmdatei.stem();
    name += ".INI";
    fs::path verzeichnis = programmdatei.parent_path();
    if (verzeichnis.empty()) {
        verzeichnis = ".";
    }
    if (::access(verzeichnis.c_str(), W_OK) == 0) {
        return verzeichnis / name;
    }
    fs::path basis = !xdgConfigHome.empty() ? fs::path(xdgConfigHome)
                                            : fs::path(home.empty() ? "." : home) / ".config";
    return basis / "VSK" / name;
}

} // namespace vsk
