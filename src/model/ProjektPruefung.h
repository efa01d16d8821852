#pragma once
// Checking a project file before reading it (shared by opening, importing and listing).

#include "model/XmlLesebaum.h"

#include <filesystem>
#include <optional>

namespace vsk {

class Plattform;

enum class Pruefung {
    Gueltig,  // a project file; read it
    Unlesbar, // not XML, or a root with fewer than two child elements
    Fremd,    // the header does not name this program; nothing is read
};

struct GepruefteDatei {
    std::unique_ptr<const xml::Lesebaum> dokument;
    Pruefung ergebnis = Pruefung::Unlesbar;
    bool alteVersion = false;
    const xml::Knoten* projekt = nullptr; // the "Projekt" element; null when missing
    std::optional<Lesestelle> stelle;     // where an unreadable or foreign file failed
};

// Parses the file and checks the header, the second child element of the root. Shows
// "The file is not a valid Tervo - VSK File" for a foreign header and the old-version
// message for another version; an unreadable file is left to the caller to report.
GepruefteDatei PruefeDatei(const std::filesystem::path& pfad, Plattform& plattform);
// The same for a document already parsed.
GepruefteDatei PruefeDokument(xml::Parsergebnis gelesen, Plattform& plattform);

} // namespace vsk
