#include "mainwindow/ui/Bearbeitungsbefehle.h"

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/HauptMaske.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vsk {

namespace {

enum class Tastenbefehl { Keiner, Rueckgaengig, Wiederholen };

Tastenbefehl BefehlVon(const QKeyEvent& taste) {
    const Qt::KeyboardModifiers mod = taste.modifiers() & ~Qt::KeypadModifier;
    if (mod == Qt::ControlModifier && taste.key() == Qt::Key_Z) {
        return Tastenbefehl::Rueckgaengig;
    }
    if ((mod == Qt::ControlModifier && taste.key() == Qt::Key_Y) ||
        (mod == (Qt::ControlModifier | Qt::ShiftModifier) && taste.key() == Qt::Key_Z)) {
        return Tastenbefehl::Wiederholen;
    }
    return Tastenbefehl::Keiner;
}

QString OhneZugriffstaste(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QStringLiteral("\x01"), QStringLiteral("&&"));
}

} // namespace

TBearbeitungsbefehle::TBearbeitungsbefehle(TfrmHauptMaske& fenster, Programm& programm)
    : QObject(&fenster), fenster_(fenster), programm_(programm),
      rueckgaengigText_(fenster.Aktionen().rueckgaengig->text()),
      wiederholenText_(fenster.Aktionen().wiederholen->text()) {
    const THauptAktionen& a = fenster.Aktionen();
    connect(a.rueckgaengig, &QAction::triggered, this, &TBearbeitungsbefehle::Rueckgaengig);
    connect(a.wiederholen, &QAction::triggered, this, &TBearbeitungsbefehle::Wiederholen);
    programm_.Verlauf().SetzeBeobachter([this] { Aktualisiere(); });
    qApp->installEventFilter(this);
    Aktualisiere();
}

TBearbeitungsbefehle::~TBearbeitungsbefehle() {
    qApp->removeEventFilter(this);
    programm_.Verlauf().SetzeBeobachter({});
}

QLineEdit* TBearbeitungsbefehle::Eingabefeld() const {
    auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return feld && feld->window() == &fenster_ && !feld->isReadOnly() ? feld : nullptr;
}

void TBearbeitungsbefehle::Rueckgaengig() {
    if (QLineEdit* feld = Eingabefeld(); feld && feld->isUndoAvailable()) {
        feld->undo();
        return;
    }
    if (programm_.HatModell() && programm_.Verlauf().Rueckgaengig(programm_.AktModell())) {
        Zeige();
    }
}

void TBearbeitungsbefehle::Wiederholen() {
    if (QLineEdit* feld = Eingabefeld(); feld && feld->isRedoAvailable()) {
        feld->redo();
        return;
    }
    if (programm_.HatModell() && programm_.Verlauf().Wiederholen(programm_.AktModell())) {
        Zeige();
    }
}

void TBearbeitungsbefehle::Zeige() {
    // Showing the restored project is no edit of it.
    const Bearbeitungsverlauf::Pause pause(programm_.Verlauf());
    programm_.EingabeOK = true;
    fenster_.BaueAktuellePositionen();
    fenster_.Baum().SetzeProjektText(
        QString::fromStdString(programm_.AktModell().Projektbeschreibung.TBauvorhaben));
    fenster_.ZeigeAnwendung();
}

void TBearbeitungsbefehle::Aktualisiere() {
    const Bearbeitungsverlauf& v = programm_.Verlauf();
    const THauptAktionen& a = fenster_.Aktionen();
    auto benenne = [](QAction* aktion, const QString& befehl, const std::string& schritt) {
        // "&Undo Slab thickness": the step's name without its access key.
        const QString name = OhneZugriffstaste(QString::fromStdString(schritt));
        aktion->setText(name.isEmpty() ? befehl : befehl + QLatin1Char(' ') + name);
        aktion->setToolTip(OhneZugriffstaste(aktion->text()));
        aktion->setEnabled(!name.isEmpty());
    };
    benenne(a.rueckgaengig, rueckgaengigText_, v.RueckgaengigName());
    benenne(a.wiederholen, wiederholenText_, v.WiederholenName());
    fenster_.SetzeTitel(fenster_.Dateiname());
    emit verlaufGeaendert();
}

bool TBearbeitungsbefehle::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) {
        return false;
    }
    const Tastenbefehl befehl = BefehlVon(*static_cast<QKeyEvent*>(e));
    QLineEdit* feld = Eingabefeld();
    if (befehl == Tastenbefehl::Keiner || feld == nullptr || objekt != feld) {
        return false;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // The key goes to the field, which decides below: its own typing first.
        e->accept();
        return true;
    }
    if (befehl == Tastenbefehl::Rueckgaengig) {
        Rueckgaengig();
    } else {
        Wiederholen();
    }
    return true;
}

} // namespace vsk
