#include "model/ProjektJson.h"

#include "katalog/Katalog.h"
#include "model/Eingaben.h"
#include "model/Modell.h"
#include "model/ProjektLesen.h"
#include "model/Punkttext.h"
#include "shell/Texte.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace vsk {

namespace {

using Json = nlohmann::ordered_json;

// Far beyond any name or company line, far below what the project file's reader takes in
// one element.
constexpr std::size_t MaxTextBytes = 100'000;
constexpr int AnzMaxDornabstaende = 2;
constexpr int AnzBewehrungCalc = 2;

struct Geometrieschluessel {
    const char* name;
    Geometriefeld feld;
};
// In the order of the input panel.
constexpr std::array<Geometrieschluessel, 9> Geometrieschluessel_{{
    {"TWandDicke", Geometriefeld::Wanddicke},
    {"TPlatteDicke", Geometriefeld::Plattendicke},
    {"TBetondeckungOben", Geometriefeld::DeckungOben},
    {"TBetondeckungUnten", Geometriefeld::DeckungUnten},
    {"TNutzhoehe", Geometriefeld::Nutzhoehe},
    {"TBauteilRandRechts", Geometriefeld::RandRechts},
    {"TBauteilRandLinks", Geometriefeld::RandLinks},
    {"TBetondeckungVorn", Geometriefeld::DeckungVorn},
    {"TFugenlaenge", Geometriefeld::Fugenlaenge},
}};

struct Lastschluessel {
    const char* name;
    Lastseite seite;
};
constexpr std::array<Lastschluessel, 3> Lastschluessel_{{
    {"cPunktlast", Lastseite::Punkt},
    {"cLinienLastLinks", Lastseite::Links},
    {"cLinienLastRechts", Lastseite::Rechts},
}};

struct Wertschluessel {
    const char* name;
    Lastwert wert;
};
constexpr std::array<Wertschluessel, 5> Wertschluessel_{{
    {"TGk", Lastwert::Gk},
    {"Tgg", Lastwert::Gg},
    {"TQk", Lastwert::Qk},
    {"Tgq", Lastwert::Gq},
    {"TF1", Lastwert::F1},
}};

// Whole numbers as integers ("450", not "450.0").
Json Zahl(double wert) {
    constexpr double GanzBis = 1e15;
    if (std::isfinite(wert) && std::trunc(wert) == wert && std::fabs(wert) < GanzBis) {
        return static_cast<std::int64_t>(wert);
    }
    return wert;
}

// ---- Writing

Json LastJson(const TKLast& last) {
    Json j = Json::object();
    for (const Wertschluessel& w : Wertschluessel_) {
        j[w.name] = Zahl(LeseLastwert(last, w.wert));
    }
    return j;
}

Json GeometrieJson(TKGeometrie geometrie) {
    Json j = Json::object();
    j["TFugenbreite"] = geometrie.TFugenbreite;
    for (const Geometrieschluessel& s : Geometrieschluessel_) {
        const double wert = Geometriewert(geometrie, s.feld);
        const Feldvorgabe& vorgabe = Vorgabe(s.feld);
        // What a field left empty stores, though below the field's bounds.
        const bool leer = wert == vorgabe.leerwert && PruefeWert(wert, vorgabe.grenzen);
        j[s.name] = leer ? Json(nullptr) : Zahl(wert);
    }
    return j;
}

Json BelastungJson(const TKBelastung& b) {
    Json j = Json::object();
    j["TBelastungsfall"] = b.TBelastungsfall;
    j["TLinienLast"] = b.TLinienLast;
    Json punkte = Json::array();
    for (const TPunkt& p : b.Punkte()) {
        punkte.push_back(Json::array({Zahl(p.x), Zahl(p.y)}));
    }
    j["points"] = std::move(punkte);
    for (const Lastschluessel& l : Lastschluessel_) {
        j[l.name] = LastJson(Last(b, l.seite));
    }
    return j;
}

Json PositionJson(const TKAnwendung& a) {
    Json j = Json::object();
    j["TPosition"] = a.TPosition;
    j["TAnwendungsfall"] = a.TAnwendungsfall;
    j["TBewehrungCalc"] = a.TBewehrungCalc;
    j["TMaxDornabstand"] = a.TMaxDornabstand;
    j["TBetonguete"] = a.TBetonguete;
    j["TStahlguete"] = a.TStahlguete;
    j["TGammaMs"] = Zahl(a.TGammaMs);
    j["cGeometrie"] = GeometrieJson(a.cGeometrie);
    j["cBelastungDesign"] = BelastungJson(a.cBelastungDesign);
    return j;
}

// "[\n      0,\n      58\n    ]" -> "[0, 58]": one point a line. Texts hold no line breaks
// (they are escaped), so a bracket followed by one opens an array.
std::string PunkteJeZeile(const std::string& text) {
    const auto leer = [&](std::size_t i) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n')) {
            ++i;
        }
        return i;
    };
    const auto zahl = [&](std::size_t i) {
        while (i < text.size() &&
               std::string_view("0123456789+-.eE").find(text[i]) != std::string_view::npos) {
            ++i;
        }
        return i;
    };
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[' && i + 1 < text.size() && text[i + 1] == '\n') {
            const std::size_t a = leer(i + 1);
            const std::size_t aEnde = zahl(a);
            if (aEnde > a && aEnde < text.size() && text[aEnde] == ',') {
                const std::size_t b = leer(aEnde + 1);
                const std::size_t bEnde = zahl(b);
                const std::size_t zu = leer(bEnde);
                if (bEnde > b && zu < text.size() && text[zu] == ']') {
                    aus += '[';
                    aus.append(text, a, aEnde - a);
                    aus += ", ";
                    aus.append(text, b, bEnde - b);
                    aus += ']';
                    i = zu;
                    continue;
                }
            }
        }
        aus += text[i];
    }
    return aus;
}

