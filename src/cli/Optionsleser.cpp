#include "cli/Optionsleser.h"

#include "model/Exportname.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>

namespace vsk::cli {

void Optionsleser::Schalter(const std::string& name, bool& an) {
    optionen_.push_back({{name}, &an, {}, {}});
}

void Optionsleser::Wert(std::vector<std::string> namen,
                        std::function<bool(const std::string&)> nimm, std::string fehler) {
    optionen_.push_back({std::move(namen), nullptr, std::move(nimm), std::move(fehler)});
}

void Optionsleser::Text(std::vector<std::string> namen, std::string& ziel, std::string fehler) {
    Wert(
        std::move(namen),
        [&ziel](const std::string& wert) {
            ziel = wert;
            return !wert.empty();
        },
        std::move(fehler));
}

void Optionsleser::Ausgabe(std::vector<std::string> namen, std::string& ziel, std::string fehler,
                           std::string endung, bool ersetztDatei) {
    if (!ersetztDatei) {
        ausgaben_.push_back(&ziel);
    }
    Wert(
        std::move(namen),
        [&ziel, endung = std::move(endung)](const std::string& wert) {
            ziel = wert.empty() ? wert : MitStandardEndung(wert, endung);
            return !wert.empty();
        },
        std::move(fehler));
}

void Optionsleser::Datei(std::string& ziel, std::string fehlt, bool standardeingabe) {
    datei_ = &ziel;
    standardeingabe_ = standardeingabe;
    dateiFehlt_ = std::move(fehlt);
}

const Optionsleser::Option* Optionsleser::Finde(const std::string& name) const {
    for (const Option& o : optionen_) {
        if (std::find(o.namen.begin(), o.namen.end(), name) != o.namen.end()) {
            return &o;
        }
    }
    return nullptr;
}

std::string Optionsleser::Lies(const Argumente& argumente) const {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (const Option* o = Finde(a)) {
            if (o->schalter != nullptr) {
                *o->schalter = true;
            } else if (i + 1 >= argumente.size() || !o->nimm(argumente[++i])) {
                return o->fehler;
            }
        } else if (datei_ != nullptr && datei_->empty() && !a.empty() &&
                   (a[0] != '-' || (standardeingabe_ && a == "-"))) {
            *datei_ = a;
        } else {
            return QCoreApplication::translate("vsk-cli", "unexpected argument").toStdString() +
                   " \"" + a + "\"";
        }
    }
    if (datei_ != nullptr && datei_->empty()) {
        return dateiFehlt_;
    }
    // Another format written over the file it is made from would lose that file.
    for (const std::string* ausgabe : ausgaben_) {
        std::error_code fehler;
        if (datei_ != nullptr && *datei_ != "-" && !ausgabe->empty() &&
            std::filesystem::equivalent(*datei_, *ausgabe, fehler)) {
            return QCoreApplication::translate("vsk-cli", "the output would replace the input "
                                                          "file")
                       .toStdString() +
                   " \"" + *ausgabe + "\"";
        }
    }
    return {};
}

} // namespace vsk::cli
