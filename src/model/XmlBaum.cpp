#include "model/XmlBaum.h"

#include "model/XmlGrenzen.h"

#include <libxml/dict.h>
#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace vsk::xml {

namespace {

// No network, no DTD loading, no entity substitution (XML_PARSE_NOENT and
// XML_PARSE_DTDLOAD stay off), no messages on stderr; the parser's own size and depth
// limits stay in force (no XML_PARSE_HUGE).
// Blank text between elements is dropped (the text of an element that holds only blanks
// is kept); short texts are stored inside their nodes. Both halve the work on big files.
// Line numbers beyond 65535 are kept, so that a read error names the right line.
constexpr int kLeseOptionen = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                              XML_PARSE_NOBLANKS | XML_PARSE_COMPACT | XML_PARSE_BIG_LINES;

Parsergebnis Unlesbar() {
    return {nullptr, Lesestelle{Lesegrund::Datei, {}, 0}};
}

struct ParserFreigabe {
    void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};

const char* AlsZeichen(const xmlChar* s) {
    return reinterpret_cast<const char*>(s);
}
const xmlChar* AlsXml(const char* s) {
    return reinterpret_cast<const xmlChar*>(s);
}

bool IstElement(const xmlNode* knoten) {
    return knoten && knoten->type == XML_ELEMENT_NODE;
}

// Length of the UTF-8 sequence at s[i] that encodes a character XML 1.0 allows, or 0.
std::size_t GueltigeSequenz(std::string_view s, std::size_t i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    if (c < 0x80) {
        return (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') ? 1 : 0;
    }
    std::size_t laenge = 0;
    char32_t wert = 0;
    if ((c & 0xE0) == 0xC0) {
        laenge = 2;
        wert = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        laenge = 3;
        wert = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        laenge = 4;
        wert = c & 0x07;
    } else {
        return 0;
    }
    if (i + laenge > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        wert = (wert << 6) | (b(i + k) & 0x3F);
    }
    static constexpr char32_t kKleinster[] = {0, 0, 0x80, 0x800, 0x10000};
    if (wert < kKleinster[laenge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF) ||
        wert == 0xFFFE || wert == 0xFFFF) {
        return 0;
    }
    return laenge;
}

// Printable ASCII only: nothing to replace (numbers, most names).
bool IstEinfach(std::string_view s) {
    for (char c : s) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

bool IstUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t n = GueltigeSequenz(s, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

// True when the text starts like 8-bit XML (no byte order mark, no UTF-16) and its XML
// declaration, if any, names no encoding: only then may a guess replace UTF-8.
bool OhneKodierungsangabe(std::string_view s) {
    if (s.size() >= 2 &&
        (static_cast<unsigned char>(s[0]) >= 0xFE || s[0] == '\0' || s[1] == '\0')) {
        return false;
    }
    if (s.size() >= 3 && s.substr(0, 3) == "\xEF\xBB\xBF") {
        return false;
    }
    if (s.substr(0, 5) != "<?xml") {
        return true;
    }
    std::size_t ende = s.find("?>");
    return s.substr(0, ende).find("encoding") == std::string_view::npos;
}

} // namespace

Parsergebnis LeseText(std::string_view inhalt) {
    if (inhalt.size() > MaxDateiGroesse) {
        return Unlesbar();
    }
    if (auto grenze = PruefeXmlGrenzen(inhalt)) {
        return {nullptr, std::move(grenze)};
    }
    const char* kodierung = nullptr;
    if (!IstUtf8(inhalt) && OhneKodierungsangabe(inhalt)) {
        kodierung = "windows-1252";
    }
    const std::unique_ptr<xmlParserCtxt, ParserFreigabe> ctxt(xmlNewParserCtxt());
    if (!ctxt) {
        return Unlesbar();
    }
    Dokument dokument(xmlCtxtReadMemory(ctxt.get(), inhalt.data(), static_cast<int>(inhalt.size()),
                                        nullptr, kodierung, kLeseOptionen));
    if (!dokument) {
        return {nullptr, Lesestelle{Lesegrund::Xml, {}, ctxt->lastError.line}};
    }
    return {std::move(dokument), std::nullopt};
}

Parsergebnis LeseDatei(const std::filesystem::path& pfad) {
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(pfad, fehler)) {
        return Unlesbar();
    }
    auto groesse = std::filesystem::file_size(pfad, fehler);
    if (fehler || groesse > MaxDateiGroesse) {
        return Unlesbar();
    }
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) {
        return Unlesbar();
    }
    std::string inhalt;
    inhalt.resize(static_cast<std::size_t>(groesse));
    datei.read(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    if (datei.gcount() != static_cast<std::streamsize>(inhalt.size())) {
        return Unlesbar();
    }
    return LeseText(inhalt);
}

long Zeile(const xmlNode* knoten) {
    return knoten ? xmlGetLineNo(knoten) : 0;
}

std::optional<std::string> Schreibe(xmlDoc* dokument) {
    xmlBuffer* puffer = xmlBufferCreate();
    if (!puffer) {
        return std::nullopt;
    }
    std::optional<std::string> ergebnis;
    if (xmlSaveCtxt* ctxt = xmlSaveToBuffer(puffer, "UTF-8", XML_SAVE_FORMAT)) {
        long geschrieben = xmlSaveDoc(ctxt, dokument);
        if (xmlSaveClose(ctxt) >= 0 && geschrieben >= 0) {
            ergebnis.emplace(AlsZeichen(xmlBufferContent(puffer)),
                             static_cast<std::size_t>(xmlBufferLength(puffer)));
        }
    }
    xmlBufferFree(puffer);
    return ergebnis;
}

const xmlNode* Wurzel(const xmlDoc* dokument) {
    return dokument ? xmlDocGetRootElement(dokument) : nullptr;
}

const xmlNode* ErstesKindElement(const xmlNode* eltern) {
    if (!eltern) {
        return nullptr;
    }
    const xmlNode* k = eltern->children;
    while (k && !IstElement(k)) {
        k = k->next;
    }
    return k;
}

const xmlNode* NaechstesElement(const xmlNode* knoten) {
    const xmlNode* k = knoten ? knoten->next : nullptr;
    while (k && !IstElement(k)) {
        k = k->next;
    }
    return k;
}

std::size_t KindElementAnzahl(const xmlNode* eltern) {
    std::size_t n = 0;
    for (const xmlNode* k = ErstesKindElement(eltern); k; k = NaechstesElement(k)) {
        ++n;
    }
    return n;
}

const xmlNode* KindElementNr(const xmlNode* eltern, std::size_t n) {
    const xmlNode* k = ErstesKindElement(eltern);
    for (; k && n > 0; --n) {
        k = NaechstesElement(k);
    }
    return k;
}

const xmlNode* Kind(const xmlNode* eltern, std::string_view name) {
    for (const xmlNode* k = ErstesKindElement(eltern); k; k = NaechstesElement(k)) {
        if (Name(k) == name) {
            return k;
        }
    }
    return nullptr;
}

std::string_view Name(const xmlNode* knoten) {
    return knoten && knoten->name ? std::string_view(AlsZeichen(knoten->name)) : "";
}

std::string Text(const xmlNode* knoten) {
    std::string text;
    if (!knoten) {
        return text;
    }
    for (const xmlNode* k = knoten->children; k; k = k->next) {
        if ((k->type == XML_TEXT_NODE || k->type == XML_CDATA_SECTION_NODE) && k->content) {
            text += AlsZeichen(k->content);
        }
    }
    return text;
}

std::optional<std::string> Attribut(const xmlNode* knoten, const char* name) {
    if (!IstElement(knoten)) {
        return std::nullopt;
    }
    for (const xmlAttr* a = knoten->properties; a; a = a->next) {
        if (a->name && std::strcmp(AlsZeichen(a->name), name) == 0) {
            std::string wert;
            for (const xmlNode* k = a->children; k; k = k->next) {
                if (k->type == XML_TEXT_NODE && k->content) {
                    wert += AlsZeichen(k->content);
                }
            }
            return wert;
        }
    }
    return std::nullopt;
}

KindIndex::KindIndex(const xmlNode* eltern) {
    for (const xmlNode* k = ErstesKindElement(eltern); k; k = NaechstesElement(k)) {
        namen_.emplace(Name(k), k); // the first of equal names wins, as with Kind()
        ++anzahl_;
    }
}

const xmlNode* KindIndex::Finde(const std::string& name) const {
    auto it = namen_.find(name);
    return it == namen_.end() ? nullptr : it->second;
}

Dokument NeuesDokument(const char* wurzelName) {
    Dokument dokument(xmlNewDoc(AlsXml("1.0")));
    if (!dokument) {
        return nullptr;
    }
    // Element names come from a dictionary: the same few dozen names, stored once.
    dokument->dict = xmlDictCreate();
    if (!dokument->dict) {
        return nullptr;
    }
    xmlNode* wurzel = xmlNewDocNode(dokument.get(), nullptr, AlsXml(wurzelName), nullptr);
    if (!wurzel) {
        return nullptr;
    }
    xmlDocSetRootElement(dokument.get(), wurzel);
    return dokument;
}

xmlNode* NeuesKind(xmlNode* eltern, const std::string& name) {
    return eltern ? xmlNewChild(eltern, nullptr, AlsXml(name.c_str()), nullptr) : nullptr;
}

xmlNode* NeuesTextKind(xmlNode* eltern, const std::string& name, const std::string& text) {
    if (!eltern) {
        return nullptr;
    }
    if (text.empty()) {
        return NeuesKind(eltern, name); // written as an empty element, "<TFirma/>"
    }
    // The text is kept raw; the writer escapes "&", "<" and ">" on output.
    const bool sicher = IstEinfach(text);
    const std::string ersatz = sicher ? std::string() : XmlSicher(text);
    xmlNode* knoten = xmlNewDocRawNode(eltern->doc, nullptr, AlsXml(name.c_str()),
                                       AlsXml(sicher ? text.c_str() : ersatz.c_str()));
    if (knoten && !xmlAddChild(eltern, knoten)) {
        xmlFreeNode(knoten);
        return nullptr;
    }
    return knoten;
}

void SetzeAttribut(xmlNode* knoten, const char* name, const std::string& wert) {
    if (knoten) {
        xmlSetProp(knoten, AlsXml(name), AlsXml(XmlSicher(wert).c_str()));
    }
}

std::string XmlSicher(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = GueltigeSequenz(text, i);
        if (n == 0) {
            ergebnis += "\xEF\xBF\xBD";
            ++i;
        } else {
            ergebnis.append(text.substr(i, n));
            i += n;
        }
    }
    return ergebnis;
}

} // namespace vsk::xml
