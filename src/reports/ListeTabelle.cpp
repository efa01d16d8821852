#include "reports/ListeTabelle.h"

#include "model/Stueckliste.h"
#include "reports/ListeExport.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"
#include "shell/Utf8.h"
#include "shell/Zahlen.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace vsk {

namespace {

std::string Text(const TKStueckliste::Eintrag& e, int i) {
    return static_cast<std::size_t>(i) < e.size() ? e[static_cast<std::size_t>(i)] : std::string();
}

// A number when the whole text is one (either decimal separator), else text.
Tabellenzelle Zelle(std::string text) {
    const std::optional<double> zahl = LeseZahlBeliebigerTrenner(text);
    return {std::move(text), zahl};
}

Tabellenzelle Zahl(double wert) {
    return {FormatAllgemein(wert), wert};
}

std::string CsvFeld(const Tabellenzelle& z) {
    // A spreadsheet takes a text that starts like a formula for one and runs it: a name
    // typed as "=..." goes out behind an apostrophe, as a text.
    const bool wieFormel = !z.zahl && !z.text.empty() &&
                           std::string_view("=+-@\t\r").find(z.text.front()) != std::string::npos;
    const std::string text = z.zahl ? FormatAllgemein(*z.zahl) : wieFormel ? "'" + z.text : z.text;
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string feld = "\"";
    for (char c : text) {
        feld += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return feld + "\"";
}

// A spreadsheet cell holds at most 32,767 characters: a longer text (a designation pasted
// into a name) is cut there rather than failing the whole export; CSV and text keep it all.
std::string Zellentext(const std::string& text) {
    constexpr std::size_t MaxZeichenJeZelle = 32'767;
    return ErsteZeichen(text, MaxZeichenJeZelle);
}

// A file of our own in the temporary directory, removed with the object.
class Temporaer {
public:
    Temporaer() {
        // A TMPDIR that names no directory: the system's own, as the C library takes it.
        std::error_code fehler;
        std::filesystem::path verzeichnis = std::filesystem::temp_directory_path(fehler);
        if (fehler) {
            verzeichnis = P_tmpdir;
        }
        std::string muster = (verzeichnis / "vsk-xlsx-XXXXXX").string();
        const int fd = mkstemp(muster.data());
        if (fd >= 0) {
            close(fd);
            pfad_ = muster;
        }
    }
    ~Temporaer() {
        if (!pfad_.empty()) {
            std::error_code fehler;
            std::filesystem::remove(pfad_, fehler);
        }
    }
    Temporaer(const Temporaer&) = delete;
    Temporaer& operator=(const Temporaer&) = delete;
    const std::string& Pfad() const { return pfad_; }

private:
    std::string pfad_;
};

} // namespace

Tabelle ListeTabelle(const TKStueckliste& liste) {
    namespace S = StuecklisteSpalte;
    Tabelle t;
    t.kopf = {text("Stueckliste", "Mat.-Pos"),
              text("Stueckliste", "Quantity of parts"),
              text("Stueckliste", "Designation"),
              text("Stueckliste", "Type"),
              text("Stueckliste", "Fire protection sleeve"),
              text("Stueckliste", "max. design Resistance FRd [kN]"),
              text("Stueckliste", "Material"),
              text("Stueckliste", "Text")};
    const std::string beschreibung =
        text("Stueckliste",
             "Shear connectors supply to transverse force transmission in expansion") +
        " " +
        text("Stueckliste",
             "joint and install according to the specification of the wing element.") +
        "\n" + text("Stueckliste", "Double shear connector consisting of dowel element and sleeve");
    int nummer = 0;
    for (int k = 1; k <= liste.EintragCount(); ++k) {
        if (!liste.IstAktiv(k)) {
            continue;
        }
        const TKStueckliste::Eintrag& e = liste.GetEintrag(k);
        t.zeilen.push_back({Zahl(++nummer),
                            Zelle(Text(e, S::SummeDorne)),
                            {Text(e, S::Position), {}},
                            {Text(e, S::Bezeichnung), {}},
                            {Text(e, S::Brandschutz), {}},
                            Zelle(Text(e, S::FRd)),
                            {text("Stueckliste", "stainless steel 1.4462"), {}},
                            {beschreibung, {}}});
    }
    return t;
}

void SchreibeCsv(std::ostream& aus, const Tabelle& tabelle) {
    aus << "\xEF\xBB\xBF";
    const auto zeile = [&](const std::vector<Tabellenzelle>& zellen) {
        for (std::size_t i = 0; i < zellen.size(); ++i) {
            aus << (i == 0 ? "" : ",") << CsvFeld(zellen[i]);
        }
        aus << "\r\n";
    };
    std::vector<Tabellenzelle> kopf;
    for (const std::string& k : tabelle.kopf) {
        kopf.push_back({k, {}});
    }
    zeile(kopf);
    for (const auto& z : tabelle.zeilen) {
        zeile(z);
    }
}

std::optional<std::string> XlsxInhalt(const Tabelle& tabelle) {
    // The library writes to a file only; the caller writes the bytes to the target.
    const Temporaer datei;
    if (datei.Pfad().empty()) {
        return std::nullopt;
    }
    lxw_workbook* mappe = workbook_new(datei.Pfad().c_str());
    if (!mappe) {
        return std::nullopt;
    }
    lxw_worksheet* blatt = workbook_add_worksheet(mappe, "Connector Schedule");
    lxw_format* fett = workbook_add_format(mappe);
    format_set_bold(fett);
    lxw_format* umbruch = workbook_add_format(mappe);
    format_set_text_wrap(umbruch);
    format_set_align(umbruch, LXW_ALIGN_VERTICAL_TOP);
    bool ok = blatt != nullptr;
    for (std::size_t s = 0; ok && s < tabelle.kopf.size(); ++s) {
        ok = worksheet_write_string(blatt, 0, static_cast<lxw_col_t>(s), tabelle.kopf[s].c_str(),
                                    fett) == LXW_NO_ERROR;
    }
    for (std::size_t r = 0; ok && r < tabelle.zeilen.size(); ++r) {
        const auto zeile = static_cast<lxw_row_t>(r + 1);
        for (std::size_t s = 0; ok && s < tabelle.zeilen[r].size(); ++s) {
            const Tabellenzelle& z = tabelle.zeilen[r][s];
            const auto spalte = static_cast<lxw_col_t>(s);
            ok = (z.zahl ? worksheet_write_number(blatt, zeile, spalte, *z.zahl, nullptr)
                         : worksheet_write_string(blatt, zeile, spalte, Zellentext(z.text).c_str(),
                                                  umbruch)) == LXW_NO_ERROR;
        }
    }
    if (ok) {
        worksheet_set_column(blatt, 0, 1, 12, nullptr);
        worksheet_set_column(blatt, 2, 6, 20, nullptr);
        worksheet_set_column(blatt, 7, 7, 60, nullptr);
    }
    if (workbook_close(mappe) != LXW_NO_ERROR || !ok) {
        return std::nullopt;
    }
    std::ifstream ein(datei.Pfad(), std::ios::binary);
    std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    if (!ein.good() && !ein.eof()) {
        return std::nullopt;
    }
    return inhalt;
}

bool ListeTabelleExportieren(const TKStueckliste& liste, const std::filesystem::path& pfad,
                             Tabellenformat format, Plattform& plattform) {
    const Tabelle tabelle = ListeTabelle(liste);
    std::optional<std::string> inhalt;
    if (format == Tabellenformat::Xlsx) {
        inhalt = XlsxInhalt(tabelle);
    } else {
        std::ostringstream csv;
        SchreibeCsv(csv, tabelle);
        inhalt = csv.str();
    }
    if (!inhalt || !SchreibeDatei(pfad, *inhalt)) {
        plattform.Meldung(ListeExportFehlerText());
        return false;
    }
    return true;
}

} // namespace vsk