// ---- Reading

struct Abbruch {
    Jsonfehler fehler;
};

std::string MitZahl(const std::string& muster, std::size_t zahl) {
    return ErsetzeProzentS(muster, std::to_string(zahl));
}

class Leser {
public:
    explicit Leser(TKModell& modell) : modell_(modell) {}

    void Projekt(const Json& d) {
        Gruppe(d, "", {"$schema", "Projektbeschreibung", "Stueckliste", "positions"});
        TKProjektdaten& pd = modell_.Projektbeschreibung;
        pd = TKProjektdaten();
        if (const Json* p = Wert(d, "Projektbeschreibung")) {
            Gruppe(*p, "Projektbeschreibung", {"TBauvorhaben", "TFirma", "TBearbeiter", "TDatum"});
            const std::string pfad = "Projektbeschreibung/";
            pd.TBauvorhaben = Text(*p, "TBauvorhaben", pfad).value_or(pd.TBauvorhaben);
            pd.TFirma = Zeilen(*p, "TFirma", pfad).value_or(pd.TFirma);
            pd.TBearbeiter = Text(*p, "TBearbeiter", pfad).value_or(pd.TBearbeiter);
            pd.TDatum = Text(*p, "TDatum", pfad).value_or(pd.TDatum);
        }
        if (const Json* s = Wert(d, "Stueckliste")) {
            Gruppe(*s, "Stueckliste", {"TBemerkung"});
            modell_.Stueckliste.TBemerkung =
                Zeilen(*s, "TBemerkung", "Stueckliste/").value_or(std::vector<std::string>{});
        }
        const Json* positionen = Wert(d, "positions");
        const Json keine = Json::array({Json::object()});
        if (positionen == nullptr) {
            positionen = &keine;
        }
        if (!positionen->is_array() || positionen->empty() ||
            positionen->size() > static_cast<std::size_t>(MaxAnzAnwendung)) {
            Fehler("positions",
                   MitZahl(text("ProjektJson", "A list of 1 to %s positions is expected."),
                           static_cast<std::size_t>(MaxAnzAnwendung)));
        }
        modell_.SetAnzAnwendung(static_cast<int>(positionen->size()));
        modell_.TAktAnwendung = 1;
        for (std::size_t k = 0; k < positionen->size(); ++k) {
            position_ = static_cast<int>(k + 1);
            Position((*positionen)[k], modell_.Anwendung(position_));
        }
    }

private:
    [[noreturn]] void Fehler(std::string schluessel, std::string grund) const {
        throw Abbruch{{position_, std::move(schluessel), std::move(grund)}};
    }

