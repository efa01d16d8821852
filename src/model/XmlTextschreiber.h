#pragma once
// Writes an XML document straight to text, element after element in document order, in
// the layout of the document tree's writer (Schreibe in XmlBaum.h): UTF-8 with the
// declaration, one element per line indented by two blanks a level, an element without
// content as "<Name/>". Saving a large project this way builds no tree.

#include <cstddef>
#include <string>
#include <vector>

namespace vsk::xml {

class Textschreiber {
public:
    // An element, by its depth below the root (the root is 0).
    using Element = std::size_t;

    // platz: the expected length of the document, reserved at once (pages never written
    // cost nothing).
    explicit Textschreiber(const std::string& wurzelName, std::size_t platz = 0);

    // A new last child of eltern, which must be the open element at that depth or one of
    // its ancestors (the elements below it are closed).
    Element Kind(Element eltern, const std::string& name);
    // A child holding text; an empty text gives an element without content. Characters
    // XML cannot carry are replaced as the tree does it.
    void TextKind(Element eltern, const std::string& name, const std::string& text);
    // An attribute of the element just opened, before it has children.
    void Attribut(Element element, const std::string& name, const std::string& wert);

    // The whole document; the writer is spent afterwards.
    std::string Fertig();
    // Whether the document keeps the bounds its reader sets (XmlGrenzen.h): elements,
    // children of one element, nesting and name length.
    bool InnerhalbDerGrenzen() const { return !ueberGrenze_; }

private:
    struct Offen {
        std::string name;
        bool mitInhalt = false;
        std::size_t kinder = 0;
    };
    void Zaehle(std::size_t eltern, const std::string& name);
    void Einruecken(std::size_t tiefe);
    // Closes the elements below the one at tiefe, which is about to get content.
    void BeendeBis(std::size_t tiefe);
    void SchliesseLetztes();

    std::string text_;
    std::vector<Offen> offen_; // the open elements from the root down
    std::size_t elemente_ = 1;
    bool ueberGrenze_ = false;
};

} // namespace vsk::xml
