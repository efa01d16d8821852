#include "reports/Druckhilfen.h"

#include "reports/Berichtsbilder.h"
#include "sketches/Primitive.h"

namespace vsk {

void Formelzeile(Canvas& canvas, const std::string& label, const std::string& wert, int wertOffset,
                 int symbolOffset, int y, int x, const Formelschriften& schriften,
                 const Formeltexte& texte, const std::string& einheit) {
    const int w0 = canvas.TextWidth(texte.symbol);
    canvas.TextOut(x, y, label);
    canvas.schrift.name = schriften.symbol;
    canvas.TextOut(x + symbolOffset, y, texte.symbol);
    canvas.schrift.name = schriften.index;
    TextTief(canvas, x + symbolOffset + w0, y, texte.index);
    canvas.schrift.name = schriften.hoch;
    TextHoch(canvas, x + symbolOffset + w0, y, texte.hoch);
    if (!(wert + einheit).empty()) {
        canvas.schrift.name = schriften.zeichen;
        canvas.TextOut(x + symbolOffset + wertOffset, y, texte.zeichen);
        const int w3 = canvas.TextWidth(texte.zeichen);
        canvas.schrift.name = "Arial";
        canvas.TextOut(x + symbolOffset + wertOffset + w3, y, " " + wert + " " + einheit);
    }
}

void BildAusRessource(Canvas& canvas, const std::string& name, const Rechteck& r) {
    canvas.StretchDraw(r, name);
}

int BildSkaliert(Canvas& canvas, const Druckzustand& z, const std::string& name,
                 const Rechteck& r) {
    const int s = z.bildschirmDpi > 0 ? z.bildschirmDpi : 96;
    const int w = (r.right - r.left) * z.resX / s;
    const int h = (r.bottom - r.top) * z.resY / s;
    canvas.StretchDraw({r.left, r.top, r.left + w, r.top + h}, name);
    return h;
}

} // namespace vsk
