// start: the CD start program. It lets the user choose a language and starts the
// installer of the design program or of a PDF reader from the disc.

#include "shell/qt/QtDateien.h"
#include "shell/qt/QtProgrammstarter.h"
#include "shell/ui/DialogPlattform.h"
#include "startprogram/StartupFenster.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("start"));
    QApplication::setApplicationDisplayName(QStringLiteral("VSK Setup program"));

    vsk::Startumgebung umgebung;
    umgebung.programmdatei = vsk::PfadAus(QCoreApplication::applicationFilePath());
    umgebung.arbeitsverzeichnis = vsk::PfadAus(QDir::currentPath());
    umgebung.tempverzeichnis = vsk::PfadAus(QDir::tempPath());

    vsk::DialogPlattform plattform(umgebung.programmdatei, QLocale::system(),
                                   [] { return QApplication::applicationDisplayName(); });
    vsk::QtProgrammstarter starter;
    vsk::TfrmStartup frmStartup(umgebung, plattform, starter);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        QRect mitte = frmStartup.frameGeometry();
        mitte.moveCenter(bildschirm->availableGeometry().center());
        frmStartup.move(mitte.topLeft());
    }
    frmStartup.show();
    return QApplication::exec();
}
