#include "shell/qt/QtProgrammstarter.h"

#include "shell/qt/QtDateien.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace vsk {

int QtProgrammstarter::Starte(const Startauftrag& auftrag) {
    if (auftrag.ausfuehren) {
        QStringList argumente;
        for (const std::string& a : auftrag.argumente) {
            argumente << QString::fromStdString(a);
        }
        qint64 pid = 0;
        // Fails when the system refuses to run the file (no known format, no permission).
        const bool gestartet = QProcess::startDetached(PfadText(auftrag.datei), argumente,
                                                       PfadText(auftrag.arbeitsverzeichnis), &pid);
        return gestartet ? startcode::Erfolg : startcode::UngueltigeDatei;
    }
    const bool geoeffnet = QDesktopServices::openUrl(QUrl::fromLocalFile(PfadText(auftrag.datei)));
    return geoeffnet ? startcode::Erfolg : startcode::KeinZugeordnetesProgramm;
}

} // namespace vsk
