// vsk-bildschirmfotos [--language ID|ext] [--out DIR] [PROJECT.VSK]
//
// Photographs the design program as a user meets it, in one language: the splash, the main
// window in input mode, its menus, the results overview, the report preview and every
// window the commands open. Translators check their texts with it (nothing clipped), the
// user guide takes its pictures from it. Runs on any Qt platform, also offscreen.

#include "Fotograf.h"
#include "cli/Sprache.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/Sprachmodule.h"
#include "shell/qt/QtPlattform.h"
#include "shell/qt/Sprachumschaltung.h"
#include "shell/ui/Programm.h"
#include "shell/ui/SplashFenster.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using vsk::Fotograf;

// Messages go to standard error and questions take their default answer (nothing blocks);
// the settings file is a private one, so the user's settings stay untouched.
class FotoPlattform final : public vsk::QtPlattform {
public:
    FotoPlattform(std::filesystem::path programmdatei, std::filesystem::path einstellungen)
        : QtPlattform(std::move(programmdatei)), einstellungen_(std::move(einstellungen)) {}
    std::filesystem::path Einstellungsdatei() const override { return einstellungen_; }

private:
    std::filesystem::path einstellungen_;
};

std::filesystem::path Pfad(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

void Menues(Fotograf& foto, vsk::TfrmHauptMaske& haupt) {
    for (QAction* eintrag : haupt.menuBar()->actions()) {
        QMenu* menue = eintrag->menu();
        if (!menue) {
            continue;
        }
        menue->popup(haupt.mapToGlobal(haupt.menuBar()->actionGeometry(eintrag).bottomLeft()));
        const int nummer = static_cast<int>(haupt.menuBar()->actions().indexOf(eintrag)) + 1;
        foto.Speichere(*menue, QStringLiteral("menu%1").arg(nummer));
        menue->hide();
    }
}

int Fotografiere(const QStringList& argumente) {
    std::vector<std::string> args;
    for (const QString& a : argumente.mid(1)) {
        args.push_back(a.toStdString());
    }
    QString ziel = QStringLiteral(".");
    QString projekt;
    std::string sprache;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size()) {
            ziel = QString::fromStdString(args[++i]);
        } else if (args[i] == "--language" && i + 1 < args.size()) {
            sprache = args[++i];
        } else if (args[i] == "--help" || args[i] == "-h") {
            std::puts("usage: vsk-bildschirmfotos [--language ID|ext] [--out DIR] [PROJECT.VSK]");
            return 0;
        } else if (!args[i].empty() && args[i][0] == '-') {
            std::fprintf(stderr, "vsk-bildschirmfotos: unknown option %s\n", args[i].c_str());
            return 2;
        } else {
            projekt = QString::fromStdString(args[i]);
        }
    }
    const int id = sprache.empty() ? vsk::sprach_id::Englisch : vsk::cli::SprachIDAus(sprache);
    if (id <= 0) {
        std::fprintf(stderr, "vsk-bildschirmfotos: unknown language %s\n", sprache.c_str());
        return 2;
    }
    if (!QDir().mkpath(ziel)) {
        std::fprintf(stderr, "vsk-bildschirmfotos: cannot create %s\n", qPrintable(ziel));
        return 1;
    }

    // The modules lie beside the design program, which lies beside this tool.
    const auto programmdatei = Pfad(QCoreApplication::applicationDirPath() + "/vsk");
    QTemporaryDir privat;
    const auto ini = Pfad(privat.path()) / "vsk.INI";
    std::ofstream(ini) << "[Anwenderdaten]\nIDSprache=" << id << "\n";
    FotoPlattform plattform(programmdatei, ini);
    vsk::Sprachumschaltung sprachen(programmdatei);
    vsk::Programm programm(plattform);
    Fotograf foto(ziel);

    // The splash loads the stored language as at every start.
    {
        vsk::TfrmSplash splash(sprachen, programm.einstellungen(), plattform, programmdatei);
        splash.show();
        foto.Speichere(splash, QStringLiteral("splash"));
    }
    if (id != vsk::sprach_id::Englisch && !sprachen.ModulGeladen()) {
        std::fprintf(stderr, "vsk-bildschirmfotos: no language module for %s beside %s\n",
                     sprache.c_str(), programmdatei.string().c_str());
        return 1;
    }

    vsk::TfrmHauptMaske haupt(programm);
    haupt.resize(1024, 720);
    haupt.show();
    if (!projekt.isEmpty() && !haupt.OeffneProjekt(projekt)) {
        return 1;
    }
    const vsk::THauptAktionen& a = haupt.Aktionen();
    foto.Speichere(haupt, QStringLiteral("input"));
    Menues(foto, haupt);
    foto.Fenster(QStringLiteral("design_settings"), [&] { a.bemessung->trigger(); });
    foto.Fenster(QStringLiteral("colours"), [&] { a.bildschirmfarben->trigger(); });
    foto.Fenster(QStringLiteral("project_data"), [&] { a.projektdaten->trigger(); });
    foto.Fenster(QStringLiteral("project_administration"), [&] { a.projektverwaltung->trigger(); });
    if (auto* beliebig = haupt.findChild<QAbstractButton*>(QStringLiteral("tbbeliebigeLast"))) {
        foto.Fenster(QStringLiteral("arbitrary_load"), [&] { beliebig->click(); });
    }

    a.berechnung->trigger();
    foto.Speichere(haupt, QStringLiteral("results"));
    if (auto* bewehrung = haupt.findChild<QAction*>(QStringLiteral("tbBewehrung"));
        bewehrung && bewehrung->isEnabled()) {
        foto.Fenster(QStringLiteral("reinforcement"), [&] { bewehrung->trigger(); });
    }
    a.vorschau->trigger();
    foto.Speichere(haupt, QStringLiteral("preview"));
    a.systemeingabe->trigger();

    a.stuecklisteHinzufuegen->trigger();
    foto.Fenster(QStringLiteral("schedule"), [&] { a.stuecklisteAnzeigen->trigger(); });
    foto.Fenster(QStringLiteral("about"), [&] { a.info->trigger(); });
    foto.Fenster(QStringLiteral("help"), [&] { a.hilfeInhalt->trigger(); });

    haupt.Freigeben();
    return foto.Fehler() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VSK"));
    return Fotografiere(QCoreApplication::arguments());
}