    static const Json* Wert(const Json& gruppe, const char* name) {
        const auto it = gruppe.find(name);
        return it == gruppe.end() ? nullptr : &*it;
    }

    // name: the group with the groups around it, empty for the document.
    void Gruppe(const Json& g, const std::string& name,
                const std::vector<std::string_view>& erlaubt) const {
        if (!g.is_object()) {
            Fehler(name, text("ProjektJson", "A group of keys {...} is expected."));
        }
        for (const auto& [schluessel, wert] : g.items()) {
            if (std::find(erlaubt.begin(), erlaubt.end(), schluessel) == erlaubt.end()) {
                Fehler(name.empty() ? schluessel : name + "/" + schluessel,
                       text("ProjektJson", "Unknown key."));
            }
        }
    }

    std::string PruefterText(const Json& w, const std::string& schluessel) const {
        if (!w.is_string()) {
            Fehler(schluessel, text("ProjektJson", "A text is expected."));
        }
        const std::string& s = w.get_ref<const std::string&>();
        if (s.size() > MaxTextBytes) {
            Fehler(schluessel,
                   MitZahl(text("ProjektJson", "A text holds at most %s bytes."), MaxTextBytes));
        }
        // The project file cannot hold them.
        if (std::any_of(s.begin(), s.end(), [](unsigned char c) {
                return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
            })) {
            Fehler(schluessel, text("ProjektJson", "Control characters are not allowed in texts."));
        }
        return s;
    }

    std::optional<std::string> Text(const Json& g, const char* name,
                                    const std::string& pfad) const {
        const Json* w = Wert(g, name);
        if (w == nullptr) {
            return std::nullopt;
        }
        return PruefterText(*w, pfad + name);
    }

    std::optional<std::vector<std::string>> Zeilen(const Json& g, const char* name,
                                                   const std::string& pfad) const {
        const Json* w = Wert(g, name);
        if (w == nullptr) {
            return std::nullopt;
        }
        const std::string schluessel = pfad + name;
        if (!w->is_array()) {
            Fehler(schluessel, text("ProjektJson", "A list of texts is expected."));
        }
        if (w->size() > MaxTextzeilen) {
            Fehler(schluessel,
                   MitZahl(text("ProjektJson", "A list holds at most %s entries."), MaxTextzeilen));
        }
        std::vector<std::string> zeilen;
        for (const Json& zeile : *w) {
            zeilen.push_back(PruefterText(zeile, schluessel));
        }
        return zeilen;
    }

    double PruefteZahl(const Json& w, const std::string& schluessel) const {
        const double wert = w.is_number() ? w.get<double>() : 0.0;
        if (!w.is_number() || !std::isfinite(wert)) {
            Fehler(schluessel, text("ProjektJson", "A number is expected."));
        }
        return wert;
    }

    std::optional<double> Zahl(const Json& g, const char* name, const std::string& pfad) const {
        const Json* w = Wert(g, name);
        if (w == nullptr) {
            return std::nullopt;
        }
        return PruefteZahl(*w, pfad + name);
    }

    // An index into a table of anzahl entries.
    std::optional<std::uint8_t> Auswahl(const Json& g, const char* name, const std::string& pfad,
                                        int anzahl) const {
        const std::optional<double> wert = Zahl(g, name, pfad);
        if (!wert) {
            return std::nullopt;
        }
        if (std::trunc(*wert) != *wert || *wert < 0 || *wert >= anzahl) {
            Fehler(pfad + name,
                   MitZahl(text("ProjektJson", "A whole number from 0 to %s is expected."),
                           static_cast<std::size_t>(anzahl - 1)));
        }
        return static_cast<std::uint8_t>(*wert);
    }

    void Pruefe(const std::string& schluessel, const Eingabeergebnis& e) const {
        if (e.meldung) {
            Fehler(schluessel, *e.meldung);
        }
    }

