#include "ifc/StepSchreiber.h"

#include "shell/Utf8.h"
#include "shell/Zahlen.h"

#include <cmath>
#include <cstdio>

namespace vsk {

namespace {

constexpr char32_t kErsatzzeichen = 0xFFFD;
constexpr char32_t kGroessterCodepunkt = 0x10FFFF;

std::string Hex(char32_t wert, int stellen) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%0*X", stellen, static_cast<unsigned>(wert));
    return puffer;
}

bool Druckbar(char32_t z) {
    return z >= 0x20 && z <= 0x7E;
}

std::string Verbunden(const std::vector<StepWert>& werte) {
    std::string s;
    for (const StepWert& w : werte) {
        if (!s.empty()) {
            s += ',';
        }
        s += w.Kodiert();
    }
    return s;
}

std::string TextListe(const std::vector<std::string>& texte) {
    std::vector<StepWert> werte;
    for (const std::string& t : texte) {
        werte.push_back(StepWert::Text(t));
    }
    return StepWert::Liste(werte).Kodiert();
}

} // namespace

std::string StepText(std::string_view utf8) {
    std::string aus = "'";
    // Runs of characters outside printable ASCII share one \X2\ ... \X0\ bracket.
    std::string lauf;
    bool breit = false; // the run is of \X4\ characters
    auto lauf_schliessen = [&] {
        if (!lauf.empty()) {
            aus += (breit ? "\\X4\\" : "\\X2\\") + lauf + "\\X0\\";
            lauf.clear();
        }
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t z = NaechstesZeichen(utf8, i);
        if (Druckbar(z)) {
            lauf_schliessen();
            aus += static_cast<char>(z);
            if (z == '\'' || z == '\\') {
                aus += static_cast<char>(z);
            }
            continue;
        }
        if (z > kGroessterCodepunkt || (z >= 0xD800 && z <= 0xDFFF)) {
            z = kErsatzzeichen;
        }
        const bool jetztBreit = z > 0xFFFF;
        if (jetztBreit != breit) {
            lauf_schliessen();
            breit = jetztBreit;
        }
        lauf += Hex(z, breit ? 8 : 4);
    }
    lauf_schliessen();
    return aus + "'";
}

std::string StepReal(double wert) {
    if (!std::isfinite(wert)) {
        wert = 0; // STEP has no text for these; nothing of ours should produce one
    }
    std::string s = FormatAllgemein(wert, '.');
    const std::size_t e = s.find('E');
    const std::string mantisse = s.substr(0, e);
    if (mantisse.find('.') == std::string::npos) {
        s.insert(mantisse.size(), ".");
    }
    return s;
}

StepWert::StepWert(StepRef ref) : text_("#" + std::to_string(ref.nummer)) {}

StepWert StepWert::Text(std::string_view utf8) {
    return StepWert(StepText(utf8));
}

StepWert StepWert::Real(double wert) {
    return StepWert(StepReal(wert));
}

StepWert StepWert::Ganz(long long wert) {
    return StepWert(std::to_string(wert));
}

StepWert StepWert::Aufzaehlung(std::string_view name) {
    return StepWert("." + std::string(name) + ".");
}

StepWert StepWert::Logisch(bool wert) {
    return StepWert(wert ? ".T." : ".F.");
}

StepWert StepWert::Leer() {
    return StepWert("$");
}

StepWert StepWert::Abgeleitet() {
    return StepWert("*");
}

StepWert StepWert::Liste(const std::vector<StepWert>& werte) {
    return StepWert("(" + Verbunden(werte) + ")");
}

StepWert StepWert::Liste(std::initializer_list<StepWert> werte) {
    return Liste(std::vector<StepWert>(werte));
}

StepWert StepWert::Typisiert(std::string_view typ, const StepWert& wert) {
    return StepWert(std::string(typ) + "(" + wert.Kodiert() + ")");
}

StepWert StepWert::Reals(std::initializer_list<double> werte) {
    std::vector<StepWert> liste;
    for (double w : werte) {
        liste.push_back(Real(w));
    }
    return Liste(liste);
}

StepSchreiber::StepSchreiber(std::ostream& aus, const StepKopf& kopf) : aus_(aus) {
    aus_ << "ISO-10303-21;\nHEADER;\n"
         << "FILE_DESCRIPTION(" << TextListe(kopf.beschreibung) << ","
         << StepText(kopf.implementierung) << ");\n"
         << "FILE_NAME(" << StepText(kopf.name) << "," << StepText(kopf.zeitstempel) << ","
         << TextListe({kopf.autor}) << "," << TextListe({kopf.organisation}) << ","
         << StepText(kopf.praeprozessor) << "," << StepText(kopf.ursprungssystem) << ",'');\n"
         << "FILE_SCHEMA(" << TextListe({kopf.schema}) << ");\n"
         << "ENDSEC;\nDATA;\n";
}

StepRef StepSchreiber::Instanz(std::string_view typ, std::initializer_list<StepWert> parameter) {
    return Instanz(typ, std::vector<StepWert>(parameter));
}

StepRef StepSchreiber::Instanz(std::string_view typ, const std::vector<StepWert>& parameter) {
    const StepRef ref{naechste_++};
    aus_ << '#' << ref.nummer << '=' << typ << '(' << Verbunden(parameter) << ");\n";
    return ref;
}

bool StepSchreiber::Abschliessen() {
    aus_ << "ENDSEC;\nEND-ISO-10303-21;\n";
    aus_.flush();
    return static_cast<bool>(aus_);
}

} // namespace vsk
