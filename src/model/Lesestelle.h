#pragma once
// Where reading a project file stopped, as a value: the reader returns it instead of a bare
// failure flag, and the read-error message names it in its second line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vsk {

enum class Lesegrund {
    Datei,     // the file cannot be opened, is not a regular file or is too large
    Xml,       // not well-formed XML
    Kopf,      // the header does not name this program
    Fehlt,     // an element the reader needs is missing or empty
    Ungueltig, // an element's value cannot be read (not a number, out of its range)
    Grenze,    // beyond what a project file can hold (counts, lengths, nesting)
};

struct Lesestelle {
    Lesegrund grund = Lesegrund::Datei;
    // The element, with the groups around it below the root: "Projekt/Position_2/cGeometrie/
    // TWandDicke". Empty for Datei and Xml.
    std::string element;
    // Line in the file (of the element; of its group when the element is missing); 0 when
    // not known.
    long zeile = 0;
};

// The outcome of reading or importing: read completely when no place is given.
struct Leseergebnis {
    std::optional<Lesestelle> fehler;
    // Calculated positions (numbers from 1) whose file held no designed reinforcement of the
    // connector types: files of older versions and of other programs.
    std::vector<std::uint16_t> ohneBewehrungsdaten;

    explicit operator bool() const { return !fehler.has_value(); }
};

// The message line that says where the file broke, in the current language.
std::string LesestelleText(const Lesestelle& stelle);

} // namespace vsk
