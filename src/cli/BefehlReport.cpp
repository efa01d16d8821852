// vsk-cli report: the calculation report of a position as PDF pages or preview pictures.

#include "cli/Befehle.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "model/Texttabellen.h"
#include "reports/Berichtskontext.h"
#include "reports/Projektbericht.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/Dateischreiber.h"
#include "shell/Zahlen.h"

#include "shell/qt/QtDateien.h"
#include <QDir>
#include <QString>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace vsk::cli {

namespace {

std::filesystem::path Seitendatei(const std::filesystem::path& verzeichnis, std::size_t nummer) {
    return verzeichnis / ("page-" + std::to_string(nummer) + ".png");
}

// The pages as "page-1.png" ... in the folder; empty when a picture could not be made.
std::vector<Dateiinhalt> SeitenbilderAlsPng(const std::vector<QImage>& seiten,
                                            const std::filesystem::path& verzeichnis) {
    std::vector<Dateiinhalt> dateien;
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        QByteArray png;
        QBuffer puffer(&png);
        puffer.open(QIODevice::WriteOnly);
        if (!seiten[i].save(&puffer, "PNG")) {
            return {};
        }
        dateien.push_back({Seitendatei(verzeichnis, i + 1), std::string(Bytes(png))});
    }
    return dateien;
}

// The pages are written together, and the pages of a longer earlier report removed, so
// the folder holds the pages of one report, never a mixture of two.
Schreibergebnis SchreibeSeitenbilder(const std::vector<Dateiinhalt>& seiten,
                                     const std::filesystem::path& verzeichnis) {
    const Schreibergebnis e = SchreibeDateien(seiten);
    if (e) {
        std::error_code fehler;
        for (std::size_t n = seiten.size() + 1;
             std::filesystem::remove(Seitendatei(verzeichnis, n), fehler); ++n) {
        }
    }
    return e;
}

struct Optionen {
    std::string datei;
    Positionswahl wahl;
    std::string pdf;
    std::string pngVerzeichnis;
    bool alle = false;    // the project report of every position
    bool bemessen = true; // design the positions not calculated first
};

// An empty text on success, else the usage error.
std::string LeseOptionen(const Argumente& argumente, Optionen& o) {
    Optionsleser leser;
    PositionswahlOptionen(leser, o.wahl);
    leser.Ausgabe({"--pdf"}, o.pdf, "--pdf needs a file name", "pdf");
    leser.Text({"--png"}, o.pngVerzeichnis, "--png needs a directory");
    leser.Schalter("--all", o.alle);
    bool ohneBemessung = false;
    leser.Schalter("--no-design", ohneBemessung);
    leser.Datei(o.datei, "a project file is needed");
    if (std::string fehler = leser.Lies(argumente); !fehler.empty()) {
        return fehler;
    }
    o.bemessen = !ohneBemessung;
    if (o.alle) {
        if (o.pdf.empty() || !o.pngVerzeichnis.empty() || o.wahl.position || o.wahl.typ) {
            return "--all needs --pdf OUT.pdf and takes no --png, --position or --type";
        }
    } else if (!o.bemessen) {
        return "--no-design belongs to --all";
    }
    if (o.pdf.empty() && o.pngVerzeichnis.empty()) {
        return "--pdf OUT.pdf or --png DIR is needed";
    }
    return {};
}

