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
    nlohmann::ordered_json t;
    t["index"] = i;
    t["name"] = DornName(i);
    t["TAnzDorn"] = ergs.TAnzDorn(i);
    t["TStatus"] = e.TStatus;
    t["Fehler"] = Codes(e.Fehler);
    t["Warnungen"] = Codes(e.Warnungen);
    const TKTexttabellen& texte = Texttabellen();
    t["TStatusText"] = Tabellentext(texte.StatusLang, e.TStatus);
    t["FehlerTexte"] = Texte(e.Fehler, texte.StatusLang);
    t["WarnungenTexte"] = Texte(e.Warnungen, texte.Warnungstexte);
    t["TDornAbstand"] = e.Abstaende();
    t["TAbstandLinks"] = e.TAbstandLinks;
    t["TAbstandRechts"] = e.TAbstandRechts;
    t["TIstMinAchs"] = e.TIstMinAchs;
    t["TZulMinAchs"] = e.TZulMinAchs;
    t["TZulMinRand"] = e.TZulMinRand;
    t["TFRdStahl"] = e.TFRdStahl();
    t["TFRdBeton"] = e.TFRdBeton();
    t["TFRdBewehrung"] = e.TFRdBewehrung();
    t["TFRd"] = e.TFRd();
    t["TFSdIst"] = e.TFSdIst;
    t["TEtaQ"] = e.TEtaQ;
    t["TAsxErf"] = e.TAsxErf;
    t["TAsyErf"] = e.TAsyErf;
    t["TAsxIst"] = e.TAsxIst;
    t["TAsyIst"] = e.TAsyIst;
    t["Tbx"] = e.Tbx;
    t["Tby"] = e.Tby;
    t["TStatusd"] = e.TStatusd;
    t["TAbstandMeldung"] = e.TAbstandMeldung;
    t["AnzB"] = d.AnzB;
    t["AnzD"] = d.AnzD;
    t["AbstandB"] = d.AbstandB;
    t["AbstandD"] = d.AbstandD;
    t["BreiteBuegel"] = d.BreiteBuegel;
    t["LaengeB"] = d.LaengeB;
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

} // namespace vsk::cli
