#include "model/XmlGrenzen.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace vsk::xml {

namespace {

bool IstLeer(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IstNamensende(char c) {
    return IstLeer(c) || c == '/' || c == '>' || c == '=';
}

// UTF-16 text as one byte per code unit (the low byte): the markup characters stay what
// they are, so the same scan measures it.
std::string Schmal(std::string_view text, bool kleinEndian) {
    std::string schmal;
    schmal.reserve(text.size() / 2);
    for (std::size_t i = kleinEndian ? 0 : 1; i < text.size(); i += 2) {
        schmal.push_back(text[i]);
    }
    return schmal;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : s_(text) {}

    std::optional<Lesestelle> Pruefe() {
        while (i_ < s_.size()) {
            if (s_[i_] != '<') {
                Weiter();
                continue;
            }
            if (Beginnt("<!--")) {
                UeberspringeBis("-->");
            } else if (Beginnt("<![CDATA[")) {
                UeberspringeBis("]]>");
            } else if (Beginnt("<?")) {
                UeberspringeBis("?>");
            } else if (Beginnt("<!")) {
                UeberspringeDeklaration();
            } else if (Beginnt("</")) {
                if (kinder_.size() > 1) {
                    kinder_.pop_back();
                }
                UeberspringeBis(">");
            } else if (auto fehler = Starttag()) {
                return fehler;
            }
        }
        return std::nullopt;
    }

private:
    void Weiter() {
        if (s_[i_] == '\n') {
            ++zeile_;
        }
        ++i_;
    }

    bool Beginnt(std::string_view muster) const { return s_.substr(i_, muster.size()) == muster; }

    void UeberspringeBis(std::string_view ende) {
        while (i_ < s_.size() && !Beginnt(ende)) {
            Weiter();
        }
        i_ = std::min(s_.size(), i_ + ende.size());
    }

    // <!DOCTYPE ...> with an internal subset in brackets.
    void UeberspringeDeklaration() {
        int klammern = 0;
        while (i_ < s_.size()) {
            const char c = s_[i_];
            Weiter();
            if (c == '[') {
                ++klammern;
            } else if (c == ']') {
                --klammern;
            } else if (c == '>' && klammern <= 0) {
                return;
            }
        }
    }

    std::string_view Name() {
        const std::size_t anfang = i_;
        while (i_ < s_.size() && !IstNamensende(s_[i_])) {
            ++i_;
        }
        return s_.substr(anfang, i_ - anfang);
    }

    void UeberspringeLeer() {
        while (i_ < s_.size() && IstLeer(s_[i_])) {
            Weiter();
        }
    }

    Lesestelle Grenze(std::string_view name) const {
        return {Lesegrund::Grenze, std::string(name.substr(0, 64)), zeile_};
    }

    std::optional<Lesestelle> Starttag() {
        ++i_; // '<'
        const std::string_view name = Name();
        if (++elemente_ > MaxElemente || name.size() > MaxNamenslaenge ||
            ++kinder_.back() > MaxKinderJeElement) {
            return Grenze(name);
        }
        if (namen_.size() < MaxVerschiedeneNamen || namen_.count(name) != 0) {
            namen_.insert(name);
        } else {
            return Grenze(name);
        }
        std::size_t attribute = 0;
        while (i_ < s_.size()) {
            UeberspringeLeer();
            if (i_ >= s_.size()) {
                break;
            }
            if (s_[i_] == '>') {
                ++i_;
                kinder_.push_back(0);
                if (kinder_.size() > MaxTiefe + 1) {
                    return Grenze(name);
                }
                return std::nullopt;
            }
            if (Beginnt("/>")) {
                i_ += 2;
                return std::nullopt;
            }
            if (Name().size() > MaxNamenslaenge || ++attribute > MaxAttributeJeElement) {
                return Grenze(name);
            }
            UeberspringeLeer();
            if (i_ < s_.size() && s_[i_] == '=') {
                ++i_;
                UeberspringeLeer();
            }
            if (i_ < s_.size() && (s_[i_] == '"' || s_[i_] == '\'')) {
                const char anfuehrung = s_[i_++];
                while (i_ < s_.size() && s_[i_] != anfuehrung) {
                    Weiter();
                }
                ++i_;
            } else if (i_ < s_.size() && s_[i_] != '>' && s_[i_] != '/') {
                ++i_; // malformed: the parser will say so; keep moving
            }
        }
        return std::nullopt;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    long zeile_ = 1;
    // Children counted so far of each open element, the document level first.
    std::vector<std::size_t> kinder_{0};
    std::size_t elemente_ = 0;
    std::unordered_set<std::string_view> namen_;
};

} // namespace

std::optional<Lesestelle> PruefeXmlGrenzen(std::string_view text) {
    const auto byte = [&](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : 0x100u;
    };
    const bool le = (byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == '<' && byte(1) == 0);
    const bool be = (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0 && byte(1) == '<');
    if (le || be) {
        const std::string schmal = Schmal(text, le);
        return Scanner(schmal).Pruefe();
    }
    return Scanner(text).Pruefe();
}

} // namespace vsk::xml
