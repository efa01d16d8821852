// vsk-cli report: the calculation report of a position as PDF pages or preview pictures.

#include "cli/Befehle.h"
#include "cli/Positionswahl.h"
#include "design/Katalog.h"
#include "model/Objektmodell.h"
#include "model/Texttabellen.h"
#include "reports/Berichtskontext.h"
#include "reports/Projektbericht.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtPlattform.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <algorithm>
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
    bool alle = false;    // the project report of every position
    bool bemessen = true; // design the positions not calculated first
};

// An empty text on success, else the usage error.
std::string LeseOptionen(const Argumente& argumente, Optionen& o) {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        auto wert = [&] { return NaechsterWert(argumente, i); };
        if (std::string fehler; LiesPositionswahl(argumente, i, o.wahl, fehler)) {
            if (!fehler.empty()) {
                return fehler;
            }
        } else if (a == "--pdf") {
            const auto w = wert();
            if (!w || w->empty()) {
                return "--pdf needs a file name";
            }
            o.pdf = *w;
        } else if (a == "--all") {
            o.alle = true;
        } else if (a == "--no-design") {
            o.bemessen = false;
        } else if (a == "--png") {
            const auto w = wert();
            if (!w || w->empty()) {
                return "--png needs a directory";
            }
            o.pngVerzeichnis = *w;
        } else if (o.datei.empty() && !a.empty() && a[0] != '-') {
            o.datei = a;
        } else {
            return "unexpected argument \"" + a + "\"";
        }
    }
    if (o.datei.empty()) {
        return "a project file is needed";
    }
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
    QtPlattform plattform(QCoreApplication::applicationFilePath().toStdString());
    if (o.alle) {
        return Projektreport(o, plattform);
    }
    TKModell modell(nullptr, plattform.HeuteText());
    if (auto status = WaehlePosition("report", o.datei, o.wahl, plattform, modell)) {
        return *status;
    }
    if (auto status = BemesseAktuellePosition("report", o.wahl, plattform, modell)) {
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
            "      designs the position (the current one unless given) as the Calculation\n"
            "      command does and writes its calculation report: --pdf as A4 PDF pages,\n"
            "      --png as the preview pages (page-1.png ...) at 96 pixels per inch;\n"
            "      --type reports another connector type than the recommended one\n"
            "  report FILE --all --pdf OUT.pdf [--no-design]\n"
            "      the project report: a summary of every position, each position's\n"
            "      calculation report and the connector schedule in one PDF file, with\n"
            "      \"Page k of n\" and a bookmark per position; positions not calculated\n"
            "      are designed first as the Calculation command does (not with\n"
            "      --no-design), the file itself stays as it is\n",
            Report};
}

} // namespace vsk::cli
