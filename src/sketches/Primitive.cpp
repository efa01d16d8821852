#include "sketches/Primitive.h"

#include <cstdint>
#include <utility>

namespace vsk {

namespace {

void Linie(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

int Vorzeichen(int a) {
    return (a > 0) - (a < 0);
}

void Text(Canvas& c, int x, int y, const std::string& text) {
    if (!text.empty()) {
        c.TextOut(x, y, text);
    }
}

// Text reading upward with its reference corner at (x, y), the index after it along the
// same line, lowered by half the font size and at three quarters of it.
void SenkrechterText(Canvas& c, int x, int y, const std::string& text, const std::string& index) {
    TextGedreht(c, x, y, text, 900);
    if (index.empty()) {
        return;
    }
    const int groesse = c.schrift.groesse;
    const int yi = y - c.TextWidth(text);
    c.schrift.groesse = groesse * 3 / 4;
    TextGedreht(c, x + groesse / 2, yi, index, 900);
    c.schrift.groesse = groesse;
}

} // namespace

void TextGedreht(Canvas& c, int x, int y, const std::string& text, int winkel) {
    const int alt = c.schrift.winkel;
    c.schrift.winkel = winkel;
    Text(c, x, y, text);
    c.schrift.winkel = alt;
}

int TextTief(Canvas& c, int x, int y, const std::string& text) {
    const int groesse = c.schrift.groesse;
    c.schrift.groesse = groesse * 3 / 4;
    const int hr = c.TextHeight("Wy");
    Text(c, x, y + hr * 3 / 5, text);
    const int w = c.TextWidth(text);
    c.schrift.groesse = groesse;
    return x + w;
}

int TextHoch(Canvas& c, int x, int y, const std::string& text) {
    const int groesse = c.schrift.groesse;
    c.schrift.groesse = groesse * 3 / 4;
    const int hr = c.TextHeight("Wy");
    Text(c, x, y - hr / 4, text);
    const int w = c.TextWidth(text);
    c.schrift.groesse = groesse;
    return x + w;
}

int TextMitIndex(Canvas& c, int x, int y, const std::string& index, const std::string& text) {
    Text(c, x, y, text);
    return TextTief(c, x + c.TextWidth(text), y, index);
}

void ZeichneBemassung(Canvas& c, Punkt p1, Punkt p2, int markLen, bool senkrecht,
                      const std::string& index, const std::string& text, Punkt offset,
                      int linienbreite) {
    c.schrift.name = "Arial";
    c.schrift.groesse = 8;
    c.schrift.stil = Normal;
    c.stift.breite = linienbreite;
    c.stift.art = Stiftart::Durchgezogen;

    Punkt a{p1.x + offset.x, p1.y + offset.y};
    Punkt b{p2.x + offset.x, p2.y + offset.y};
    if (b.x < a.x) {
        std::swap(a, b);
    }
    const int tw = c.TextWidth(text + index);
    const int th = c.TextHeight(text);
    const auto mark = static_cast<std::uint16_t>(markLen);
    const int k = mark / 8;
    const int e = mark / 4;

    if (senkrecht) {
        const int x = a.x;
        Linie(c, x - e, a.y, x + e, a.y);
        Linie(c, x - e, b.y, x + e, b.y);
        Linie(c, x, a.y - k, x, b.y + k);
        for (int y : {a.y, b.y}) {
            Linie(c, x - k, y - k, x + k, y + k);
        }
        SenkrechterText(c, x - th, (a.y + b.y + tw) / 2, text, index);
    } else {
        const int y = a.y;
        Linie(c, a.x, y - e, a.x, y + e);
        Linie(c, b.x, y - e, b.x, y + e);
        Linie(c, a.x - k, y, b.x + k, y);
        Linie(c, a.x + k, y - k, a.x - k, y + k);
        Linie(c, b.x + k, y - k, b.x - k, y + k);
        TextMitIndex(c, (a.x + b.x - tw) / 2, y - th - 2, index, text);
    }
}

void ZeichnePfeil(Canvas& c, Punkt von, Punkt nach, bool senkrecht, const std::string& index,
                  const std::string& text, Punkt head, int linienbreite) {
    c.schrift.name = "Arial";
    c.schrift.groesse = 8;
    c.stift.breite = linienbreite;
    c.stift.art = Stiftart::Durchgezogen;
    const int tw = c.TextWidth(text + index);
    const int th = c.TextHeight(text);

    if (senkrecht) {
        const int s = Vorzeichen(nach.y - von.y);
        const int x = von.x;
        c.MoveTo(von.x, von.y);
        c.LineTo(x, nach.y);
        c.LineTo(x + head.x, nach.y - head.y * s);
        c.LineTo(x - head.x, nach.y - head.y * s);
        c.LineTo(x, nach.y);
        SenkrechterText(c, x - th, (von.y + nach.y + tw) / 2, text, index);
    } else {
        const int s = Vorzeichen(nach.x - von.x);
        if (s == 0) {
            return;
        }
        const int y = von.y;
        c.MoveTo(von.x, von.y);
        c.LineTo(nach.x, y);
        c.LineTo(nach.x - head.x * s, y + head.y);
        c.LineTo(nach.x - head.x * s, y - head.y);
        c.LineTo(nach.x, y);
        TextMitIndex(c, (von.x + nach.x - tw) / 2, y - th - 2, index, text);
    }
}

void ZeichneHinweis(Canvas& c, const std::vector<Punkt>& punkte, const std::string& text1,
                    const std::string& text2, const std::string& text3) {
    if (punkte.empty()) {
        return;
    }
    c.MoveTo(punkte[0].x, punkte[0].y);
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        c.LineTo(punkte[i].x, punkte[i].y);
    }
    const std::size_t n = punkte.size() - 1;
    const int w = c.TextWidth(text1 + text2 + text3);
    int x = n < 2 ? punkte[n].x : (punkte[n].x + punkte[n - 1].x - w) / 2;
    const int y = punkte[n].y - c.TextHeight("Wy");

    const std::string name = c.schrift.name;
    c.schrift.name = "Arial";
    Text(c, x, y, text1);
    x += c.TextWidth(text1);
    c.schrift.name = "Symbol";
    Text(c, x, y, text2);
    x += c.TextWidth(text2);
    c.schrift.name = "Arial";
    Text(c, x, y, text3);
    c.schrift.name = name;
}

} // namespace vsk
