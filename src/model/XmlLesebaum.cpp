#include "model/XmlLesebaum.h"

#include "model/XmlBaum.h"
#include "model/XmlBaumaufbau.h"
#include "model/XmlGrenzen.h"
#include "model/XmlSchnellparser.h"
#include "shell/Dateilesen.h"

#include <libxml/SAX2.h>
#include <libxml/dict.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <cstring>

namespace vsk::xml {

namespace {

// No network, no DTD loading, no entity substitution (XML_PARSE_NOENT and XML_PARSE_DTDLOAD
// stay off), no messages on stderr; the parser's own size and depth limits stay in force.
constexpr int kLeseOptionen = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

const char* AlsZeichen(const xmlChar* s) {
    return reinterpret_cast<const char*>(s);
}

Parsergebnis Unlesbar() {
    return {nullptr, Lesestelle{Lesegrund::Datei, {}, 0}};
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

// Without entity substitution the parser hands attribute values over with every "&" of
// the value written "&#38;" (so that entity references stay apart from it).
std::string OhneUndZeichenverweis(std::string_view wert) {
    std::string ergebnis;
    ergebnis.reserve(wert.size());
    for (std::size_t i = 0; i < wert.size(); ++i) {
        if (wert.substr(i, 5) == "&#38;") {
            ergebnis += '&';
            i += 4;
        } else {
            ergebnis += wert[i];
        }
    }
    return ergebnis;
}

struct ParserFreigabe {
    void operator()(xmlParserCtxt* ctxt) const {
        if (ctxt->myDoc) {
            xmlFreeDoc(ctxt->myDoc); // the internal subset the DTD handlers kept
            ctxt->myDoc = nullptr;
        }
        xmlFreeParserCtxt(ctxt);
    }
};

} // namespace

// Builds the tree from libxml2's events. Events from inside an entity's replacement text
// (the parser checks internal entities once by parsing them) have a depth above 0 and are
// left out: entities are not substituted.
class Ereignisse {
public:
    static void Start(void* ctx, const xmlChar* name, const xmlChar*, const xmlChar*, int,
                      const xmlChar**, int anzahlAttribute, int, const xmlChar** attribute) {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->depth > 0) {
            return;
        }
        auto& aufbau = *static_cast<Baumaufbau*>(ctxt->_private);
        const long zeile = ctxt->input ? ctxt->input->line : 0;
        const auto namen = static_cast<std::size_t>(ctxt->dict ? xmlDictSize(ctxt->dict) : 0);
        if (!aufbau.Oeffne(AlsZeichen(name), zeile, namen)) {
            xmlStopParser(ctxt);
            return;
        }
        for (int i = 0; i < anzahlAttribute; ++i) {
            const xmlChar** a = attribute + 5 * i; // name, prefix, URI, value, end of value
            aufbau.Attribut(
                AlsZeichen(a[0]),
                OhneUndZeichenverweis({AlsZeichen(a[3]), static_cast<std::size_t>(a[4] - a[3])}));
        }
    }

    static void Ende(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->depth == 0) {
            static_cast<Baumaufbau*>(ctxt->_private)->Schliesse();
        }
    }

    static void Zeichen(void* ctx, const xmlChar* zeichen, int laenge) {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->depth == 0) {
            static_cast<Baumaufbau*>(ctxt->_private)
                ->Text({AlsZeichen(zeichen), static_cast<std::size_t>(laenge)});
        }
    }

    static void Nichts(void*, const xmlChar*, int) {}
    static void KeinVerweis(void*, const xmlChar*) {}
};

Lesebaum::Lesebaum() = default;

Knoten& Lesebaum::NeuerKnoten() {
    constexpr std::size_t ersterBlock = 64;
    constexpr std::size_t groessterBlock = 8192;
    if (imLetztenBlock_ == blockgroesse_) {
        blockgroesse_ = std::clamp(2 * blockgroesse_, ersterBlock, groessterBlock);
        bloecke_.push_back(std::make_unique<Knoten[]>(blockgroesse_));
        imLetztenBlock_ = 0;
    }
    return bloecke_.back()[imLetztenBlock_++];
}

Lesebaum::~Lesebaum() {
    if (namen_) {
        xmlDictFree(namen_);
    }
}

Parsergebnis Lesebaum::Lies(std::string inhalt) {
    if (inhalt.size() > MaxDateiGroesse) {
        return Unlesbar();
    }
    auto baum = std::make_unique<Lesebaum>();
    baum->quelle_ = std::move(inhalt);
    Baumaufbau aufbau(*baum, baum->quelle_.size());
    switch (LeseSchnell(baum->quelle_, aufbau)) {
    case Schnellergebnis::Gelesen:
        return {std::move(baum), std::nullopt};
    case Schnellergebnis::Grenze:
        return {nullptr, aufbau.Grenze()};
    case Schnellergebnis::Unbekannt:
        break;
    }
    return MitLibxml(baum->quelle_);
}

