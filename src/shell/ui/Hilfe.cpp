#include "shell/ui/Hilfe.h"

#include "shell/qt/QtDateien.h"
#include "shell/ui/HilfeFenster.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vsk::Hilfe {

namespace {

// Like the application's help file name: one setting for the whole program.
std::filesystem::path& GesetztesVerzeichnis() {
    static std::filesystem::path verzeichnis;
    return verzeichnis;
}

TfrmHilfe& Fenster(QWidget* von) {
    QWidget* ueber = von ? von->window() : QApplication::activeWindow();
    TfrmHilfe* hilfe = OffenesFenster();
    if (hilfe && hilfe->Index().Verzeichnis() != PfadText(Verzeichnis())) {
        delete hilfe; // the folder changed: read the pages again
        hilfe = nullptr;
    }
    if (!hilfe) {
        hilfe = new TfrmHilfe(PfadText(Verzeichnis()), ueber);
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
    return PfadAus(QCoreApplication::applicationDirPath()) / "help";
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

int KontextFuer(const QString& fenstername) {
    const std::pair<const char*, int> kontexte[] = {
        {"frmHauptMaske", 210},        {"frmbeliebigeLast", 220}, {"frmBemessung", 230},
        {"frmFarbeinstellung", 240},   {"frmBewehrung", 250},     {"frmProjektdaten", 260},
        {"frmProjektverwaltung", 270}, {"frmStueckliste", 280}};
    for (const auto& [name, kontext] : kontexte) {
        if (fenstername == QLatin1String(name)) {
            return kontext;
        }
    }
    return 0;
}

void F1(QWidget* fenster) {
    QWidget* w = fenster ? fenster->window() : nullptr;
    if (qobject_cast<TfrmHilfe*>(w)) {
        static_cast<TfrmHilfe*>(w)->ZeigeBenutzung();
        return;
    }
    const int kontext = w ? KontextFuer(w->objectName()) : 0;
    if (kontext > 0) {
        ZeigeKontext(kontext, w);
    } else {
        ZeigeInhalt(w);
    }
}

namespace {
class F1Filter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objekt, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto* taste = static_cast<QKeyEvent*>(e);
            if (taste->key() == Qt::Key_F1 && taste->modifiers() == Qt::NoModifier &&
                objekt->isWidgetType()) {
                F1(static_cast<QWidget*>(objekt));
                return true;
            }
        }
        return QObject::eventFilter(objekt, e);
    }
};
} // namespace

void InstalliereF1() {
    const QString name = QStringLiteral("vskF1Hilfe");
    if (!qApp->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) {
        auto* filter = new F1Filter(qApp);
        filter->setObjectName(name);
        qApp->installEventFilter(filter);
    }
}

} // namespace vsk::Hilfe
