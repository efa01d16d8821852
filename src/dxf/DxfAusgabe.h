#pragma once
// The group lines of an ASCII DXF file: code right-aligned in 3 characters, then the
// value; CR LF line ends. Reals always use a point, whatever the user's separator.

#include "dxf/Point3D.h"

#include <ostream>
#include <string>
#include <string_view>

namespace vsk {

// Fixed notation with 5 decimals, rounded to 7 significant digits (ties to even);
// scientific form beyond 7 integer digits.
std::string FormatDxfReal(double wert);
// The 23-character form of the STYLE table: sign or blank, d.dddddddddddddd, E, sign,
// four exponent digits (" 3.50000000000000E-0001").
std::string FormatDxfStilReal(double wert);

// A text value as the file holds it: the program's UTF-8 converted to the Windows-1252
// code page that CAD programs assume for a file without a code page, characters beyond
// it as \U+XXXX; line breaks, which would split the group, become blanks.
std::string DxfZeichenkette(std::string_view utf8);

class DxfAusgabe {
public:
    explicit DxfAusgabe(std::ostream& aus) : aus_(aus) {}

    void Text(int code, std::string_view wert);
    void Ganzzahl(int code, int wert);
    void Real(int code, double wert);
    void StilReal(int code, double wert);
    // Three groups with the codes code, code + 10 and code + 20.
    void Punkt(int code, const Point3D& p);

private:
    void Code(int code);
    void Zeile(std::string_view zeile);

    std::ostream& aus_;
};

} // namespace vsk
