#include "model/Bearbeitungsverlauf.h"

#include "model/Modell.h"

#include <algorithm>

namespace vsk {

namespace {

const std::string keinName;

bool Enthaelt(const Bearbeitungsumfang& aussen, const Bearbeitungsumfang& innen) {
    return innen.anzahl > 0 && aussen.anzahl > 0 && innen.ab >= aussen.ab &&
           innen.ab + innen.anzahl <= aussen.ab + aussen.anzahl;
}

} // namespace

Bearbeitungsverlauf::Bearbeitungsverlauf() : basis_(NeuerStand()), gespeichert_(basis_) {}

const std::string& Bearbeitungsverlauf::RueckgaengigName() const {
    return KannRueckgaengig() ? schritte_[index_ - 1].name : keinName;
}

const std::string& Bearbeitungsverlauf::WiederholenName() const {
    return KannWiederholen() ? schritte_[index_].name : keinName;
}

std::uint64_t Bearbeitungsverlauf::Stand() const {
    return index_ > 0 ? schritte_[index_ - 1].stand : basis_;
}

std::vector<const Projektausschnitt*> Bearbeitungsverlauf::Vorrat() const {
    std::vector<const Projektausschnitt*> vorrat;
    if (index_ > 0) {
        for (const Teil& t : schritte_[index_ - 1].teile) {
            vorrat.push_back(&t.nachher);
        }
    }
    return vorrat;
}

// ---------------------------------------------------------------- open steps

void Bearbeitungsverlauf::Oeffne(const TKModell& m, std::string name,
                                 const Bearbeitungsumfang& umfang, Art art, bool vorgemerkt) {
    Offen o;
    o.name = std::move(name);
    o.art = art;
    o.vorgemerkt = vorgemerkt;
    o.tiefe = vorgemerkt ? 0 : 1;
    o.anzahlVorher = m.TAnzAnwendung();
    offen_ = std::move(o);
    Erweitere(m, umfang);
}

bool Bearbeitungsverlauf::Umfasst(const Bearbeitungsumfang& umfang) const {
    bool positionen = umfang.anzahl == 0 && umfang.ab == 0;
    bool projektdaten = !umfang.projektdaten;
    bool stueckliste = !umfang.stueckliste;
    for (const Teil& t : offen_->teile) {
        positionen = positionen || Enthaelt(t.umfang, umfang) ||
                     (umfang.anzahl == 0 && t.umfang.ab == umfang.ab && t.umfang.anzahl == 0);
        projektdaten = projektdaten || t.umfang.projektdaten;
        stueckliste = stueckliste || t.umfang.stueckliste;
    }
    return positionen && projektdaten && stueckliste;
}

void Bearbeitungsverlauf::Erweitere(const TKModell& m, const Bearbeitungsumfang& umfang) {
    Offen& o = *offen_;
    const std::vector<const Projektausschnitt*> vorrat = Vorrat();
    auto neu = [&](const Bearbeitungsumfang& u) {
        o.teile.push_back({u, Erfasse(m, u, u.anzahl, vorrat), {}});
    };
    bool positionen = umfang.ab > 0;
    bool projektdaten = umfang.projektdaten;
    bool stueckliste = umfang.stueckliste;
    for (const Teil& t : o.teile) {
        positionen = positionen && !Enthaelt(t.umfang, umfang);
        projektdaten = projektdaten && !t.umfang.projektdaten;
        stueckliste = stueckliste && !t.umfang.stueckliste;
    }
    // Positions are added only while none was added or removed: the numbers still hold.
    if (positionen && m.TAnzAnwendung() == o.anzahlVorher) {
        neu({umfang.ab, umfang.anzahl, false, false});
    }
    if (projektdaten) {
        neu(Bearbeitungsumfang::Projektbeschreibung());
    }
    if (stueckliste) {
        neu(Bearbeitungsumfang::Liste());
    }
}

void Bearbeitungsverlauf::Beginne(const TKModell& m, std::string name,
                                  const Bearbeitungsumfang& umfang, Art art) {
    if (pausen_ > 0) {
        return;
    }
    if (offen_ && offen_->tiefe > 0) {
        ++offen_->tiefe;
        Erweitere(m, umfang);
        return;
    }
    if (offen_ && art == Art::Schritt && offen_->art == Art::Schritt && Umfasst(umfang)) {
        // Leaving the field that was typed in: the marked step becomes this edit.
        offen_->name = std::move(name);
        offen_->vorgemerkt = false;
        offen_->tiefe = 1;
        return;
    }
    Festschreiben(m);
    Oeffne(m, std::move(name), umfang, art, false);
}

void Bearbeitungsverlauf::Vormerken(const TKModell& m, std::string name,
                                    const Bearbeitungsumfang& umfang) {
    if (pausen_ > 0) {
        return;
    }
    if (offen_) {
        if (offen_->tiefe == 0 && !Umfasst(umfang)) {
            Festschreiben(m);
        } else {
            return;
        }
    }
    Oeffne(m, std::move(name), umfang, Art::Schritt, true);
}

void Bearbeitungsverlauf::Abschliessen(const TKModell& m) {
    if (pausen_ > 0 || !offen_ || offen_->tiefe == 0) {
        return;
    }
    if (--offen_->tiefe == 0) {
        Schliesse(m);
    }
}

void Bearbeitungsverlauf::Zurueckstellen() {
    if (pausen_ > 0 || !offen_ || offen_->tiefe == 0) {
        return;
    }
    if (--offen_->tiefe == 0) {
        offen_->vorgemerkt = true;
    }
}

void Bearbeitungsverlauf::Festschreiben(const TKModell& m) {
    if (!offen_) {
        return;
    }
    if (offen_->tiefe == 0) {
        Schliesse(m);
        return;
    }
    // An edit still running (a window that asks to save before it opens another project):
    // what it changed so far becomes a step, and the edit goes on as a step of its own, so
    // that what it changes afterwards is recorded too.
    const Offen laufend = *offen_;
    Schliesse(m);
    const int zuwachs = m.TAnzAnwendung() - laufend.anzahlVorher;
    for (std::size_t i = 0; i < laufend.teile.size(); ++i) {
        Bearbeitungsumfang umfang = laufend.teile[i].umfang;
        if (i == 0) {
            umfang.anzahl = std::max(0, umfang.anzahl + zuwachs);
            Oeffne(m, laufend.name, umfang, laufend.art, false);
        } else {
            Erweitere(m, umfang);
        }
    }
    if (offen_) {
        offen_->tiefe = laufend.tiefe;
    }
}

void Bearbeitungsverlauf::Schliesse(const TKModell& m) {
    Offen o = std::move(*offen_);
    offen_.reset();
    const int zuwachs = m.TAnzAnwendung() - o.anzahlVorher;
    std::vector<Teil> geaendert;
    for (std::size_t i = 0; i < o.teile.size(); ++i) {
        Teil& t = o.teile[i];
        // Only the edit's own run of positions may grow or shrink.
        const int nachher = t.umfang.anzahl + (i == 0 ? zuwachs : 0);
        if ((zuwachs != 0 && o.teile.size() > 1) || nachher < 0 ||
            (nachher > 0 && t.umfang.ab + nachher - 1 > m.TAnzAnwendung())) {
            Verwerfe();
            return;
        }
        t.nachher = Erfasse(m, t.umfang, nachher, {&t.vorher});
        if (!GleicherInhalt(t.vorher, t.nachher)) {
            geaendert.push_back(std::move(t));
        }
    }
    if (geaendert.empty()) {
        return;
    }
    if (o.art == Art::Nachtrag) {
        Falte(std::move(geaendert));
    } else {
        schritte_.resize(index_);
        schritte_.push_back({std::move(o.name), std::move(geaendert), NeuerStand()});
        if (schritte_.size() > MaxSchritte) {
            basis_ = schritte_.front().stand;
            schritte_.erase(schritte_.begin());
        }
        index_ = schritte_.size();
    }
    Melde();
}

void Bearbeitungsverlauf::Falte(std::vector<Teil> teile) {
    // The steps undone so far no longer start from this state.
    schritte_.resize(index_);
    if (index_ == 0) {
        basis_ = NeuerStand();
        return;
    }
    Schritt& s = schritte_[index_ - 1];
    for (Teil& t : teile) {
        Teil& letzter = s.teile.back();
        const int i = t.umfang.ab - letzter.nachher.ab;
        const bool eine = t.umfang.anzahl == 1 && t.nachher.positionen.size() == 1 &&
                          !t.umfang.projektdaten && !t.umfang.stueckliste;
        if (eine && i >= 0 && i < static_cast<int>(letzter.nachher.positionen.size())) {
            // The same position again: the step keeps one state after it.
            letzter.nachher.positionen[static_cast<std::size_t>(i)] = t.nachher.positionen[0];
            letzter.nachher.werte = t.nachher.werte;
        } else {
            s.teile.push_back(std::move(t));
        }
    }
    s.stand = NeuerStand();
}

void Bearbeitungsverlauf::Verwerfe() {
    schritte_.clear();
    index_ = 0;
    basis_ = NeuerStand();
    Melde();
}

// ---------------------------------------------------------------- undo and redo

bool Bearbeitungsverlauf::Rueckgaengig(TKModell& m) {
    Festschreiben(m);
    if (!KannRueckgaengig()) {
        return false;
    }
    const Schritt& s = schritte_[index_ - 1];
    for (auto t = s.teile.rbegin(); t != s.teile.rend(); ++t) {
        if (!Stelle(m, t->vorher, static_cast<int>(t->nachher.positionen.size()))) {
            Verwerfe();
            return false;
        }
    }
    --index_;
    Melde();
    return true;
}

bool Bearbeitungsverlauf::Wiederholen(TKModell& m) {
    Festschreiben(m);
    if (!KannWiederholen()) {
        return false;
    }
    for (const Teil& t : schritte_[index_].teile) {
        if (!Stelle(m, t.nachher, static_cast<int>(t.vorher.positionen.size()))) {
            Verwerfe();
            return false;
        }
    }
    ++index_;
    Melde();
    return true;
}

// ---------------------------------------------------------------- saved state

void Bearbeitungsverlauf::Leeren() {
    schritte_.clear();
    index_ = 0;
    offen_.reset();
    basis_ = NeuerStand();
    gespeichert_ = basis_;
    Melde();
}

void Bearbeitungsverlauf::Gespeichert(const TKModell& m) {
    Festschreiben(m);
    gespeichert_ = Stand();
    Melde();
}

void Bearbeitungsverlauf::Ungespeichert() {
    gespeichert_ = 0;
    Melde();
}

void Bearbeitungsverlauf::Melde() const {
    if (beobachter_) {
        beobachter_();
    }
}

} // namespace vsk
