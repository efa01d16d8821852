#pragma once
// Language modules: files beside the program, named like the program with the
// operating system's three-letter abbreviation of the language as extension
// (vsk.des, start.fra, ...). Names compare without regard to case.

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace vsk {

// Windows language identifiers of the six languages of the language buttons.
namespace sprach_id {
inline constexpr int Englisch = 2057;
inline constexpr int Deutsch = 2055;  // Switzerland
inline constexpr int Spanisch = 1034; // traditional sort
inline constexpr int SpanischModern = 3082;
inline constexpr int Franzoesisch = 1036;
inline constexpr int Italienisch = 1040;
inline constexpr int Niederlaendisch = 1043;
} // namespace sprach_id

// The extensions counted as the program's languages.
inline constexpr std::array<const char*, 6> SprachmodulEndungen = {"des", "eng", "fra",
                                                                   "ita", "nld", "esp"};

// The operating system's abbreviated language name of an identifier ("ENG" for 2057,
// "ESN" for 3082); empty for an identifier it does not know.
std::string SprachKuerzel(int sprachID);

// The module file for an identifier: the program's name with the three-letter
// abbreviation, else with its first two letters. A Windows-style ".exe" of the program
// is replaced; a program file without extension gets the extension appended.
std::optional<std::filesystem::path> SprachmodulDatei(const std::filesystem::path& programmdatei,
                                                      int sprachID);

// How many of the six three-letter modules lie beside the program.
int AnzahlSprachmodule(const std::filesystem::path& programmdatei);

// Which language's marker an identifier shows (3082 counts as Spanish).
enum class Markersprache {
    Keine,
    Englisch,
    Deutsch,
    Spanisch,
    Franzoesisch,
    Italienisch,
    Niederlaendisch
};
Markersprache MarkerFuer(int sprachID);

} // namespace vsk
