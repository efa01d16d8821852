// vsk-cli schedule FILE [--txt OUT] [--pdf OUT] [--csv OUT] [--xlsx OUT]: the connector
// schedule of a project as text, as printed pages and as a spreadsheet table; without an
// option the text goes to standard output.

#include "cli/Befehle.h"
#include "cli/Optionsleser.h"
#include "cli/ProjektLaden.h"
#include "model/Texttabellen.h"
#include "reports/ListeExport.h"
#include "reports/ListeTabelle.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/Texte.h"

#include <iostream>

namespace vsk::cli {

namespace {

int Ausfuehren(const Argumente& argumente) {
    std::string datei;
    std::string txt;
    std::string pdf;
    std::string csv;
    std::string xlsx;
    Optionsleser leser;
    leser.Ausgabe({"--txt"}, txt, text("vsk-cli", "--txt needs a file name"), "txt");
    leser.Ausgabe({"--pdf"}, pdf, text("vsk-cli", "--pdf needs a file name"), "pdf");
    leser.Ausgabe({"--csv"}, csv, text("vsk-cli", "--csv needs a file name"), "csv");
    leser.Ausgabe({"--xlsx"}, xlsx, text("vsk-cli", "--xlsx needs a file name"), "xlsx");
    leser.Datei(datei, text("vsk-cli", "expects a project file"));
    if (const std::string fehler = leser.Lies(argumente); !fehler.empty()) {
        std::cerr << "vsk-cli schedule: " << fehler << '\n';
        return 2;
    }
    auto projekt = LadeProjekt(datei);
    if (!projekt) {
        return 1;
    }
    if (txt.empty() && pdf.empty() && csv.empty() && xlsx.empty()) {
        // For reading on the terminal: the lines of the text export with the terminal's
        // line ends.
        for (const std::string& zeile :
             ListeTextZeilen(projekt->modell.Projektbeschreibung, projekt->modell.Stueckliste,
                             KonsolenPlattform().HeuteText())) {
            std::cout << zeile << '\n';
        }
        return std::cout.flush() ? 0 : 1;
    }
    const TKStueckliste& liste = projekt->modell.Stueckliste;
    if ((!txt.empty() && !ListeExportieren(projekt->modell, txt, KonsolenPlattform())) ||
        (!csv.empty() &&
         !ListeTabelleExportieren(liste, csv, Tabellenformat::Csv, KonsolenPlattform())) ||
        (!xlsx.empty() &&
         !ListeTabelleExportieren(liste, xlsx, Tabellenformat::Xlsx, KonsolenPlattform()))) {
        return 1;
    }
    if (!pdf.empty()) {
        Plattform& plattform = KonsolenPlattform();
        Berichtskontext k(projekt->modell, Texttabellen(), plattform.HeuteText(),
                          plattform.Dezimaltrenner());
        const Ausgabeergebnis e = ListeAlsPdf(pdf, k, AktuelleDruckergeometrie());
        if (!e.ok) {
            std::cerr << "vsk-cli schedule: " << text("vsk-cli", "cannot write") << " \"" << pdf
                      << "\": " << e.fehler << '\n';
            return 1;
        }
        std::cout << pdf << ": " << e.seiten << " pages\n";
    }
    return 0;
}

} // namespace

Befehl BefehlSchedule() {
    return {"schedule",
            "  schedule FILE [--txt OUT] [--pdf OUT.pdf] [--csv OUT.csv] [--xlsx OUT.xlsx]\n"
            "      writes the connector schedule of the project as fixed-width text (UTF-8,\n"
            "      CR LF line ends), as printed A4 pages and/or as a spreadsheet table (CSV\n"
            "      in UTF-8 with a header row, or an XLSX workbook): one row per active entry,\n"
            "      numbers as numbers; without an option the text goes to standard output\n",
            Ausfuehren};
}

} // namespace vsk::cli
