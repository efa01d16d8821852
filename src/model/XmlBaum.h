#pragma once
// Thin RAII layer over the libxml2 document tree, with the few lookups the project file
// needs. Parsing never touches the network, never loads a DTD and never substitutes
// entities, so a hostile file cannot make the reader fetch, expand or blow up anything.

#include "model/Lesestelle.h"

#include <libxml/tree.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vsk::xml {

struct DokumentFreigabe {
    void operator()(xmlDoc* dokument) const { xmlFreeDoc(dokument); }
};
using Dokument = std::unique_ptr<xmlDoc, DokumentFreigabe>;

// Largest file the reader accepts; a 200-position project with full results is about 6 MB.
inline constexpr std::uintmax_t MaxDateiGroesse = 256u * 1024u * 1024u;

// The parsed document, or null with the place where reading stopped: the file cannot be
// read or is too large (Datei), goes beyond the bounds of XmlGrenzen.h (Grenze), or is not
// well-formed XML (Xml, with the parser's line). A file without encoding declaration that
// is not valid UTF-8 is read as windows-1252, the code page older versions of the program
// wrote in.
struct Parsergebnis {
    Dokument dokument;
    std::optional<Lesestelle> fehler;
};
Parsergebnis LeseDatei(const std::filesystem::path& pfad);
Parsergebnis LeseText(std::string_view inhalt);

// The element's line in the file it was read from (0 for null).
long Zeile(const xmlNode* knoten);

// Serialises with one element per line, indented by depth, UTF-8 with declaration.
// Empty when libxml2 fails.
std::optional<std::string> Schreibe(xmlDoc* dokument);

const xmlNode* Wurzel(const xmlDoc* dokument);
// Direct child elements only; text, comments and entity references do not count.
const xmlNode* ErstesKindElement(const xmlNode* eltern);
const xmlNode* NaechstesElement(const xmlNode* knoten);
std::size_t KindElementAnzahl(const xmlNode* eltern);
// The n-th (from 0) child element, or null.
const xmlNode* KindElementNr(const xmlNode* eltern, std::size_t n);
// First direct child element of that name, or null (also for a null parent).
const xmlNode* Kind(const xmlNode* eltern, std::string_view name);
std::string_view Name(const xmlNode* knoten);

// The element's own text: its direct text and CDATA children joined. Entity references
// are not followed (they stay unexpanded), so no text can grow beyond the file.
std::string Text(const xmlNode* knoten);
std::optional<std::string> Attribut(const xmlNode* knoten, const char* name);

// Children of one element by name, built once, for the numbered lists ("String_7",
// "Position_12"), which would otherwise cost a search per item.
class KindIndex {
public:
    explicit KindIndex(const xmlNode* eltern);
    const xmlNode* Finde(const std::string& name) const;
    std::size_t Anzahl() const { return anzahl_; }

private:
    std::unordered_map<std::string_view, const xmlNode*> namen_;
    std::size_t anzahl_ = 0;
};

// Building a document.
Dokument NeuesDokument(const char* wurzelName);
xmlNode* NeuesKind(xmlNode* eltern, const std::string& name);
// An element holding text; the text is escaped, characters XML cannot carry are replaced.
xmlNode* NeuesTextKind(xmlNode* eltern, const std::string& name, const std::string& text);
void SetzeAttribut(xmlNode* knoten, const char* name, const std::string& wert);

// Text made safe for an XML 1.0 document: invalid UTF-8 bytes and control characters other
// than tab, line feed and carriage return become U+FFFD.
std::string XmlSicher(std::string_view text);

} // namespace vsk::xml
