// vsk-cli schedule FILE --txt OUT: the connector schedule of a project as text.

#include "cli/Befehle.h"
#include "cli/ProjektLaden.h"
#include "reports/ListeExport.h"

#include <QCoreApplication>
#include <iostream>

namespace vsk::cli {

namespace {

int Ausfuehren(const Argumente& argumente) {
    auto text = [](const char* quelle) {
        return QCoreApplication::translate("vsk-cli", quelle).toStdString();
    };
    std::string datei;
    std::string txt;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--txt" && i + 1 < argumente.size() && txt.empty()) {
            txt = argumente[++i];
        } else if (!a.empty() && a[0] != '-' && datei.empty()) {
            datei = a;
        } else {
            std::cerr << "vsk-cli schedule: " << text("unexpected argument") << " \"" << a
                      << "\"\n";
            return 2;
        }
    }
    if (datei.empty() || txt.empty()) {
        std::cerr << "vsk-cli schedule: " << text("expects a project file and --txt OUT") << '\n';
        return 2;
    }
    auto projekt = LadeProjekt(datei);
    if (!projekt) {
        return 1;
    }
    return ListeExportieren(projekt->modell, txt, KonsolenPlattform()) ? 0 : 1;
}

} // namespace

Befehl BefehlSchedule() {
    return {"schedule",
            "  schedule FILE --txt OUT\n"
            "      writes the connector schedule of the project as fixed-width text (UTF-8,\n"
            "      CR LF line ends)\n",
            Ausfuehren};
}

} // namespace vsk::cli