    void Position(const Json& p, TKAnwendung& a) const {
        Gruppe(p, "",
               {"TPosition", "TAnwendungsfall", "TBewehrungCalc", "TMaxDornabstand", "TBetonguete",
                "TStahlguete", "TGammaMs", "cGeometrie", "cBelastungDesign"});
        if (const auto name = Text(p, "TPosition", "")) {
            BenennePosition(a, *name);
        }
        // The case first: it decides the component edges and the load case.
        WaehleAnwendungsfall(
            a,
            Auswahl(p, "TAnwendungsfall", "", Anwendungsfall::Anzahl).value_or(a.TAnwendungsfall));
        if (const auto i = Auswahl(p, "TBewehrungCalc", "", AnzBewehrungCalc)) {
            WaehleAuswahl(a, Auswahl::BewehrungCalc, *i);
        }
        if (const auto i = Auswahl(p, "TBetonguete", "", AnzBetongueten)) {
            WaehleAuswahl(a, Auswahl::Betonguete, *i);
        }
        SetzeBemessungseinstellungen(
            a, Auswahl(p, "TMaxDornabstand", "", AnzMaxDornabstaende).value_or(a.TMaxDornabstand),
            Zahl(p, "TGammaMs", "").value_or(a.TGammaMs),
            Auswahl(p, "TStahlguete", "", AnzStahlgueten).value_or(a.TStahlguete));
        const Json leer = Json::object();
        const Json* g = Wert(p, "cGeometrie");
        Geometrie(g != nullptr ? *g : leer, a);
        const Json* b = Wert(p, "cBelastungDesign");
        Belastung(b != nullptr ? *b : leer, a);
    }

    void Geometrie(const Json& g, TKAnwendung& a) const {
        const std::string pfad = "cGeometrie/";
        std::vector<std::string_view> erlaubt{"TFugenbreite"};
        for (const Geometrieschluessel& s : Geometrieschluessel_) {
            erlaubt.push_back(s.name);
        }
        Gruppe(g, "cGeometrie", erlaubt);
        if (const auto i = Auswahl(g, "TFugenbreite", pfad, AnzFugenbreiten)) {
            WaehleAuswahl(a, Auswahl::Fugenbreite, *i);
        }
        const auto eingeben = [&](const Geometrieschluessel& s) {
            const Json* w = Wert(g, s.name);
            const std::string schluessel = pfad + s.name;
            if (w == nullptr) {
                // The loading spans the effective joint length, as after leaving the field.
                if (s.feld == Geometriefeld::Fugenlaenge) {
                    a.cBelastungDesign.SetLastLaenge(a.cGeometrie.WirksameFugenlaenge());
                }
            } else if (w->is_null()) {
                Pruefe(schluessel, GeometrieEingeben(a, s.feld, "", '.'));
            } else {
                Pruefe(schluessel, GeometrieWertEingeben(a, s.feld, PruefteZahl(*w, schluessel)));
            }
        };
        // The effective depth last: a given one wins over the one the slab thickness derives.
        for (const Geometrieschluessel& s : Geometrieschluessel_) {
            if (s.feld != Geometriefeld::Nutzhoehe) {
                eingeben(s);
            }
        }
        eingeben(Geometrieschluessel_[static_cast<std::size_t>(Geometriefeld::Nutzhoehe)]);
    }

    void Lasten(const Json& b, TKAnwendung& a) const {
        for (const Lastschluessel& l : Lastschluessel_) {
            const Json* last = Wert(b, l.name);
            if (last == nullptr) {
                continue;
            }
            const std::string gruppe = std::string("cBelastungDesign/") + l.name;
            Gruppe(*last, gruppe, {"TGk", "Tgg", "TQk", "Tgq", "TF1"});
            for (const Wertschluessel& w : Wertschluessel_) {
                if (const auto v = Zahl(*last, w.name, gruppe + "/")) {
                    Pruefe(gruppe + "/" + w.name, LastWertEingeben(a, l.seite, w.wert, *v));
                }
            }
        }
    }

