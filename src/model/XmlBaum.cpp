#include "model/XmlBaum.h"

#include <libxml/dict.h>
#include <libxml/parser.h>
#include <libxml/xmlsave.h>

namespace vsk::xml {

namespace {

const char* AlsZeichen(const xmlChar* s) {
    return reinterpret_cast<const char*>(s);
}
const xmlChar* AlsXml(const char* s) {
    return reinterpret_cast<const xmlChar*>(s);
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

} // namespace

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

bool IstGueltigesUtf8(std::string_view text) {
    return IstUtf8(text);
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
