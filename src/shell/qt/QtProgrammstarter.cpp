#include "shell/qt/QtProgrammstarter.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace vsk {

namespace {
QString AlsText(const std::filesystem::path& pfad) {
    return QFile::decodeName(pfad.c_str());
}
} // namespace

int QtProgrammstarter::Starte(const Startauftrag& auftrag) {
    if (auftrag.ausfuehren) {
        QStringList argumente;
        for (const std::string& a : auftrag.argumente) {
            argumente << QString::fromStdString(a);
        }
        qint64 pid = 0;
        // Fails when the system refuses to run the file (no known format, no permission).
        const bool gestartet = QProcess::startDetached(AlsText(auftrag.datei), argumente,
                                                       AlsText(auftrag.arbeitsverzeichnis), &pid);
        return gestartet ? startcode::Erfolg : startcode::UngueltigeDatei;
    }
    const bool geoeffnet = QDesktopServices::openUrl(QUrl::fromLocalFile(AlsText(auftrag.datei)));
    return geoeffnet ? startcode::Erfolg : startcode::KeinZugeordnetesProgramm;
}

} // namespace vsk
