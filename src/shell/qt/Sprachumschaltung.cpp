#include "shell/qt/Sprachumschaltung.h"

#include "shell/Sprachmodule.h"
#include "shell/Texte.h"
#include "shell/qt/QtDateien.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vsk {

namespace {
void EntferneUebersetzer(std::unique_ptr<QTranslator>& uebersetzer) {
    if (uebersetzer) {
        QCoreApplication::removeTranslator(uebersetzer.get());
        uebersetzer.reset();
    }
}
// Every module beside the program, read on first use, for textInAllenSprachen.
class AlleModule {
public:
    explicit AlleModule(std::filesystem::path programmdatei)
        : programmdatei_(std::move(programmdatei)) {}

    std::vector<std::string> Texte(const char* kontext, const char* quelle) {
        if (!gelesen_) {
            Lesen();
        }
        std::vector<std::string> texte;
        for (const auto& modul : module_) {
            const QString t = modul->translate(kontext, quelle);
            if (!t.isEmpty()) {
                texte.push_back(t.toStdString());
            }
        }
        return texte;
    }

private:
    void Lesen() {
        gelesen_ = true;
        for (int id : {2057, 2055, 1034, 1036, 1040, 1043}) {
            const auto datei = SprachmodulDatei(programmdatei_, id);
            auto modul = std::make_unique<QTranslator>();
            if (datei && modul->load(PfadText(*datei))) {
                module_.push_back(std::move(modul));
            }
        }
    }

    std::filesystem::path programmdatei_;
    bool gelesen_ = false;
    std::vector<std::unique_ptr<QTranslator>> module_;
};

} // namespace

Sprachumschaltung::Sprachumschaltung(std::filesystem::path programmdatei)
    : programmdatei_(std::move(programmdatei)),
      anzahlSprachen_(AnzahlSprachmodule(programmdatei_)) {
    auto alle = std::make_shared<AlleModule>(programmdatei_);
    SetzeSprachensammler(
        [alle](const char* kontext, const char* quelle) { return alle->Texte(kontext, quelle); });
}

Sprachumschaltung::~Sprachumschaltung() {
    SetzeSprachensammler({});
    EntferneModul();
}

bool Sprachumschaltung::ModulVorhanden(int sprachID) const {
    return SprachmodulDatei(programmdatei_, sprachID).has_value();
}

void Sprachumschaltung::EntferneModul() {
    EntferneUebersetzer(qtTexte_);
    if (modul_) {
        SetzeUebersetzer({});
    }
    EntferneUebersetzer(modul_);
    modulDaten_.clear();
}

bool Sprachumschaltung::LadeSprachmodul(int sprachID) {
    auto datei = SprachmodulDatei(programmdatei_, sprachID);
    if (!datei) {
        return false;
    }
    QFile f(PfadText(*datei));
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray daten = f.readAll();
    auto neu = std::make_unique<QTranslator>();
    if (daten.isEmpty() || !neu->load(reinterpret_cast<const uchar*>(daten.constData()),
                                      static_cast<int>(daten.size()))) {
        return false;
    }

    EntferneUebersetzer(qtTexte_);
    EntferneUebersetzer(modul_);
    modulDaten_ = std::move(daten);
    modul_ = std::move(neu);
    QCoreApplication::installTranslator(modul_.get());

    // Qt's own texts (standard buttons of message boxes) in the same language, when the
    // system has them.
    const QLocale locale = LocaleFuerSprachID(sprachID);
    if (locale.language() != QLocale::English && locale.language() != QLocale::C) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qtTexte_ = std::move(qt);
            QCoreApplication::installTranslator(qtTexte_.get());
        }
    }

    SetzeUebersetzer([](const char* kontext, const char* quelle) {
        return QCoreApplication::translate(kontext, quelle).toStdString();
    });
    return true;
}

QLocale LocaleFuerSprachID(int sprachID) {
    switch (sprachID) {
    case 2057:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    case 1033:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case 2055:
        return QLocale(QLocale::German, QLocale::Switzerland);
    case 1031:
        return QLocale(QLocale::German, QLocale::Germany);
    case 3079:
        return QLocale(QLocale::German, QLocale::Austria);
    case 1034:
    case 3082:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case 1036:
        return QLocale(QLocale::French, QLocale::France);
    case 4108:
        return QLocale(QLocale::French, QLocale::Switzerland);
    case 1040:
        return QLocale(QLocale::Italian, QLocale::Italy);
    case 2064:
        return QLocale(QLocale::Italian, QLocale::Switzerland);
    case 1043:
        return QLocale(QLocale::Dutch, QLocale::Netherlands);
    case 2067:
        return QLocale(QLocale::Dutch, QLocale::Belgium);
    default:
        return QLocale::c();
    }
}

} // namespace vsk
