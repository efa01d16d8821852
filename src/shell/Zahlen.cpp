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
// istTrenner is true; at most one separator. The number is copied in the form from_chars
// reads (a point, a digit before it) into a buffer on the stack: files hold hundreds of
// thousands of numbers.
template <typename Pred>
std::optional<double> ParseDezimal(std::string_view text, Pred istTrenner) {
    std::string_view s = Trimme(text);
    char kurz[64];
    std::string lang;
    char* kanonisch = kurz;
    if (s.size() + 2 > sizeof kurz) { // room for an added "0"
        lang.resize(s.size() + 2);
        kanonisch = lang.data();
    }
    std::size_t n = 0;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            kanonisch[n++] = '-';
        }
        ++i;
    }
    int ziffern = 0;
    bool trenner = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            kanonisch[n++] = c;
            ++ziffern;
        } else if (istTrenner(c) && !trenner) {
            trenner = true;
            if (ziffern == 0) {
                kanonisch[n++] = '0'; // from_chars wants a digit before the point
            }
            kanonisch[n++] = '.';
        } else {
            break;
        }
    }
    if (ziffern == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        kanonisch[n++] = 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            kanonisch[n++] = s[i];
            ++i;
        }
        int expZiffern = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            kanonisch[n++] = s[i];
            ++expZiffern;
        }
        if (expZiffern == 0) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    double wert = 0;
    auto [ende, fehler] = std::from_chars(kanonisch, kanonisch + n, wert);
    if (fehler != std::errc() || ende != kanonisch + n) {
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
    // 15 significant digits, d.dddddddddddddde[+-]x, rounded exactly as printf's %.14e.
    char roh[40];
    const char* const rohEnde = std::to_chars(roh, roh + sizeof roh, std::fabs(wert),
                                              std::chars_format::scientific, kStellen - 1)
                                    .ptr;
    const char* e = std::find(static_cast<const char*>(roh), rohEnde, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), rohEnde, exponent);
    char ziffern[kStellen];
    std::size_t anzahl = 0;
    ziffern[anzahl++] = roh[0];
    for (const char* z = roh + 2; z < e; ++z) {
        ziffern[anzahl++] = *z;
    }
    while (anzahl > 1 && ziffern[anzahl - 1] == '0') {
        --anzahl;
    }

    char text[64];
    std::size_t n = 0;
    const auto anhaengen = [&](const char* von, std::size_t laenge) {
        std::copy(von, von + laenge, text + n);
        n += laenge;
    };
    const auto zeichen = [&](char c, std::size_t mal = 1) {
        std::fill(text + n, text + n + mal, c);
        n += mal;
    };
    if (wert < 0) {
        zeichen('-');
    }
    if (std::fabs(wert) < 0.00001 || exponent >= kStellen) {
        zeichen(ziffern[0]);
        if (anzahl > 1) {
            zeichen(trenner);
            anhaengen(ziffern + 1, anzahl - 1);
        }
        zeichen('E');
        n = static_cast<std::size_t>(std::to_chars(text + n, text + sizeof text, exponent).ptr -
                                     text);
    } else if (exponent < 0) {
        zeichen('0');
        zeichen(trenner);
        zeichen('0', static_cast<std::size_t>(-exponent - 1));
        anhaengen(ziffern, anzahl);
    } else {
        const std::size_t vorKomma = static_cast<std::size_t>(exponent) + 1;
        if (anzahl <= vorKomma) {
            anhaengen(ziffern, anzahl);
            zeichen('0', vorKomma - anzahl);
        } else {
            anhaengen(ziffern, vorKomma);
            zeichen(trenner);
            anhaengen(ziffern + vorKomma, anzahl - vorKomma);
        }
    }
    return std::string(text, n);
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
    // rint honours the rounding mode, which the program never changes from
    // round-to-nearest-even. (nearbyint gives the same value but saves and restores the
    // floating-point environment on every call, which the design's many status checks
    // feel.)
    return static_cast<std::int64_t>(std::rintl(wert));
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
