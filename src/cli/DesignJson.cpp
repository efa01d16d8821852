#include "cli/DesignJson.h"

#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "model/Texttabellen.h"

namespace vsk::cli {

namespace {

nlohmann::ordered_json Codes(const TKMeldungen& meldungen) {
    nlohmann::ordered_json liste = nlohmann::ordered_json::array();
    for (std::uint16_t code : meldungen.Codes()) {
        liste.push_back(code);
    }
    return liste;
}

// The texts of the codes in the current language.
template <std::size_t N>
nlohmann::ordered_json Texte(const TKMeldungen& meldungen,
                             const std::array<std::string, N>& tabelle) {
    nlohmann::ordered_json liste = nlohmann::ordered_json::array();
    for (std::uint16_t code : meldungen.Codes()) {
        liste.push_back(Tabellentext(tabelle, code));
    }
    return liste;
}

nlohmann::ordered_json TypJson(const TKErgebnisse& ergs, int i) {
    const TKDornErgebnis& e = ergs.DornErgebnis(i);
    const TKDornDaten& d = ergs.DornDaten(i);
    nlohmann::ordered_json t = nlohmann::ordered_json::object();
    // The names are distinct: appending skips the search for an existing one.
    auto& felder = t.get_ref<nlohmann::ordered_json::object_t&>();
    felder.reserve(40);
    const auto feld = [&felder](const char* name, auto&& wert) {
        felder.emplace_back(name, std::forward<decltype(wert)>(wert));
    };
    feld("index", i);
    feld("name", DornName(i));
    feld("TAnzDorn", ergs.TAnzDorn(i));
    feld("TStatus", e.TStatus);
    feld("Fehler", Codes(e.Fehler));
    feld("Warnungen", Codes(e.Warnungen));
    const TKTexttabellen& texte = Texttabellen();
    feld("TStatusText", Tabellentext(texte.StatusLang, e.TStatus));
    feld("FehlerTexte", Texte(e.Fehler, texte.StatusLang));
    feld("WarnungenTexte", Texte(e.Warnungen, texte.Warnungstexte));
    feld("TDornAbstand", e.Abstaende());
    feld("TAbstandLinks", e.TAbstandLinks);
    feld("TAbstandRechts", e.TAbstandRechts);
    feld("TIstMinAchs", e.TIstMinAchs);
    feld("TZulMinAchs", e.TZulMinAchs);
    feld("TZulMinRand", e.TZulMinRand);
    feld("TFRdStahl", e.TFRdStahl());
    feld("TFRdBeton", e.TFRdBeton());
    feld("TFRdBewehrung", e.TFRdBewehrung());
    feld("TFRd", e.TFRd());
    feld("TFSdIst", e.TFSdIst);
    feld("TEtaQ", e.TEtaQ);
    feld("TAsxErf", e.TAsxErf);
    feld("TAsyErf", e.TAsyErf);
    feld("TAsxIst", e.TAsxIst);
    feld("TAsyIst", e.TAsyIst);
    feld("Tbx", e.Tbx);
    feld("Tby", e.Tby);
    feld("TStatusd", e.TStatusd);
    feld("TAbstandMeldung", e.TAbstandMeldung);
    feld("AnzB", d.AnzB);
    feld("AnzD", d.AnzD);
    feld("AbstandB", d.AbstandB);
    feld("AbstandD", d.AbstandD);
    feld("BreiteBuegel", d.BreiteBuegel);
    feld("LaengeB", d.LaengeB);
    return t;
}

} // namespace

nlohmann::ordered_json PositionJson(int nummer, const TKAnwendung& anwendung, bool berechnet,
                                    const std::vector<std::string>& hinweise) {
    nlohmann::ordered_json p;
    p["number"] = nummer;
    p["TPosition"] = anwendung.TPosition;
    p["calculated"] = berechnet;
    p["hints"] = hinweise;
    p["TAktDorn"] = anwendung.cErgebnisse.TAktDorn;
    p["types"] = nlohmann::ordered_json::array();
    if (berechnet) {
        for (int i = 0; i < AnzDornTypen; ++i) {
            p["types"].push_back(TypJson(anwendung.cErgebnisse, i));
        }
    }
    return p;
}

DesignJsonAusgabe::DesignJsonAusgabe(std::ostream& aus, const std::string& datei) : aus_(aus) {
    aus_ << "{\n \"file\": " << nlohmann::ordered_json(datei).dump() << ",\n \"positions\": [";
}

void DesignJsonAusgabe::Position(const nlohmann::ordered_json& position) {
    // Inside the list the position stands two levels deep; a line break in the dump is
    // always layout (breaks in strings are escaped).
    constexpr std::string_view einzug = "\n  ";
    std::string text(einzug);
    for (const char c : position.dump(1)) {
        if (c == '\n') {
            text += einzug;
        } else {
            text += c;
        }
    }
    aus_ << (erste_ ? "" : ",") << text;
    erste_ = false;
}

void DesignJsonAusgabe::Ende() {
    aus_ << (erste_ ? "]\n}\n" : "\n ]\n}\n");
}

} // namespace vsk::cli
