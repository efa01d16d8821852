#include "shell/ui/Programmstart.h"

#include "mainwindow/ui/HauptMaske.h"
#include "shell/qt/QtDateien.h"
#include "shell/qt/Sprachumschaltung.h"
#include "shell/ui/DialogPlattform.h"
#include "shell/ui/Hilfe.h"
#include "shell/ui/Programm.h"
#include "shell/ui/SplashFenster.h"

#include <QApplication>
#include <QProxyStyle>
#include <QScreen>
#include <QTimer>
#include <exception>
#include <memory>

namespace vsk {

namespace {

// Hints show half a second after the mouse comes to rest.
class HinweisStil final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* antwort) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return 500;
        }
        return QProxyStyle::styleHint(hint, option, widget, antwort);
    }
};

// An error that escapes an event handler ends that user action, not the program: it is
// shown in the general error display and the event loop goes on.
class Anwendung final : public QApplication {
public:
    Anwendung(int& argc, char** argv) : QApplication(argc, argv) {}
    void SetzePlattform(Plattform* plattform) { plattform_ = plattform; }

    bool notify(QObject* empfaenger, QEvent* e) override {
        try {
            return QApplication::notify(empfaenger, e);
        } catch (const std::exception& fehler) {
            Zeige(fehler.what());
        } catch (...) {
            Zeige("Unexpected error");
        }
        return false;
    }

private:
    void Zeige(const char* text) {
        if (plattform_) {
            plattform_->Fehler(text);
        }
    }
    Plattform* plattform_ = nullptr;
};

} // namespace

int Programmstart(int argc, char** argv, const Startoptionen& optionen) {
    Anwendung app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VSK"));
    QApplication::setStyle(new HinweisStil); // the application takes ownership
    const std::filesystem::path programmdatei = PfadAus(QCoreApplication::applicationFilePath());
    DialogPlattform plattform(programmdatei);
    app.SetzePlattform(&plattform);
    Hilfe::InstalliereF1();
    // The language module chosen on the splash stays loaded for the whole run.
    Sprachumschaltung sprachen(programmdatei);

    Programm programm(plattform);
    // QApplication has taken its own options out of argv.
    programm.Kommandozeile = KommandozeilenDatei(argc, argv);

    // The splash lets the user choose the language before any window exists; how it
    // is closed does not matter.
    auto splash =
        std::make_unique<TfrmSplash>(sprachen, programm.einstellungen(), plattform, programmdatei);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        splash->move(bildschirm->availableGeometry().center() - splash->rect().center());
    }
    if (optionen.splash) {
        splash->exec();
    }

    auto hauptMaske = std::make_unique<TfrmHauptMaske>(programm);
    splash.reset();
    if (optionen.vorDemZeigen) {
        optionen.vorDemZeigen(*hauptMaske);
    }
    hauptMaske->show();
    if (optionen.nachDemStart) {
        // Queued after the first activation, which show() has queued.
        QTimer::singleShot(0, hauptMaske.get(),
                           [&optionen, &hauptMaske] { optionen.nachDemStart(*hauptMaske); });
    }
    QApplication::exec();

    hauptMaske->Freigeben();
    hauptMaske.reset();
    app.SetzePlattform(nullptr);
    return 0;
}

} // namespace vsk
