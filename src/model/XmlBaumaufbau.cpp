#include "model/XmlBaumaufbau.h"

#include "model/XmlGrenzen.h"

#include <algorithm>

namespace vsk::xml {

namespace {

bool NurLeerzeichen(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

} // namespace

Baumaufbau::Baumaufbau(Lesebaum& baum, std::size_t groesse) : baum_(baum) {
    baum_.texte_.reserve(groesse / 4);
}

bool Baumaufbau::Oeffne(std::string_view name, long zeile, std::size_t verschiedeneNamen,
                        std::size_t attribute) {
    Knoten* eltern = offen_.empty() ? nullptr : offen_.back();
    if (++elemente_ > MaxElemente || name.size() > MaxNamenslaenge || offen_.size() >= MaxTiefe ||
        (eltern && eltern->kinder >= MaxKinderJeElement) ||
        verschiedeneNamen > MaxVerschiedeneNamen || attribute > MaxAttributeJeElement) {
        grenze_ = Lesestelle{Lesegrund::Grenze, std::string(name.substr(0, 64)), zeile};
        return false;
    }
    Knoten& k = baum_.knoten_.emplace_back();
    k.name = name;
    k.baum = &baum_;
    k.zeile = zeile;
    k.textAnfang = baum_.texte_.size();
    if (eltern) {
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
    return true;
}

void Baumaufbau::Attribut(std::string_view name, std::string wert) {
    if (!offen_.empty()) {
        offen_.back()->attribute.emplace_back(name, std::move(wert));
    }
}

void Baumaufbau::Text(std::string_view teil) {
    if (offen_.empty()) {
        return;
    }
    // The text of an element stays in one piece of the store: text that continues after a
    // child moves to the end first.
    Knoten& k = *offen_.back();
    std::string& texte = baum_.texte_;
    if (k.textAnfang + k.textLaenge != texte.size()) {
        const std::size_t anfang = texte.size();
        texte.append(texte, k.textAnfang, k.textLaenge);
        k.textAnfang = anfang;
    }
    texte.append(teil);
    k.textLaenge += teil.size();
}

void Baumaufbau::Schliesse() {
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

} // namespace vsk::xml
