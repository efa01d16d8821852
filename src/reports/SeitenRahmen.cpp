#include "reports/SeitenRahmen.h"

#include "reports/Berichtsbilder.h"
#include "reports/Druckhilfen.h"
#include "shell/Texte.h"

#include <algorithm>
#include <array>

namespace vsk {

namespace {

// A national office of the maker in the footer. The office data is not part of this
// build: the rows stay empty, the columns keep their places.
struct Landesvertretung {
    std::string land;
    std::string firma;
    std::string telefon;
    std::string fax;
    std::string email;
};

const std::array<Landesvertretung, 6>& Landesvertretungen() {
    static const std::array<Landesvertretung, 6> tabelle{};
    return tabelle;
}

void TextRechts(Canvas& canvas, int xr, int y, const std::string& text) {
    canvas.TextOut(xr - canvas.TextWidth(text), y, text);
}

} // namespace

std::string Produkttitel() {
    return text("Druck", "Tervo - VSK / VSKQ Shear Connector");
}
std::string Versionstext() {
    return text("Druck", "VSK - 2.0");
}

std::string SeiteVonText(int seite, int seiten) {
    return ErsetzeProzentS(ErsetzeProzentS(text("Druck", "Page %s of %s"), std::to_string(seite)),
                           std::to_string(seiten));
}

double SeitenRahmen(Canvas& canvas, Berichtskontext& k, const std::string& titel) {
    const Druckzustand& z = k.druck;
    const TKProjektdaten& projekt = k.modell.Projektbeschreibung;
    const TKAnwendung& anwendung = k.Anwendung();
    const int xl = z.CmX(z.ml);
    const int xr = z.CmX(z.Wp - z.mr);

    canvas.stift = Stift{};
    canvas.pinsel.art = Pinselart::Leer;
    canvas.schrift = Schrift{};
    canvas.schrift.name = "Arial";

    // 1. Logo at the top right.
    const int lx = z.CmX(z.Wp - z.mr - 3.69);
    const int ly = z.CmY(z.mt);
    BildAusRessource(canvas, BildDrucklogo, {lx, ly, lx + z.CmX(3.69), ly + z.CmY(1.23)});

    // 2. Product title and title.
    canvas.schrift.groesse = 14;
    canvas.schrift.stil = Normal;
    canvas.TextOut(xl, z.CmY(z.mt), Produkttitel());
    canvas.TextOut(xl, z.CmY(z.mt) + z.L14, titel);
    // The page number under the title (project report only), clear of the rule below and
    // of every page's content.
    if (k.rahmen.seiten > 0) {
        ++k.rahmen.seite;
        canvas.schrift.groesse = 9;
        canvas.TextOut(xl, z.CmY(z.mt + 0.05) + 2 * z.L14,
                       SeiteVonText(k.rahmen.seite, k.rahmen.seiten));
    }

    // 3. Version line.
    canvas.schrift.groesse = 6;
    TextRechts(canvas, xr, z.CmY(z.mt + 1.5), Produkttitel() + " " + Versionstext());

    // 4. Rule under the header.
    canvas.MoveTo(xl, z.CmY(z.mt + 1.8));
    canvas.LineTo(xr, z.CmY(z.mt + 1.8));

    // 5. Date, print date, designer at the right.
    canvas.schrift.groesse = 11;
    int u = z.CmY(z.mt + 1.8) + z.L14;
    TextRechts(canvas, xr, u, text("Druck", "Date: ") + projekt.TDatum);
    TextRechts(canvas, xr, u + z.L11, text("Druck", "Printed from: ") + k.heute);
    TextRechts(canvas, xr, u + 2 * z.L11, text("Druck", "Designer: ") + projekt.TBearbeiter);

    // 6. Company lines.
    const std::string firmaLabel = text("Druck", "Company: ");
    const std::string projektLabel = text("Druck", "Project:  ");
    canvas.TextOut(xl, u, firmaLabel);
    const int xv = xl + std::max(canvas.TextWidth(projektLabel), canvas.TextWidth(firmaLabel));
    const std::size_t zeilen = std::min<std::size_t>(projekt.TFirma.size(), 3);
    for (std::size_t i = 0; i < zeilen; ++i) {
        canvas.TextOut(xv, u, projekt.TFirma[i]);
        u += z.L11;
    }
    if (zeilen == 0) {
        u += z.L10;
    }

    // 7. Building project.
    u += z.CmY(0.15);
    canvas.TextOut(xl, u, projektLabel);
    canvas.TextOut(xv, u, projekt.TBauvorhaben);

    // 8. Position line, only on the picture export of the result page.
    if (titel == text("Druck", "Calculation for ")) {
        u += z.L11;
        canvas.TextOut(xl, u, text("Druck", "Position: "));
        canvas.TextOut(xv, u, anwendung.TPosition);
    }

    // 9. Why the selected type cannot be used.
    const TKMeldungen& fehler = anwendung.cErgebnisse.AktDornErgebnis().Fehler;
    if (k.rahmen.dornFehler && fehler.Count() > 0) {
        canvas.schrift.groesse = 12;
        canvas.schrift.stil = Fett | Kursiv;
        canvas.TextOut(
            xl, u + 2 * z.L10,
            text("Druck", "The use of the connector is not possible for the following reasons:"));
        canvas.schrift.groesse = 10;
        canvas.schrift.stil = Normal;
        u += 2 * z.L10 + z.CmY(0.15);
        for (const std::uint16_t code : fehler.Codes()) {
            u += z.L10;
            canvas.TextOut(xl, u, Tabellentext(k.texte.StatusLang, code));
        }
    }

    // 10. Content top.
    const int einCm = z.CmY(1);
    double oben = einCm > 0 ? static_cast<double>(u) / einCm : 1.0;
    oben = std::max(oben, 1.0);
    k.druck.inhaltOben = oben;

    // 11. Footer with the national offices.
    canvas.schrift.groesse = 6;
    const int yf = z.CmY(z.Hp - z.mb) - 5 * z.L6;
    static constexpr std::array<float, 6> spalten{0.0f, 2.7f, 5.15f, 8.75f, 11.5f, 14.9f};
    const auto& buero = Landesvertretungen();
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        const int x = xl + z.CmX(spalten[i]);
        canvas.schrift.stil = Fett;
        canvas.TextOut(x, yf, buero[i].land);
        canvas.schrift.stil = Normal;
        canvas.TextOut(x, yf + z.L6, buero[i].firma);
        canvas.TextOut(x, yf + 2 * z.L6, buero[i].telefon);
        canvas.TextOut(x, yf + 3 * z.L6, buero[i].fax);
        canvas.TextOut(x, yf + 4 * z.L6, buero[i].email);
    }
    return oben;
}

} // namespace vsk
