#pragma once
// The element tree of a file as the project readers need it: names, the elements' own
// text, attributes, lines and the family links, nothing else. libxml2's SAX2 parser reads
// the bytes (encodings, character references, well-formedness); the tree is built from its
// events, which costs a third of libxml2's own document tree and frees in one go. Parsing
// never touches the network, never loads a DTD and never substitutes entities, so a hostile
// file cannot make the reader fetch, expand or blow up anything.

#include "model/Lesestelle.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

struct _xmlDict;

namespace vsk::xml {

// Largest file the reader accepts; a 1,000-position project with full results is about 40 MB.
inline constexpr std::uintmax_t MaxDateiGroesse = 256u * 1024u * 1024u;

// An element.
class Lesebaum;
struct Parsergebnis;

struct Knoten {
    std::string_view name; // without prefix, as the file spells it
    // Its own text and CDATA, joined (blanks between children dropped), in the tree's text
    // store.
    std::size_t textAnfang = 0;
    std::size_t textLaenge = 0;
    std::vector<std::pair<std::string_view, std::string>> attribute;
    const Knoten* eltern = nullptr;
    const Knoten* erstesKind = nullptr;
    const Knoten* naechstes = nullptr;
    std::size_t kinder = 0;
    long zeile = 0;
    const Lesebaum* baum = nullptr;
};

class Lesebaum {
public:
    Lesebaum();
    ~Lesebaum();
    Lesebaum(const Lesebaum&) = delete;
    Lesebaum& operator=(const Lesebaum&) = delete;

    const Knoten* Wurzel() const { return bloecke_.empty() ? nullptr : &bloecke_.front()[0]; }
    std::string_view Text(const Knoten& k) const {
        return {texte_.data() + k.textAnfang, k.textLaenge};
    }

private:
    friend class Baumaufbau;
    friend Parsergebnis LeseText(std::string_view inhalt);
    friend Parsergebnis LeseDatei(const std::filesystem::path& pfad);
    friend Parsergebnis LeseTextMitLibxml(std::string_view inhalt);
    // Reads the file's content, the fast way when it can and through libxml2 otherwise.
    static Parsergebnis Lies(std::string inhalt);
    static Parsergebnis MitLibxml(std::string_view inhalt);

    // A new element at the end. The elements live in blocks that never move, so the
    // family links stay valid; the blocks grow with the file.
    Knoten& NeuerKnoten();

    std::vector<std::unique_ptr<Knoten[]>> bloecke_;
    std::size_t blockgroesse_ = 0;
    std::size_t imLetztenBlock_ = 0;
    std::string texte_;         // every element's text, one after the other
    std::string quelle_;        // the file read the fast way, for the name views
    _xmlDict* namen_ = nullptr; // libxml2's names, kept for the name views
};

// The tree, or none with the place where reading stopped: the file cannot be read or is too
// large (Datei), goes beyond the bounds of XmlGrenzen.h (Grenze), or is not well-formed XML
// (Xml, with the parser's line). A file without encoding declaration that is not valid UTF-8
// is read as windows-1252, the code page older versions of the program wrote in.
struct Parsergebnis {
    std::unique_ptr<const Lesebaum> dokument;
    std::optional<Lesestelle> fehler;
};
Parsergebnis LeseDatei(const std::filesystem::path& pfad);
Parsergebnis LeseText(std::string_view inhalt);
// The way that reads every XML (libxml2's SAX2 parser), which LeseText takes for the files
// its fast way does not recognise; both give the same tree.
Parsergebnis LeseTextMitLibxml(std::string_view inhalt);

const Knoten* Wurzel(const Lesebaum* dokument);
// Direct child elements only.
const Knoten* ErstesKindElement(const Knoten* eltern);
const Knoten* NaechstesElement(const Knoten* knoten);
std::size_t KindElementAnzahl(const Knoten* eltern);
// The n-th (from 0) child element, or null.
const Knoten* KindElementNr(const Knoten* eltern, std::size_t n);
// First direct child element of that name, or null (also for a null parent).
const Knoten* Kind(const Knoten* eltern, std::string_view name);
std::string_view Name(const Knoten* knoten);
// The element's own text (empty for null); valid while the tree lives.
std::string_view Text(const Knoten* knoten);
std::optional<std::string> Attribut(const Knoten* knoten, std::string_view name);
// The element's line in the file (0 for null).
long Zeile(const Knoten* knoten);

// Children of one element by name, built once, for the numbered lists ("String_7",
// "Position_12"), which would otherwise cost a search per item.
class KindIndex {
public:
    explicit KindIndex(const Knoten* eltern);
    const Knoten* Finde(std::string_view name) const;
    std::size_t Anzahl() const { return anzahl_; }

private:
    std::unordered_map<std::string_view, const Knoten*> namen_;
    std::size_t anzahl_ = 0;
};

} // namespace vsk::xml
