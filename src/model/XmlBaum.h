#pragma once
// Thin RAII layer over the libxml2 document tree for building and writing documents
// (reading goes through XmlLesebaum.h).

#include <libxml/tree.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vsk::xml {

struct DokumentFreigabe {
    void operator()(xmlDoc* dokument) const { xmlFreeDoc(dokument); }
};
using Dokument = std::unique_ptr<xmlDoc, DokumentFreigabe>;

// Serialises with one element per line, indented by depth, UTF-8 with declaration.
// Empty when libxml2 fails.
std::optional<std::string> Schreibe(xmlDoc* dokument);

// Building a document.
Dokument NeuesDokument(const char* wurzelName);
xmlNode* NeuesKind(xmlNode* eltern, const std::string& name);
// An element holding text; the text is escaped, characters XML cannot carry are replaced.
xmlNode* NeuesTextKind(xmlNode* eltern, const std::string& name, const std::string& text);
void SetzeAttribut(xmlNode* knoten, const char* name, const std::string& wert);

// Whether the text is UTF-8 that XML can carry (see XmlSicher).
bool IstGueltigesUtf8(std::string_view text);

// Text made safe for an XML 1.0 document: invalid UTF-8 bytes and control characters other
// than tab, line feed and carriage return become U+FFFD.
std::string XmlSicher(std::string_view text);

} // namespace vsk::xml
