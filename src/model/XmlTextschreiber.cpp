#include "model/XmlTextschreiber.h"

#include "model/XmlBaum.h"
#include "model/XmlGrenzen.h"

namespace vsk::xml {

namespace {

// What the tree's writer escapes: in element text markup characters and carriage returns;
// in attribute values also quotes, line feeds and tabs.
void Anhaengen(std::string& ziel, const std::string& text, bool attribut) {
    for (char c : text) {
        switch (c) {
        case '<':
            ziel += "&lt;";
            break;
        case '>':
            ziel += "&gt;";
            break;
        case '&':
            ziel += "&amp;";
            break;
        case '\r':
            ziel += "&#13;";
            break;
        case '"':
            ziel += attribut ? "&quot;" : "\"";
            break;
        case '\n':
            ziel += attribut ? "&#10;" : "\n";
            break;
        case '\t':
            ziel += attribut ? "&#9;" : "\t";
            break;
        default:
            ziel += c;
        }
    }
}

// Printable ASCII needs no replacement (numbers, most names).
bool IstEinfach(const std::string& s) {
    for (char c : s) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

} // namespace

Textschreiber::Textschreiber(const std::string& wurzelName, std::size_t platz) {
    text_.reserve(platz);
    text_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + wurzelName;
    offen_.push_back({wurzelName, false});
}

void Textschreiber::Einruecken(std::size_t tiefe) {
    text_.append(2 * tiefe, ' ');
}

void Textschreiber::SchliesseLetztes() {
    const Offen& letztes = offen_.back();
    if (letztes.mitInhalt) {
        Einruecken(offen_.size() - 1);
        text_ += "</";
        text_ += letztes.name;
        text_ += ">\n";
    } else {
        text_ += "/>\n";
    }
    offen_.pop_back();
}

void Textschreiber::BeendeBis(std::size_t tiefe) {
    while (offen_.size() > tiefe + 1) {
        SchliesseLetztes();
    }
    if (!offen_.back().mitInhalt) {
        offen_.back().mitInhalt = true;
        text_ += ">\n";
    }
}

void Textschreiber::Zaehle(std::size_t eltern, const std::string& name) {
    ++elemente_;
    ueberGrenze_ = ueberGrenze_ || elemente_ > MaxElemente ||
                   ++offen_[eltern].kinder > MaxKinderJeElement || eltern + 1 >= MaxTiefe ||
                   name.size() > MaxNamenslaenge;
}

Textschreiber::Element Textschreiber::Kind(Element eltern, const std::string& name) {
    BeendeBis(eltern);
    Zaehle(eltern, name);
    Einruecken(eltern + 1);
    text_ += '<';
    text_ += name;
    offen_.push_back({name, false});
    return eltern + 1;
}

void Textschreiber::TextKind(Element eltern, const std::string& name, const std::string& text) {
    if (text.empty()) {
        Kind(eltern, name);
        return;
    }
    BeendeBis(eltern);
    Zaehle(eltern, name);
    Einruecken(eltern + 1);
    text_ += '<';
    text_ += name;
    text_ += '>';
    Anhaengen(text_, IstEinfach(text) ? text : XmlSicher(text), false);
    text_ += "</";
    text_ += name;
    text_ += ">\n";
}

void Textschreiber::Attribut(Element element, const std::string& name, const std::string& wert) {
    if (element + 1 != offen_.size() || offen_.back().mitInhalt) {
        return; // the start tag is finished
    }
    text_ += ' ';
    text_ += name;
    text_ += "=\"";
    Anhaengen(text_, XmlSicher(wert), true);
    text_ += '"';
}

std::string Textschreiber::Fertig() {
    while (!offen_.empty()) {
        SchliesseLetztes();
    }
    return std::move(text_);
}

} // namespace vsk::xml
