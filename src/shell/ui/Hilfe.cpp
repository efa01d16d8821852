#include "shell/ui/Hilfe.h"

#include "shell/ui/HilfeFenster.h"

#include <QApplication>
#include <QFile>
#include <QShortcut>
#include <QWidget>

namespace vsk::Hilfe {

namespace {

// Like the application's help file name: one setting for the whole program.
std::filesystem::path& GesetztesVerzeichnis() {
    static std::filesystem::path verzeichnis;
    return verzeichnis;
}

QString Pfadtext(const std::filesystem::path& p) {
    return QFile::decodeName(p.c_str());
}

TfrmHilfe& Fenster(QWidget* von) {
    QWidget* ueber = von ? von->window() : QApplication::activeWindow();
    TfrmHilfe* hilfe = OffenesFenster();
    if (hilfe && hilfe->Index().Verzeichnis() != Pfadtext(Verzeichnis())) {
        delete hilfe; // the folder changed: read the pages again
        hilfe = nullptr;
    }
    if (!hilfe) {
        hilfe = new TfrmHilfe(Pfadtext(Verzeichnis()), ueber);
        if (!ueber) {
            hilfe->setAttribute(Qt::WA_DeleteOnClose);
        }
    } else if (ueber && ueber != hilfe && hilfe->parentWidget() != ueber) {
        // Over a modal dialog only its own child windows can be used.
        const QRect lage = hilfe->geometry();
        hilfe->setParent(ueber, Qt::Window);
        hilfe->setGeometry(lage);
    }
    hilfe->show();
    hilfe->raise();
    hilfe->activateWindow();
    return *hilfe;
}

} // namespace

void SetzeVerzeichnis(const std::filesystem::path& verzeichnis) {
    GesetztesVerzeichnis() = verzeichnis;
}

std::filesystem::path Verzeichnis() {
    if (!GesetztesVerzeichnis().empty()) {
        return GesetztesVerzeichnis();
    }
    return std::filesystem::path(
               QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()) /
           "help";
}

TfrmHilfe* OffenesFenster() {
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* hilfe = qobject_cast<TfrmHilfe*>(w)) {
            return hilfe;
        }
    }
    return nullptr;
}

void ZeigeInhalt(QWidget* von) {
    Fenster(von).ZeigeInhalt();
}

void ZeigeSuche(QWidget* von, const QString& wort) {
    Fenster(von).ZeigeSuche(wort);
}

void ZeigeBenutzung(QWidget* von) {
    Fenster(von).ZeigeBenutzung();
}

bool ZeigeKontext(int kontext, QWidget* von) {
    return Fenster(von).ZeigeKontext(kontext);
}

bool ZeigeThema(const QString& thema, QWidget* von) {
    return Fenster(von).ZeigeThema(thema);
}

void VerbindeF1(QWidget* fenster, int kontext) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, fenster,
                     [fenster, kontext] { ZeigeKontext(kontext, fenster); });
}

} // namespace vsk::Hilfe
