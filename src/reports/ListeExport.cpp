#include "reports/ListeExport.h"

#include "model/Modell.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"

#include <algorithm>
#include <sstream>

namespace vsk {

namespace {

const std::string kS80(80, ' ');
const std::string kD80(80, '-');
const std::string kEinzug(19, ' '); // continuation lines start in column 20

// A line as characters (UTF-8 sequences), so that positions count characters, not bytes.
std::vector<std::string> Zeichen(const std::string& text) {
    std::vector<std::string> zeichen;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0xF0) {
            n = 4;
        } else if (c >= 0xE0) {
            n = 3;
        } else if (c >= 0xC0) {
            n = 2;
        }
        n = std::min(n, text.size() - i);
        zeichen.push_back(text.substr(i, n));
        i += n;
    }
    return zeichen;
}

std::size_t Laenge(const std::string& text) {
    return Zeichen(text).size();
}

// Inserts text before the character at position pos (from 1); a position before the
// start inserts at the start, one beyond the end appends.
std::string Einfuegen(const std::string& zeile, const std::string& text, long long pos) {
    std::vector<std::string> z = Zeichen(zeile);
    long long index = std::clamp<long long>(pos, 1, static_cast<long long>(z.size()) + 1) - 1;
    std::string ergebnis;
    for (long long i = 0; i < index; ++i) {
        ergebnis += z[static_cast<std::size_t>(i)];
    }
    ergebnis += text;
    for (std::size_t i = static_cast<std::size_t>(index); i < z.size(); ++i) {
        ergebnis += z[i];
    }
    return ergebnis;
}

std::string OhneEndLeerzeichen(std::string s) {
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') {
        s.pop_back();
    }
    return s;
}

// text ends in column `ende` of a blank line; trailing blanks removed.
std::string Rechtsbuendig(const std::string& text, int ende) {
    return Einfuegen(kS80, text, ende + 1 - static_cast<long long>(Laenge(text)));
}

std::string Text(const TKStueckliste::Eintrag& e, std::size_t i) {
    return i < e.size() ? e[i] : std::string();
}

std::string Mengenzeile(const std::string& menge, const std::string& typ) {
    return OhneEndLeerzeichen(Rechtsbuendig(menge, 15)) + "    " + text("ListeExport", "Type: ") +
           typ;
}

} // namespace

std::vector<std::string> ListeTextZeilen(const TKProjektdaten& projekt, const TKStueckliste& liste,
                                         const std::string& heute) {
    std::vector<std::string> z;
    z.push_back(text("ListeExport", "Tervo - VSK / VSKQ Shear Connector"));
    z.push_back(text("ListeExport", "Connector Schedule"));
    z.push_back(kS80);
    const auto& firma = projekt.TFirma;
    z.push_back(text("ListeExport", "Company: ") + (firma.empty() ? std::string() : firma[0]));
    for (std::size_t i = 1; i < firma.size() && i < 3; ++i) {
        z.push_back(std::string(14, ' ') + firma[i]);
    }
    z.push_back(text("ListeExport", "Project:  ") + projekt.TBauvorhaben);
    z.push_back(text("ListeExport", "Printed from: ") + heute);
    z.push_back(kS80);
    for (const auto& bemerkung : liste.TBemerkung) {
        z.push_back(bemerkung);
    }
    z.push_back(kS80);
    z.push_back(kD80);
    std::string kopf = text("ListeExport", "Mat.-Pos quantity denomination");
    z.push_back(kopf + std::string(80 - std::min<std::size_t>(80, Laenge(kopf)), ' '));
    z.push_back(kD80);

    int n = 0;
    for (int k = 1; k <= liste.EintragCount(); ++k) {
        if (!liste.IstAktiv(k)) {
            continue;
        }
        const auto& e = liste.GetEintrag(k);
        ++n;
        z.push_back(OhneEndLeerzeichen(
            Einfuegen(Rechtsbuendig(std::to_string(n), 5),
                      text("ListeExport",
                           "Shear connectors to transverse force transmission in inexpansion joint "
                           "supply and"),
                      20)));
        z.push_back(kEinzug + text("ListeExport", "construct according to the specification in the "
                                                  "plan of the wing unit."));
        z.push_back(kS80);
        z.push_back(kEinzug + text("ListeExport", "max. design resistance FRd: ") +
                    Text(e, StuecklisteSpalte::FRd) + text("ListeExport", " kN"));
        z.push_back(kEinzug + text("ListeExport", "Material: stainless steel 1.4462"));
        z.push_back("");
        z.push_back(kS80);
        z.push_back(kEinzug + text("ListeExport", "Position(s): ") +
                    Text(e, StuecklisteSpalte::Position));
        z.push_back(kS80);
        z.push_back(
            kEinzug +
            text("ListeExport", "Double shear connector consisting of dowel element and sleeve"));
        const std::string summe = Text(e, StuecklisteSpalte::SummeDorne);
        z.push_back(Mengenzeile(summe, Text(e, StuecklisteSpalte::Bezeichnung)));
        const std::string brandschutz = Text(e, StuecklisteSpalte::Brandschutz);
        if (!brandschutz.empty()) {
            z.push_back(kEinzug + text("ListeExport", "and fire protection sleeve"));
            z.push_back(Mengenzeile(summe, brandschutz));
        }
        z.push_back(kD80);
    }
    return z;
}

void SchreibeZeilen(std::ostream& aus, const std::vector<std::string>& zeilen) {
    for (const auto& zeile : zeilen) {
        aus << zeile << "\r\n";
    }
}

bool ListeExportieren(const TKModell& modell, const std::filesystem::path& pfad,
                      Plattform& plattform) {
    std::ostringstream text;
    SchreibeZeilen(text, ListeTextZeilen(modell.Projektbeschreibung, modell.Stueckliste,
                                         plattform.HeuteText()));
    if (!SchreibeDatei(pfad, text.view())) {
        plattform.Meldung(ListeExportFehlerText());
        return false;
    }
    return true;
}

std::string ListeExportFehlerText() {
    return vsk::text("ListeExport", "the connector schedule could not be exported - "
                                    "Please check the writing access on the data carrier.");
}

} // namespace vsk
