#include "dxf/DxfAusgabe.h"

#include "shell/Utf8.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vsk {

namespace {

constexpr int kSignifikant = 7;
constexpr int kDezimalen = 5;

std::string RechtsBuendig(long wert, std::size_t breite) {
    std::string s = std::to_string(wert);
    if (s.size() < breite) {
        s.insert(0, breite - s.size(), ' ');
    }
    return s;
}

std::string MitFormat(double wert, std::chars_format format, int stellen) {
    char puffer[128];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert, format, stellen);
    if (fehler != std::errc()) {
        return "0";
    }
    return std::string(puffer, ende);
}

// Decimal exponent of the value after rounding to 7 significant digits.
int Exponent7(double wert) {
    std::string s = MitFormat(wert, std::chars_format::scientific, kSignifikant - 1);
    return std::atoi(s.c_str() + s.find('e') + 1);
}

bool NurNullen(const std::string& s) {
    for (char c : s) {
        if (c >= '1' && c <= '9') {
            return false;
        }
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F and the characters they stand for (0: unassigned).
constexpr char32_t kCp1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

std::string DxfZeichenkette(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t z = NaechstesZeichen(utf8, i);
        if (z == '\r' || z == '\n') {
            aus += ' ';
        } else if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) {
            aus += static_cast<char>(z);
        } else {
            bool gefunden = false;
            for (int k = 0; k < 32 && !gefunden; ++k) {
                if (kCp1252[k] != 0 && kCp1252[k] == z) {
                    aus += static_cast<char>(0x80 + k);
                    gefunden = true;
                }
            }
            if (!gefunden) {
                char puffer[16];
                std::snprintf(puffer, sizeof puffer, "\\U+%04X", static_cast<unsigned>(z));
                aus += puffer;
            }
        }
    }
    return aus;
}

std::string FormatDxfReal(double wert) {
    if (!std::isfinite(wert)) {
        return "0.00000";
    }
    if (wert == 0) {
        return "0.00000";
    }
    int exponent = Exponent7(wert);
    int dezimalen = kSignifikant - 1 - exponent;
    if (dezimalen < 0) {
        std::string s = MitFormat(wert, std::chars_format::scientific, kSignifikant - 1);
        std::size_t e = s.find('e');
        s[e] = 'E';
        return s;
    }
    std::string s;
    if (dezimalen >= kDezimalen) {
        s = MitFormat(wert, std::chars_format::fixed, kDezimalen);
    } else {
        s = MitFormat(wert, std::chars_format::fixed, dezimalen);
        if (dezimalen == 0) {
            s += '.';
        }
        s.append(static_cast<std::size_t>(kDezimalen - dezimalen), '0');
    }
    if (s[0] == '-' && NurNullen(s)) {
        s.erase(0, 1);
    }
    return s;
}

std::string FormatDxfStilReal(double wert) {
    if (!std::isfinite(wert)) {
        wert = 0;
    }
    std::string s = MitFormat(std::fabs(wert), std::chars_format::scientific, 14);
    std::size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string ergebnis = (wert < 0) ? "-" : " ";
    ergebnis += s.substr(0, e);
    ergebnis += 'E';
    ergebnis += exponent < 0 ? '-' : '+';
    std::string ziffern = std::to_string(std::abs(exponent));
    ergebnis.append(4 - std::min<std::size_t>(4, ziffern.size()), '0');
    ergebnis += ziffern;
    return ergebnis;
}

void DxfAusgabe::Zeile(std::string_view zeile) {
    aus_ << zeile << "\r\n";
}

void DxfAusgabe::Code(int code) {
    Zeile(RechtsBuendig(code, 3));
}

void DxfAusgabe::Text(int code, std::string_view wert) {
    Code(code);
    Zeile(DxfZeichenkette(wert));
}

void DxfAusgabe::Ganzzahl(int code, int wert) {
    Code(code);
    Zeile(RechtsBuendig(wert, 6));
}

void DxfAusgabe::Real(int code, double wert) {
    Code(code);
    Zeile(FormatDxfReal(wert));
}

void DxfAusgabe::StilReal(int code, double wert) {
    Code(code);
    Zeile(FormatDxfStilReal(wert));
}

void DxfAusgabe::Punkt(int code, const Point3D& p) {
    Real(code, p.x);
    Real(code + 10, p.y);
    Real(code + 20, p.z);
}

} // namespace vsk