// The project report: the summary, every position's report and the schedule.
int Projektreport(const Optionen& o, Plattform& plattform) {
    TKModell modell(nullptr, plattform.HeuteText());
    if (auto status = WaehlePosition("report", o.datei, {}, plattform, modell)) {
        return *status;
    }
    std::optional<Projektbericht> bericht = BereiteProjektberichtVor(modell, plattform, o.bemessen);
    Berichtskontext k(bericht->modell, Texttabellen(), plattform.HeuteText(),
                      plattform.Dezimaltrenner());
    const Ausgabeergebnis e = ProjektberichtAlsPdf(o.pdf, *bericht, k, AktuelleDruckergeometrie());
    if (!e.ok) {
        std::cerr << "vsk-cli report: cannot write \"" << o.pdf << "\": " << e.fehler << "\n";
        return 1;
    }
    const auto nichtBerechnet =
        std::count_if(bericht->zeilen.begin(), bericht->zeilen.end(), [](const Projektzeile& z) {
            return z.status == Positionsstatus::NichtBerechnet;
        });
    std::cout << o.pdf << ": " << e.seiten << " pages, " << bericht->zeilen.size() << " positions";
    if (nichtBerechnet > 0) {
        std::cout << ", " << nichtBerechnet << " not calculated";
    }
    std::cout << "\n";
    return 0;
}

int Report(const Argumente& argumente) {
    Optionen o;
    if (const std::string fehler = LeseOptionen(argumente, o); !fehler.empty()) {
        std::cerr << "vsk-cli report: " << fehler << "\n";
        return 2;
    }
    Plattform& plattform = KonsolenPlattform();
    if (o.alle) {
        return Projektreport(o, plattform);
    }
    TKModell modell(nullptr, plattform.HeuteText());
    if (auto status = LadeUndBemesse("report", o.datei, o.wahl, plattform, modell)) {
        return *status;
    }
    const int nummer = modell.TAktAnwendung;
    TKAnwendung& position = modell.AktuelleAnwendung();

    Berichtskontext k(modell, Texttabellen(), plattform.HeuteText(), plattform.Dezimaltrenner());
    const Druckergeometrie geometrie = AktuelleDruckergeometrie();
    const std::string beschreibung =
        DornName(position.cErgebnisse.TAktDorn) + ", position " + std::to_string(nummer);

    if (!o.pdf.empty()) {
        const Ausgabeergebnis e = BerichtAlsPdf(o.pdf, k, geometrie);
        if (!e.ok) {
            std::cerr << "vsk-cli report: cannot write \"" << o.pdf << "\": " << e.fehler << "\n";
            return 1;
        }
        std::cout << o.pdf << ": " << e.seiten << " pages, " << beschreibung << "\n";
    }
    if (!o.pngVerzeichnis.empty()) {
        const std::filesystem::path verzeichnis = o.pngVerzeichnis;
        std::error_code fehler;
        std::filesystem::create_directories(verzeichnis, fehler);
        if (fehler) {
            std::cerr << "vsk-cli report: cannot create the directory \"" << o.pngVerzeichnis
                      << "\"\n";
            return 1;
        }
        const std::vector<Dateiinhalt> seiten =
            SeitenbilderAlsPng(BerichtsVorschau(k, geometrie, 96), verzeichnis);
        if (seiten.empty()) {
            std::cerr << "vsk-cli report: the page pictures could not be made\n";
            return 1;
        }
        if (const Schreibergebnis e = SchreibeSeitenbilder(seiten, verzeichnis); !e) {
            std::cerr << "vsk-cli report: cannot write \"" << e.datei.string()
                      << "\": " << e.Grund() << "\n";
            return 1;
        }
        for (const Dateiinhalt& seite : seiten) {
            std::cout << seite.ziel.string() << ": " << beschreibung << "\n";
        }
    }
    return 0;
}

} // namespace

Befehl BefehlReport() {
    return {"report",
            "  report FILE [--position N] [--type I] [--pdf OUT.pdf] [--png DIR]\n"
            "      writes the calculation report of the position (the current one unless\n"
            "      given): a calculated position with its stored results and selected type,\n"
            "      another one designed first as the Calculation command does; --pdf as A4\n"
            "      PDF pages, --png as the preview pages (page-1.png ...) at 96 pixels per\n"
            "      inch; --type reports another connector type\n"
            "  report FILE --all --pdf OUT.pdf [--no-design]\n"
            "      writes the project report: a summary page, the report of every position\n"
            "      and the connector schedule in one PDF; positions without results are\n"
            "      designed first, or listed as not calculated with --no-design\n",
            Report};
}

} // namespace vsk::cli
