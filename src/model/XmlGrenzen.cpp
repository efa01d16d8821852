#include "model/XmlGrenzen.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vsk::xml {

namespace {

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

long ZeileBei(std::string_view s, std::size_t pos) {
    return 1 + static_cast<long>(
                   std::count(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

// The element of the tag at i, with its line.
Lesestelle Grenze(std::string_view s, std::size_t i) {
    std::size_t n = i + 1;
    while (n < s.size() && std::strchr(" \t\r\n/>", s[n]) == nullptr) {
        ++n;
    }
    return {Lesegrund::Grenze, std::string(s.substr(i + 1, std::min<std::size_t>(n - i - 1, 64))),
            ZeileBei(s, i)};
}

// Where a comment, CDATA section or processing instruction starting at i ends (they may
// hold anything); nothing for a tag.
std::optional<std::size_t> NachBesonderem(std::string_view s, std::size_t i) {
    static constexpr std::pair<std::string_view, std::string_view> kBesonderes[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
    if (i + 1 >= s.size() || (s[i + 1] != '!' && s[i + 1] != '?')) {
        return std::nullopt;
    }
    for (const auto& [anfang, ende] : kBesonderes) {
        if (s.substr(i, anfang.size()) == anfang) {
            const std::size_t e = s.find(ende, i + anfang.size());
            return e == std::string_view::npos ? s.size() : e + ende.size();
        }
    }
    return std::nullopt;
}

std::optional<Lesestelle> Scanne(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const void* lt = std::memchr(s.data() + i, '<', s.size() - i);
        if (!lt) {
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(lt) - s.data());
        if (const std::optional<std::size_t> danach = NachBesonderem(s, i)) {
            i = *danach;
            continue;
        }
        // A tag: its attributes are its "=" outside quotes. Most tags have none.
        const char* tag = s.data() + i + 1;
        const char* ende = s.data() + s.size();
        const void* gt = std::memchr(tag, '>', static_cast<std::size_t>(ende - tag));
        const char* bis = gt ? static_cast<const char*>(gt) : ende;
        const auto laenge = static_cast<std::size_t>(bis - tag);
        if (!std::memchr(tag, '=', laenge)) {
            i = static_cast<std::size_t>(bis - s.data());
            continue;
        }
        std::size_t attribute = 0;
        std::size_t k = i + 1;
        while (k < s.size()) {
            const char* p = std::find_if(s.data() + k, ende, [](char c) {
                return c == '"' || c == '\'' || c == '=' || c == '>' || c == '<';
            });
            k = static_cast<std::size_t>(p - s.data());
            if (k >= s.size() || *p == '>' || *p == '<') {
                break;
            }
            if (*p == '=') {
                if (++attribute > MaxAttributeJeElement) {
                    return Grenze(s, i);
                }
                ++k;
                continue;
            }
            const void* zu = std::memchr(p + 1, *p, s.size() - k - 1);
            k = zu ? static_cast<std::size_t>(static_cast<const char*>(zu) - s.data()) + 1
                   : s.size();
        }
        i = k;
    }
    return std::nullopt;
}

} // namespace

std::optional<Lesestelle> PruefeAttributzahl(std::string_view text) {
    const auto byte = [&](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : 0x100u;
    };
    const bool le = (byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == '<' && byte(1) == 0);
    const bool be = (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0 && byte(1) == '<');
    if (le || be) {
        const std::string schmal = Schmal(text, le);
        return Scanne(schmal);
    }
    return Scanne(text);
}

} // namespace vsk::xml