    std::optional<std::vector<TPunkt>> Punkte(const Json& b, const TKAnwendung& a,
                                              std::uint8_t fall) const {
        const Json* w = Wert(b, "points");
        if (w == nullptr) {
            return std::nullopt;
        }
        const std::string schluessel = "cBelastungDesign/points";
        if (!w->is_array()) {
            Fehler(schluessel, text("ProjektJson", "A list of points [x, q] is expected."));
        }
        if (w->size() > MaxLastpunkte) {
            Fehler(schluessel,
                   MitZahl(text("ProjektJson", "A list holds at most %s entries."), MaxLastpunkte));
        }
        // The points of another load case stay as the window keeps them, beyond a joint
        // that has since become shorter.
        const double bis = fall == Belastungsfall::Beliebig ? a.cGeometrie.WirksameFugenlaenge()
                                                            : std::numeric_limits<double>::max();
        std::vector<TPunkt> punkte;
        for (std::size_t i = 0; i < w->size(); ++i) {
            const Json& p = (*w)[i];
            const std::string stelle = schluessel + "/" + std::to_string(i);
            if (!p.is_array() || p.size() != 2) {
                Fehler(stelle, text("ProjektJson", "A list of points [x, q] is expected."));
            }
            const TPunkt punkt{PruefteZahl(p[0], stelle), PruefteZahl(p[1], stelle)};
            if (auto grund = PruefePunkt(punkt, bis)) {
                Fehler(stelle, std::move(*grund));
            }
            punkte.push_back(punkt);
        }
        return punkte;
    }

    void Belastung(const Json& b, TKAnwendung& a) const {
        const std::string pfad = "cBelastungDesign/";
        Gruppe(b, "cBelastungDesign",
               {"TBelastungsfall", "TLinienLast", "points", "cPunktlast", "cLinienLastLinks",
                "cLinienLastRechts"});
        TKBelastung& last = a.cBelastungDesign;
        const std::uint8_t fall = Auswahl(b, "TBelastungsfall", pfad, Belastungsfall::Anzahl)
                                      .value_or(last.TBelastungsfall);
        // The single connector carries the point load, a row never does.
        if ((a.TAnwendungsfall == Anwendungsfall::Einzeldorn) !=
            (fall == Belastungsfall::Punktlast)) {
            Fehler(pfad + "TBelastungsfall",
                   text("ProjektJson", "The load case does not fit the application case."));
        }
        // Choosing a line load makes its ends pure design values: before the given loads.
        WaehleLastfall(a, fall);
        Lasten(b, a);
        const std::optional<std::vector<TPunkt>> punkte = Punkte(b, a, fall);
        if (punkte) {
            SetzeLastpunkte(last, *punkte);
            // Given points give the ends of the arbitrary load, unless the ends are given.
            if (fall == Belastungsfall::Beliebig) {
                BeliebigeLastUebernehmen(last);
                Lasten(b, a);
            }
        } else if (fall == Belastungsfall::Beliebig) {
            // Without points the first and last point take the ends.
            WaehleLastfall(a, fall);
        }
        if (const auto form = Auswahl(b, "TLinienLast", pfad, Linienlastform::Anzahl)) {
            last.TLinienLast = *form;
        }
    }

    TKModell& modell_;
    int position_ = 0;
};

// Line and column (from 1) of a byte offset.
std::pair<std::size_t, std::size_t> Stelle(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::string_view davor = text.substr(0, offset);
    const std::size_t zeile =
        1 + static_cast<std::size_t>(std::count(davor.begin(), davor.end(), '\n'));
    const std::size_t umbruch = davor.rfind('\n');
    const std::size_t spalte = umbruch == std::string_view::npos ? offset + 1 : offset - umbruch;
    return {zeile, spalte};
}

struct DoppelterSchluessel {
    std::string name;
};

