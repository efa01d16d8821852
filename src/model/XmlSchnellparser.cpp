#include "model/XmlSchnellparser.h"

#include "model/XmlBaum.h"
#include "model/XmlGrenzen.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace vsk::xml {

namespace {

bool IstNamensanfang(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IstNamenszeichen(char c) {
    return IstNamensanfang(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IstLeer(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// A character XML 1.0 allows, as UTF-8; false for any other code point.
bool HaengeZeichenAn(std::string& ziel, std::uint32_t z) {
    const bool erlaubt = z == 0x9 || z == 0xA || z == 0xD || (z >= 0x20 && z <= 0xD7FF) ||
                         (z >= 0xE000 && z <= 0xFFFD) || (z >= 0x10000 && z <= 0x10FFFF);
    if (!erlaubt) {
        return false;
    }
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (z >> 18));
        ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
    return true;
}

class Leser {
public:
    Leser(std::string_view s, Baumaufbau& aufbau) : s_(s), aufbau_(aufbau) {}

    Schnellergebnis Lies() {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") {
            i_ = 3;
        }
        if (!Deklaration()) {
            return Schnellergebnis::Unbekannt;
        }
        bool wurzelGelesen = false;
        std::vector<std::string_view> offen;
        while (true) {
            if (offen.empty()) {
                UeberspringeLeer();
                if (i_ >= s_.size()) {
                    return wurzelGelesen ? Schnellergebnis::Gelesen : Schnellergebnis::Unbekannt;
                }
                if (wurzelGelesen || s_[i_] != '<') {
                    return Schnellergebnis::Unbekannt;
                }
            } else if (!Text()) {
                return Schnellergebnis::Unbekannt;
            }
            if (i_ + 1 >= s_.size()) {
                return Schnellergebnis::Unbekannt;
            }
            // At '<'.
            if (s_[i_ + 1] == '/') {
                i_ += 2;
                const std::string_view name = Name();
                UeberspringeLeer();
                if (offen.empty() || name != offen.back() || !Nimm('>')) {
                    return Schnellergebnis::Unbekannt;
                }
                offen.pop_back();
                aufbau_.Schliesse();
                wurzelGelesen = offen.empty();
                continue;
            }
            ++i_;
            const std::string_view name = Name();
            if (name.empty()) {
                return Schnellergebnis::Unbekannt; // "<!", "<?" and the like
            }
            bool leer = false;
            std::vector<std::pair<std::string_view, std::string>> attribute;
            if (!Attribute(attribute, leer)) {
                return Schnellergebnis::Unbekannt;
            }
            if (!aufbau_.Oeffne(name, zeile_, 0, attribute.size())) {
                return Schnellergebnis::Grenze;
            }
            for (auto& [n, wert] : attribute) {
                aufbau_.Attribut(n, std::move(wert));
            }
            if (leer) {
                aufbau_.Schliesse();
                wurzelGelesen = offen.empty();
            } else {
                offen.push_back(name);
            }
        }
    }

private:
    // The XML declaration, if any: version 1.0 and UTF-8 (or no encoding) only.
    bool Deklaration() {
        if (s_.substr(i_, 5) != "<?xml") {
            return true;
        }
        const std::size_t ende = s_.find("?>", i_);
        if (ende == std::string_view::npos) {
            return false;
        }
        std::string decl(s_.substr(i_, ende - i_));
        for (char& c : decl) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        const std::size_t kodierung = decl.find("encoding");
        if (kodierung != std::string::npos && decl.find("utf-8", kodierung) == std::string::npos) {
            return false;
        }
        if (decl.find('\n') != std::string::npos || decl.find('\r') != std::string::npos) {
            return false;
        }
        i_ = ende + 2;
        return true;
    }

    void UeberspringeLeer() {
        while (i_ < s_.size() && IstLeer(s_[i_])) {
            zeile_ += s_[i_] == '\n' ? 1 : 0;
            ++i_;
        }
    }

    bool Nimm(char c) {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }

    std::string_view Name() {
        const std::size_t anfang = i_;
        if (i_ < s_.size() && IstNamensanfang(s_[i_])) {
            ++i_;
            while (i_ < s_.size() && IstNamenszeichen(s_[i_])) {
                ++i_;
            }
        }
        return s_.substr(anfang, i_ - anfang);
    }

    // Text up to the next '<' into the innermost open element, decoded; false when it holds
    // anything of another kind.
    bool Text() {
        const std::size_t anfang = i_;
        bool einfach = true; // nothing to decode: the text is taken as it stands
        bool hohe = false;   // bytes beyond ASCII, to be checked as UTF-8
        for (; i_ < s_.size() && s_[i_] != '<'; ++i_) {
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c == '\n') {
                ++zeile_;
            } else if (c == '&') {
                einfach = false;
            } else if (c >= 0x80) {
                hohe = true;
            } else if ((c < 0x20 && c != '\t') ||
                       (c == '>' && i_ >= 2 && s_[i_ - 1] == ']' && s_[i_ - 2] == ']')) {
                return false; // CR (line-end handling), control characters, "]]>"
            }
        }
        if (i_ >= s_.size()) {
            return false;
        }
        const std::string_view roh = s_.substr(anfang, i_ - anfang);
        if (hohe && !IstGueltigesUtf8(roh)) {
            return false;
        }
        if (einfach) {
            aufbau_.Text(roh);
            return true;
        }
        std::string text;
        if (!Entschluesseln(roh, text)) {
            return false;
        }
        aufbau_.Text(text);
        return true;
    }

    // The predefined entities and character references; any other reference is unknown here.
    static bool Entschluesseln(std::string_view roh, std::string& ziel) {
        ziel.reserve(roh.size());
        for (std::size_t k = 0; k < roh.size(); ++k) {
            if (roh[k] != '&') {
                ziel += roh[k];
                continue;
            }
            const std::size_t ende = roh.find(';', k);
            if (ende == std::string_view::npos) {
                return false;
            }
            const std::string_view ref = roh.substr(k + 1, ende - k - 1);
            if (ref == "amp") {
                ziel += '&';
            } else if (ref == "lt") {
                ziel += '<';
            } else if (ref == "gt") {
                ziel += '>';
            } else if (ref == "quot") {
                ziel += '"';
            } else if (ref == "apos") {
                ziel += '\'';
            } else if (ref.size() >= 2 && ref[0] == '#') {
                const bool hex = ref[1] == 'x';
                const std::string_view ziffern = ref.substr(hex ? 2 : 1);
                if (ziffern.empty() || ziffern.size() > 8) {
                    return false;
                }
                std::uint32_t z = 0;
                for (char c : ziffern) {
                    int wert = -1;
                    if (c >= '0' && c <= '9') {
                        wert = c - '0';
                    } else if (hex && c >= 'a' && c <= 'f') {
                        wert = c - 'a' + 10;
                    } else if (hex && c >= 'A' && c <= 'F') {
                        wert = c - 'A' + 10;
                    }
                    if (wert < 0) {
                        return false;
                    }
                    z = z * (hex ? 16 : 10) + static_cast<std::uint32_t>(wert);
                }
                if (!HaengeZeichenAn(ziel, z)) {
                    return false;
                }
            } else {
                return false;
            }
            k = ende;
        }
        return true;
    }

    // The attributes of a start tag up to its '>' or "/>"; false for anything unknown.
    bool Attribute(std::vector<std::pair<std::string_view, std::string>>& attribute, bool& leer) {
        while (true) {
            const std::size_t vorher = i_;
            UeberspringeLeer();
            if (Nimm('>')) {
                return true;
            }
            if (Nimm('/')) {
                leer = true;
                return Nimm('>');
            }
            if (i_ == vorher) {
                return false; // a name must follow a blank
            }
            const std::string_view name = Name();
            UeberspringeLeer();
            if (name.empty() || !Nimm('=')) {
                return false;
            }
            UeberspringeLeer();
            if (i_ >= s_.size() || (s_[i_] != '"' && s_[i_] != '\'')) {
                return false;
            }
            const char anfuehrung = s_[i_++];
            const std::size_t ende = s_.find(anfuehrung, i_);
            if (ende == std::string_view::npos) {
                return false;
            }
            const std::string_view roh = s_.substr(i_, ende - i_);
            i_ = ende + 1;
            std::string wert;
            if (roh.find_first_of("<\t\n\r") != std::string_view::npos || !IstGueltigesUtf8(roh) ||
                !Entschluesseln(roh, wert)) {
                return false;
            }
            for (const auto& [n, w] : attribute) {
                if (n == name) {
                    return false; // twice: not well-formed
                }
            }
            attribute.emplace_back(name, std::move(wert));
            if (attribute.size() > MaxAttributeJeElement) {
                return true; // refused by the caller
            }
        }
    }

    std::string_view s_;
    Baumaufbau& aufbau_;
    std::size_t i_ = 0;
    long zeile_ = 1;
};

} // namespace

Schnellergebnis LeseSchnell(std::string_view text, Baumaufbau& aufbau) {
    return Leser(text, aufbau).Lies();
}

} // namespace vsk::xml
