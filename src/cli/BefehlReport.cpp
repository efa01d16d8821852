// vsk-cli report: the calculation report of a position as PDF pages or preview pictures.

#include "cli/Befehle.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "model/Texttabellen.h"
#include "reports/Berichtskontext.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/Zahlen.h"

#include <QDir>
#include <QString>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace vsk::cli {

namespace {

struct Optionen {
    std::string datei;
    Positionswahl wahl;
    std::string pdf;
    std::string pngVerzeichnis;
};

// An empty text on success, else the usage error.
std::string LeseOptionen(const Argumente& argumente, Optionen& o) {
    Optionsleser leser;
    PositionswahlOptionen(leser, o.wahl);
    leser.Text({"--pdf"}, o.pdf, "--pdf needs a file name");
    leser.Text({"--png"}, o.pngVerzeichnis, "--png needs a directory");
    leser.Datei(o.datei, "a project file is needed");
    if (std::string fehler = leser.Lies(argumente); !fehler.empty()) {
        return fehler;
    }
    if (o.pdf.empty() && o.pngVerzeichnis.empty()) {
        return "--pdf OUT.pdf or --png DIR is needed";
    }
    return {};
}

int Report(const Argumente& argumente) {
    Optionen o;
    if (const std::string fehler = LeseOptionen(argumente, o); !fehler.empty()) {
        std::cerr << "vsk-cli report: " << fehler << "\n";
        return 2;
    }
    Plattform& plattform = KonsolenPlattform();
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
        const QString verzeichnis = QString::fromStdString(o.pngVerzeichnis);
        if (!QDir().mkpath(verzeichnis)) {
            std::cerr << "vsk-cli report: cannot create the directory \"" << o.pngVerzeichnis
                      << "\"\n";
            return 1;
        }
        const std::vector<QImage> seiten = BerichtsVorschau(k, geometrie, 96);
        for (std::size_t i = 0; i < seiten.size(); ++i) {
            const QString name =
                QDir(verzeichnis).filePath(QStringLiteral("page-%1.png").arg(i + 1));
            if (!seiten[i].save(name, "PNG")) {
                std::cerr << "vsk-cli report: cannot write \"" << name.toStdString() << "\"\n";
                return 1;
            }
            std::cout << name.toStdString() << ": " << beschreibung << "\n";
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
            "      inch; --type reports another connector type\n",
            Report};
}

} // namespace vsk::cli
