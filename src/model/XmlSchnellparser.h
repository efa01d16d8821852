#pragma once
// The fast way through the files this program writes: UTF-8, elements with ASCII names,
// text with the five predefined entities and character references, attributes in quotes.
// Anything else (a DOCTYPE, comments, CDATA, other encodings, anything not well-formed) is
// left to libxml2, which reads every XML and reports every fault; so the fast way never
// decides whether a file is well-formed, it only takes the files it recognises.

#include "model/XmlBaumaufbau.h"

#include <string_view>

namespace vsk::xml {

enum class Schnellergebnis {
    Gelesen,  // the tree is complete
    Grenze,   // an element beyond a bound (Baumaufbau::Grenze)
    Unbekannt // not of the simple kind: read the file with libxml2
};

// text must outlive the tree (names are views into it).
Schnellergebnis LeseSchnell(std::string_view text, Baumaufbau& aufbau);

} // namespace vsk::xml