Parsergebnis Lesebaum::MitLibxml(std::string_view inhalt) {
    if (auto grenze = PruefeAttributzahl(inhalt)) {
        return {nullptr, std::move(grenze)};
    }
    const std::unique_ptr<xmlParserCtxt, ParserFreigabe> ctxt(
        xmlCreateMemoryParserCtxt(inhalt.data(), static_cast<int>(inhalt.size())));
    if (!ctxt || !ctxt->sax) {
        return Unlesbar();
    }
    xmlCtxtUseOptions(ctxt.get(), kLeseOptionen);
    xmlSAXHandler& sax = *ctxt->sax;
    sax.startElementNs = &Ereignisse::Start;
    sax.endElementNs = &Ereignisse::Ende;
    sax.characters = &Ereignisse::Zeichen;
    sax.cdataBlock = &Ereignisse::Zeichen;
    sax.ignorableWhitespace = &Ereignisse::Nichts;
    sax.reference = &Ereignisse::KeinVerweis;
    sax.startElement = nullptr;
    sax.endElement = nullptr;
    if (OhneKodierungsangabe(inhalt) && !IstGueltigesUtf8(inhalt)) {
        if (xmlCharEncodingHandler* kodierung = xmlFindCharEncodingHandler("windows-1252")) {
            xmlSwitchToEncoding(ctxt.get(), kodierung);
        }
    }
    auto baum = std::make_unique<Lesebaum>();
    Baumaufbau aufbau(*baum, inhalt.size());
    ctxt->_private = &aufbau;
    const int ergebnis = xmlParseDocument(ctxt.get());
    if (aufbau.Grenze()) {
        return {nullptr, aufbau.Grenze()};
    }
    if (ergebnis != 0 || !ctxt->wellFormed || !baum->Wurzel()) {
        return {nullptr, Lesestelle{Lesegrund::Xml, {}, ctxt->lastError.line}};
    }
    // The names live in the parser's dictionary; the tree keeps it.
    if (!ctxt->dict || xmlDictReference(ctxt->dict) != 0) {
        return Unlesbar();
    }
    baum->namen_ = ctxt->dict;
    return {std::move(baum), std::nullopt};
}

Parsergebnis LeseText(std::string_view inhalt) {
    if (inhalt.size() > MaxDateiGroesse) {
        return Unlesbar();
    }
    return Lesebaum::Lies(std::string(inhalt));
}

Parsergebnis LeseTextMitLibxml(std::string_view inhalt) {
    if (inhalt.size() > MaxDateiGroesse) {
        return Unlesbar();
    }
    return Lesebaum::MitLibxml(inhalt);
}

Parsergebnis LeseDatei(const std::filesystem::path& pfad) {
    Dateilesergebnis datei = LeseDateiBegrenzt(pfad, MaxDateiGroesse);
    if (!datei) {
        return Unlesbar();
    }
    return Lesebaum::Lies(std::move(datei.inhalt));
}

const Knoten* Wurzel(const Lesebaum* dokument) {
    return dokument ? dokument->Wurzel() : nullptr;
}

const Knoten* ErstesKindElement(const Knoten* eltern) {
    return eltern ? eltern->erstesKind : nullptr;
}

const Knoten* NaechstesElement(const Knoten* knoten) {
    return knoten ? knoten->naechstes : nullptr;
}

std::size_t KindElementAnzahl(const Knoten* eltern) {
    return eltern ? eltern->kinder : 0;
}

const Knoten* KindElementNr(const Knoten* eltern, std::size_t n) {
    const Knoten* k = ErstesKindElement(eltern);
    for (; k && n > 0; --n) {
        k = k->naechstes;
    }
    return k;
}

const Knoten* Kind(const Knoten* eltern, std::string_view name) {
    for (const Knoten* k = ErstesKindElement(eltern); k; k = k->naechstes) {
        if (k->name == name) {
            return k;
        }
    }
    return nullptr;
}

std::string_view Name(const Knoten* knoten) {
    return knoten ? knoten->name : std::string_view();
}

std::string_view Text(const Knoten* knoten) {
    return knoten ? knoten->baum->Text(*knoten) : std::string_view();
}

std::optional<std::string> Attribut(const Knoten* knoten, std::string_view name) {
    if (!knoten) {
        return std::nullopt;
    }
    for (const auto& [n, wert] : knoten->attribute) {
        if (n == name) {
            return wert;
        }
    }
    return std::nullopt;
}

long Zeile(const Knoten* knoten) {
    return knoten ? knoten->zeile : 0;
}

KindIndex::KindIndex(const Knoten* eltern) {
    if (eltern) {
        namen_.reserve(eltern->kinder);
    }
    for (const Knoten* k = ErstesKindElement(eltern); k; k = k->naechstes) {
        namen_.emplace(k->name, k); // the first of equal names wins, as with Kind()
        ++anzahl_;
    }
}

const Knoten* KindIndex::Finde(std::string_view name) const {
    auto it = namen_.find(name);
    return it == namen_.end() ? nullptr : it->second;
}

} // namespace vsk::xml
