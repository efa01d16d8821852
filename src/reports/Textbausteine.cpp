#include "reports/Textbausteine.h"

namespace vsk {

namespace {

int Versetzt(Canvas& canvas, int x, int y, const std::string& text, bool tief) {
    const int groesse = canvas.schrift.groesse;
    canvas.schrift.groesse = groesse * 3 / 4;
    const int hr = canvas.TextHeight("Wy");
    canvas.TextOut(x, tief ? y + hr * 3 / 5 : y - hr / 4, text);
    const int w = canvas.TextWidth(text);
    canvas.schrift.groesse = groesse;
    return x + w;
}

} // namespace

int TextTief(Canvas& canvas, int x, int y, const std::string& text) {
    return Versetzt(canvas, x, y, text, true);
}

int TextHoch(Canvas& canvas, int x, int y, const std::string& text) {
    return Versetzt(canvas, x, y, text, false);
}

void TextMitIndex(Canvas& canvas, int x, int y, const std::string& index, const std::string& text) {
    canvas.TextOut(x, y, text);
    TextTief(canvas, x + canvas.TextWidth(text), y, index);
}

} // namespace vsk
