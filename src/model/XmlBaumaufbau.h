#pragma once
// Building a Lesebaum element by element, with the bounds of XmlGrenzen.h: both ways of
// reading a file (XmlSchnellparser.h, and libxml2's events in XmlLesebaum.cpp) build
// through it, so they give the same tree.

#include "model/XmlLesebaum.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsk::xml {

class Baumaufbau {
public:
    // groesse: the file's length, a bound for the text store.
    Baumaufbau(Lesebaum& baum, std::size_t groesse);

    // A new element below the innermost open one (the root when none is open). False, with
    // Grenze() set, beyond a bound; verschiedeneNamen: the distinct names the parser has
    // met so far, where it keeps them; attribute: the start tag's attributes.
    bool Oeffne(std::string_view name, long zeile, std::size_t verschiedeneNamen = 0,
                std::size_t attribute = 0);
    void Attribut(std::string_view name, std::string wert);
    // Text of the innermost open element (none outside the root).
    void Text(std::string_view teil);
    void Schliesse();

    std::size_t Offen() const { return offen_.size(); }
    // The first element beyond a bound.
    const std::optional<Lesestelle>& Grenze() const { return grenze_; }

private:
    std::string PfadBis(std::string_view name) const;

    Lesebaum& baum_;
    std::optional<Lesestelle> grenze_;
    std::size_t elemente_ = 0;
    struct OffenesElement {
        Knoten* knoten;
        Knoten* letztesKind = nullptr;
        // Layout between children stays out of the text store until text other than
        // white space shows that the element holds mixed content.
        bool nurLeerzeichen = true;
        std::string leerNachKind;
        // Text that follows a child with text of its own: it joins the element's text in
        // the store when the element closes, so every text moves at most once.
        std::string nachKind;
    };
    std::vector<OffenesElement> offen_; // innermost last
};

} // namespace vsk::xml