// The parser keeps the last of equal keys of an object: refused instead.
Json::parser_callback_t DoppelteSchluesselPruefer() {
    auto offen = std::make_shared<std::vector<std::set<std::string>>>();
    return [offen](int /*tiefe*/, Json::parse_event_t ereignis, Json& wert) {
        using Ereignis = Json::parse_event_t;
        if (ereignis == Ereignis::object_start) {
            offen->emplace_back();
        } else if (ereignis == Ereignis::object_end && !offen->empty()) {
            offen->pop_back();
        } else if (ereignis == Ereignis::key && !offen->empty() &&
                   !offen->back().insert(wert.get<std::string>()).second) {
            throw DoppelterSchluessel{wert.get<std::string>()};
        }
        return true;
    };
}

} // namespace

std::string ProjektAlsJson(const TKModell& modell, std::optional<int> nur) {
    Json d = Json::object();
    const TKProjektdaten& p = modell.Projektbeschreibung;
    d["Projektbeschreibung"] = {{"TBauvorhaben", p.TBauvorhaben},
                                {"TFirma", p.TFirma},
                                {"TBearbeiter", p.TBearbeiter},
                                {"TDatum", p.TDatum}};
    d["Stueckliste"] = {{"TBemerkung", modell.Stueckliste.TBemerkung}};
    Json positionen = Json::array();
    for (int k = nur.value_or(1); k <= nur.value_or(modell.TAnzAnwendung()); ++k) {
        positionen.push_back(PositionJson(modell.Anwendung(k)));
    }
    d["positions"] = std::move(positionen);
    // Texts from old files need not be UTF-8: replaced rather than refused.
    return PunkteJeZeile(d.dump(2, ' ', false, Json::error_handler_t::replace)) + "\n";
}

std::optional<Jsonfehler> LeseProjektJson(TKModell& modell, std::string_view dokument) {
    // A failure of the document itself, at its line and column.
    const auto fehlerBei = [&](std::size_t offset, const std::string& muster) {
        const auto [zeile, spalte] = Stelle(dokument, offset);
        return Jsonfehler{
            0, {}, ErsetzeProzentS(muster, {std::to_string(zeile), std::to_string(spalte)})};
    };
    // The parser ends a document at a NUL byte; what follows it would pass unseen.
    if (const std::size_t nul = dokument.find('\0'); nul != std::string_view::npos) {
        return fehlerBei(nul,
                         text("ProjektJson", "The document is not JSON (line %s, column %s)."));
    }
    Json d;
    try {
        d = Json::parse(dokument, DoppelteSchluesselPruefer());
    } catch (const Json::parse_error& e) {
        return fehlerBei(e.byte > 0 ? e.byte - 1 : 0,
                         text("ProjektJson", "The document is not JSON (line %s, column %s)."));
    } catch (const Json::out_of_range& e) {
        // A number beyond the range of a double; the parser names it, not its place.
        const std::string meldung = e.what();
        const std::size_t auf = meldung.find('\'');
        const std::size_t zu = meldung.rfind('\'');
        const std::size_t offset =
            auf < zu ? dokument.find(meldung.substr(auf + 1, zu - auf - 1)) : 0;
        return fehlerBei(offset == std::string_view::npos ? 0 : offset,
                         text("ProjektJson", "The number in line %s, column %s is out of range."));
    } catch (const DoppelterSchluessel& doppelt) {
        // A typo must not pass silently, neither must a key given twice.
        return Jsonfehler{0, doppelt.name, text("ProjektJson", "The key is given twice.")};
    }
    try {
        Leser(modell).Projekt(d);
    } catch (const Abbruch& a) {
        return a.fehler;
    }
    return std::nullopt;
}

std::string JsonfehlerText(const Jsonfehler& f) {
    if (f.position > 0 && f.schluessel.empty()) {
        return ErsetzeProzentS(text("ProjektJson", "Position %s: "), std::to_string(f.position)) +
               f.grund;
    }
    if (f.position > 0) {
        return ErsetzeProzentS(ErsetzeProzentS(text("ProjektJson", "Position %s, key \"%s\": "),
                                               std::to_string(f.position)),
                               f.schluessel) +
               f.grund;
    }
    if (!f.schluessel.empty()) {
        return ErsetzeProzentS(text("ProjektJson", "Key \"%s\": "), f.schluessel) + f.grund;
    }
    return f.grund;
}

} // namespace vsk
