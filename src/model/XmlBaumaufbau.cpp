#include "model/XmlBaumaufbau.h"

#include "model/XmlGrenzen.h"

#include <algorithm>

namespace vsk::xml {

namespace {

bool NurLeerzeichen(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

constexpr std::size_t MaxNamenImPfad = 6;
constexpr std::size_t MaxZeichenJeName = 64;

} // namespace

// The groups around the element below the root, as the reader names a place: the last ones
// only when the file nests deeper than any project.
std::string Baumaufbau::PfadBis(std::string_view name) const {
    std::string pfad;
    const std::size_t erste =
        offen_.size() > MaxNamenImPfad ? offen_.size() - MaxNamenImPfad + 1 : 1;
    if (erste > 1) {
        pfad = ".../";
    }
    for (std::size_t i = erste; i < offen_.size(); ++i) {
        pfad.append(offen_[i].knoten->name.substr(0, MaxZeichenJeName)).append("/");
    }
    return pfad.append(name.substr(0, MaxZeichenJeName));
}

Baumaufbau::Baumaufbau(Lesebaum& baum, std::size_t groesse) : baum_(baum) {
    baum_.texte_.reserve(groesse / 4);
}

bool Baumaufbau::Oeffne(std::string_view name, long zeile, std::size_t verschiedeneNamen,
                        std::size_t attribute) {
    Knoten* eltern = offen_.empty() ? nullptr : offen_.back().knoten;
    if (++elemente_ > MaxElemente || name.size() > MaxNamenslaenge || offen_.size() >= MaxTiefe ||
        (eltern && eltern->kinder >= MaxKinderJeElement) ||
        verschiedeneNamen > MaxVerschiedeneNamen || attribute > MaxAttributeJeElement) {
        grenze_ = Lesestelle{Lesegrund::Grenze, PfadBis(name), zeile};
        return false;
    }
    Knoten& k = baum_.NeuerKnoten();
    k.name = name;
    k.baum = &baum_;
    k.zeile = zeile;
    k.textAnfang = baum_.texte_.size();
    if (eltern) {
        k.eltern = eltern;
        Knoten*& letztes = offen_.back().letztesKind;
        if (letztes) {
            letztes->naechstes = &k;
        } else {
            eltern->erstesKind = &k;
        }
        letztes = &k;
        ++eltern->kinder;
    }
    offen_.push_back({&k, nullptr, true, {}, {}});
    return true;
}

void Baumaufbau::Attribut(std::string_view name, std::string wert) {
    if (!offen_.empty()) {
        offen_.back().knoten->attribute.emplace_back(name, std::move(wert));
    }
}

void Baumaufbau::Text(std::string_view teil) {
    if (offen_.empty()) {
        return;
    }
    OffenesElement& offen = offen_.back();
    Knoten& k = *offen.knoten;
    const bool leer = NurLeerzeichen(teil);
    if (leer && offen.nurLeerzeichen && k.kinder > 0) {
        offen.leerNachKind.append(teil);
        return;
    }
    offen.nurLeerzeichen = offen.nurLeerzeichen && leer;
    std::string& texte = baum_.texte_;
    if (offen.nachKind.empty() && k.textAnfang + k.textLaenge == texte.size()) {
        texte.append(offen.leerNachKind);
        texte.append(teil);
        k.textLaenge += offen.leerNachKind.size() + teil.size();
    } else {
        offen.nachKind.append(offen.leerNachKind);
        offen.nachKind.append(teil);
    }
    offen.leerNachKind.clear();
}

void Baumaufbau::Schliesse() {
    if (offen_.empty()) {
        return;
    }
    OffenesElement& offen = offen_.back();
    Knoten& k = *offen.knoten;
    if (k.kinder > 0 && offen.nurLeerzeichen) {
        k.textLaenge = 0; // the layout between the children
    } else if (!offen.nachKind.empty()) {
        // The element's text in one piece of the store: its start moves to the end.
        std::string& texte = baum_.texte_;
        const std::size_t anfang = texte.size();
        texte.append(texte, k.textAnfang, k.textLaenge);
        texte.append(offen.nachKind);
        k.textAnfang = anfang;
        k.textLaenge += offen.nachKind.size();
    }
    offen_.pop_back();
}

} // namespace vsk::xml
