#include "shell/Zahlen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vsk {

namespace {

constexpr int kStellen = 15;

bool IstLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimme(std::string_view s) {
    while (!s.empty() && IstLeer(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IstLeer(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string NichtEndlich(double wert) {
    if (std::isnan(wert)) {
        return "NAN";
    }
    return wert < 0 ? "-INF" : "INF";
}

// Parses [sign]digits[sep digits][E[sign]digits] where sep is any character for which
// istTrenner is true; at most one separator.
template <typename Pred>
std::optional<double> ParseDezimal(std::string_view text, Pred istTrenner) {
    std::string_view s = Trimme(text);
    std::string kanonisch;
    kanonisch.reserve(s.size());
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            kanonisch.push_back('-');
        }
        ++i;
    }
    int ziffern = 0;
    bool trenner = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            kanonisch.push_back(c);
            ++ziffern;
        } else if (istTrenner(c) && !trenner) {
            trenner = true;
            kanonisch.push_back('.');
        } else {
            break;
        }
    }
    if (ziffern == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        kanonisch.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            kanonisch.push_back(s[i]);
            ++i;
        }
        int expZiffern = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            kanonisch.push_back(s[i]);
            ++expZiffern;
        }
        if (expZiffern == 0) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    // from_chars wants a digit before the point.
    std::string text2;
    const char* anfang = kanonisch.data();
    if (kanonisch.find('.') != std::string::npos) {
        std::size_t p = (kanonisch[0] == '-') ? 1 : 0;
        if (kanonisch[p] == '.') {
            text2 = kanonisch.substr(0, p) + "0" + kanonisch.substr(p);
            anfang = text2.data();
        }
    }
    const std::string& quelle = text2.empty() ? kanonisch : text2;
    double wert = 0;
    auto [ende, fehler] = std::from_chars(anfang, quelle.data() + quelle.size(), wert);
    if (fehler != std::errc() || ende != quelle.data() + quelle.size()) {
        return std::nullopt;
    }
    return wert;
}

} // namespace

std::string FormatAllgemein(double wert, char trenner) {
    if (!std::isfinite(wert)) {
        return NichtEndlich(wert);
    }
    if (wert == 0) {
        return "0";
    }
    // 15 significant digits: d.dddddddddddddde[+-]x
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*e", kStellen - 1, wert);
    std::string s(puffer);
    bool negativ = s[0] == '-';
    if (negativ) {
        s.erase(0, 1);
    }
    std::size_t e = s.find('e');
    int exponent = std::stoi(s.substr(e + 1));
    std::string ziffern = s.substr(0, 1) + s.substr(2, e - 2);
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
    }
    std::string ergebnis = negativ ? "-" : "";
    bool exponentForm = std::fabs(wert) < 0.00001 || exponent >= kStellen;
    if (exponentForm) {
        ergebnis += ziffern[0];
        if (ziffern.size() > 1) {
            ergebnis += trenner;
            ergebnis += ziffern.substr(1);
        }
        ergebnis += 'E';
        ergebnis += std::to_string(exponent);
        return ergebnis;
    }
    if (exponent < 0) {
        ergebnis += '0';
        ergebnis += trenner;
        ergebnis.append(static_cast<std::size_t>(-exponent - 1), '0');
        ergebnis += ziffern;
        return ergebnis;
    }
    std::size_t vorKomma = static_cast<std::size_t>(exponent) + 1;
    if (ziffern.size() <= vorKomma) {
        ergebnis += ziffern;
        ergebnis.append(vorKomma - ziffern.size(), '0');
    } else {
        ergebnis += ziffern.substr(0, vorKomma);
        ergebnis += trenner;
        ergebnis += ziffern.substr(vorKomma);
    }
    return ergebnis;
}

std::string FormatFest(double wert, int dezimalen, char trenner) {
    if (!std::isfinite(wert)) {
        return NichtEndlich(wert);
    }
    dezimalen = std::clamp(dezimalen, 0, 30);
    // %f of glibc rounds the exact binary value to nearest, ties to even.
    char puffer[400]; // 309 integer digits, sign, point and 30 decimals at most
    std::snprintf(puffer, sizeof puffer, "%.*f", dezimalen, wert);
    std::string s(puffer);
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) {
        s.erase(0, 1);
    }
    for (char& c : s) {
        if (c == '.') {
            c = trenner;
        }
    }
    return s;
}

std::int64_t RundeGerade(long double wert) {
    // nearbyint honours the rounding mode, which the program never changes from
    // round-to-nearest-even.
    return static_cast<std::int64_t>(std::nearbyintl(wert));
}

std::optional<double> LeseZahl(std::string_view text, char trenner) {
    return ParseDezimal(text, [trenner](char c) { return c == trenner; });
}

std::optional<double> LeseZahlBeliebigerTrenner(std::string_view text) {
    return ParseDezimal(text, [](char c) { return c == '.' || c == ','; });
}

std::optional<std::int64_t> LeseGanzzahl(std::string_view text) {
    std::string_view s = Trimme(text);
    bool negativ = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negativ = s[0] == '-';
        s.remove_prefix(1);
    }
    int basis = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        basis = 16;
        s.remove_prefix(2);
    } else if (s.size() > 1 && s[0] == '$') {
        basis = 16;
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return std::nullopt;
    }
    std::uint64_t betrag = 0;
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), betrag, basis);
    if (fehler != std::errc() || ende != s.data() + s.size()) {
        return std::nullopt;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negativ) {
        if (betrag > kMax + 1) {
            return std::nullopt;
        }
        return betrag == kMax + 1 ? std::numeric_limits<std::int64_t>::min()
                                  : -static_cast<std::int64_t>(betrag);
    }
    if (betrag > kMax) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(betrag);
}

} // namespace vsk
