#include "model/XmlLesebaum.h"

#include "model/XmlBaum.h"
#include "model/XmlGrenzen.h"
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

bool NurLeerzeichen(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
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

// Builds the tree from the parser's events. Events from inside an entity's replacement text
// (the parser checks internal entities once by parsing them) have a depth above 0 and are
// left out: entities are not substituted.
class Aufbau {
public:
    // groesse: the file's length, a bound for the text store.
    Aufbau(Lesebaum& baum, std::size_t groesse) : baum_(baum) { baum_.texte_.reserve(groesse / 4); }

    static void Start(void* ctx, const xmlChar* name, const xmlChar*, const xmlChar*, int,
                      const xmlChar**, int anzahlAttribute, int, const xmlChar** attribute) {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->depth > 0) {
            return;
        }
        static_cast<Aufbau*>(ctxt->_private)->Element(ctxt, name, anzahlAttribute, attribute);
    }

    static void Ende(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->depth > 0) {
            return;
        }
        static_cast<Aufbau*>(ctxt->_private)->Schliessen();
    }

    static void Zeichen(void* ctx, const xmlChar* zeichen, int laenge) {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->depth > 0) {
            return;
        }
        auto* aufbau = static_cast<Aufbau*>(ctxt->_private);
        if (!aufbau->offen_.empty()) {
            aufbau->Anhaengen(*aufbau->offen_.back(),
                              {AlsZeichen(zeichen), static_cast<std::size_t>(laenge)});
        }
    }

    // The names live in the parser's dictionary; the tree keeps it.
    static bool BehalteNamen(Lesebaum& baum, xmlDict* namen) {
        if (!namen || xmlDictReference(namen) != 0) {
            return false;
        }
        baum.namen_ = namen;
        return true;
    }

    static void Nichts(void*, const xmlChar*, int) {}
    static void KeinVerweis(void*, const xmlChar*) {}

    // The first element beyond a bound of XmlGrenzen.h, where the parser was stopped.
    const std::optional<Lesestelle>& Grenze() const { return grenze_; }

private:
    // The text of an element stays in one piece of the store: text that continues after a
    // child moves to the end first.
    void Anhaengen(Knoten& k, std::string_view teil) {
        std::string& texte = baum_.texte_;
        if (k.textAnfang + k.textLaenge != texte.size()) {
            const std::size_t anfang = texte.size();
            texte.append(texte, k.textAnfang, k.textLaenge);
            k.textAnfang = anfang;
        }
        texte.append(teil);
        k.textLaenge += teil.size();
    }

    bool UeberGrenze(xmlParserCtxt* ctxt, std::string_view name) const {
        const Knoten* eltern = offen_.empty() ? nullptr : offen_.back();
        return elemente_ > MaxElemente || name.size() > MaxNamenslaenge ||
               offen_.size() >= MaxTiefe || (eltern && eltern->kinder >= MaxKinderJeElement) ||
               (ctxt->dict &&
                static_cast<std::size_t>(xmlDictSize(ctxt->dict)) > MaxVerschiedeneNamen);
    }

    void Element(xmlParserCtxt* ctxt, const xmlChar* name, int anzahlAttribute,
                 const xmlChar** attribute) {
        const std::string_view n = AlsZeichen(name);
        ++elemente_;
        if (UeberGrenze(ctxt, n)) {
            grenze_ = Lesestelle{Lesegrund::Grenze, std::string(n.substr(0, 64)),
                                 ctxt->input ? ctxt->input->line : 0};
            xmlStopParser(ctxt);
            return;
        }
        Knoten& k = baum_.knoten_.emplace_back();
        k.name = n;
        k.baum = &baum_;
        k.textAnfang = baum_.texte_.size();
        k.zeile = ctxt->input ? ctxt->input->line : 0;
        for (int i = 0; i < anzahlAttribute; ++i) {
            const xmlChar** a = attribute + 5 * i; // name, prefix, URI, value, end of value
            k.attribute.emplace_back(
                AlsZeichen(a[0]),
                std::string(AlsZeichen(a[3]), static_cast<std::size_t>(a[4] - a[3])));
        }
        if (!offen_.empty()) {
            Knoten* eltern = offen_.back();
            k.eltern = eltern;
            if (letztes_.back()) {
                letztes_.back()->naechstes = &k;
            } else {
                eltern->erstesKind = &k;
            }
            letztes_.back() = &k;
            ++eltern->kinder;
        }
        offen_.push_back(&k);
        letztes_.push_back(nullptr);
    }

    void Schliessen() {
        if (offen_.empty()) {
            return;
        }
        Knoten* k = offen_.back();
        if (k->kinder > 0 && NurLeerzeichen(baum_.Text(*k))) {
            k->textLaenge = 0; // the layout between the children
        }
        offen_.pop_back();
        letztes_.pop_back();
    }

    Lesebaum& baum_;
    std::optional<Lesestelle> grenze_;
    std::size_t elemente_ = 0;
    std::vector<Knoten*> offen_;   // the open elements, innermost last
    std::vector<Knoten*> letztes_; // the last child of each open element
};

Lesebaum::Lesebaum() = default;

Lesebaum::~Lesebaum() {
    if (namen_) {
        xmlDictFree(namen_);
    }
}

Parsergebnis LeseText(std::string_view inhalt) {
    if (inhalt.size() > MaxDateiGroesse) {
        return Unlesbar();
    }
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
    sax.startElementNs = &Aufbau::Start;
    sax.endElementNs = &Aufbau::Ende;
    sax.characters = &Aufbau::Zeichen;
    sax.cdataBlock = &Aufbau::Zeichen;
    sax.ignorableWhitespace = &Aufbau::Nichts;
    sax.reference = &Aufbau::KeinVerweis;
    sax.startElement = nullptr;
    sax.endElement = nullptr;
    if (OhneKodierungsangabe(inhalt) && !IstGueltigesUtf8(inhalt)) {
        if (xmlCharEncodingHandler* kodierung = xmlFindCharEncodingHandler("windows-1252")) {
            xmlSwitchToEncoding(ctxt.get(), kodierung);
        }
    }
    auto baum = std::make_unique<Lesebaum>();
    Aufbau aufbau(*baum, inhalt.size());
    ctxt->_private = &aufbau;
    const int ergebnis = xmlParseDocument(ctxt.get());
    if (aufbau.Grenze()) {
        return {nullptr, aufbau.Grenze()};
    }
    if (ergebnis != 0 || !ctxt->wellFormed || !baum->Wurzel()) {
        return {nullptr, Lesestelle{Lesegrund::Xml, {}, ctxt->lastError.line}};
    }
    if (!Aufbau::BehalteNamen(*baum, ctxt->dict)) {
        return Unlesbar();
    }
    return {std::move(baum), std::nullopt};
}

Parsergebnis LeseDatei(const std::filesystem::path& pfad) {
    const GeleseneDatei datei = LeseDateiBegrenzt(pfad, MaxDateiGroesse);
    if (!datei) {
        return Unlesbar();
    }
    return LeseText(datei.inhalt);
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
