#include "mainwindow/ui/Dateibefehle.h"

#include "design/ProjektOeffnen.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/HauptMaske.h"
#include "model/Projektdatei.h"
#include "shell/Texte.h"
#include "shell/qt/QtDateien.h"
#include "shell/ui/Programm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

namespace vsk {

namespace {

constexpr const char* Sektion = "ZuletztGeoeffnet";

std::string Schluessel(int i) {
    return "Datei" + std::to_string(i + 1);
}

// The busy cursor for the lifetime of the object.
struct Sanduhr {
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

} // namespace

TDateibefehle::TDateibefehle(TfrmHauptMaske& fenster, Programm& programm, QMenu& dateiMenue)
    : QObject(&fenster), fenster_(fenster), programm_(programm), dateiMenue_(dateiMenue),
      dialoge_(QtDateidialoge()) {
    const THauptAktionen& a = fenster.Aktionen();
    trenner_ = dateiMenue_.insertSeparator(a.beenden);
    connect(a.neu, &QAction::triggered, this, &TDateibefehle::Neu);
    connect(a.oeffnen, &QAction::triggered, this, &TDateibefehle::Oeffnen);
    connect(a.speichern, &QAction::triggered, this, &TDateibefehle::Speichern);
    connect(a.speichernUnter, &QAction::triggered, this, &TDateibefehle::SpeichernUnter);
    LeseZuletzt();
    BaueZuletztMenue();
}

TDateibefehle::~TDateibefehle() = default;

void TDateibefehle::SetzeDialoge(std::unique_ptr<TDateidialoge> dialoge) {
    dialoge_ = std::move(dialoge);
}

// ---------------------------------------------------------------- commands

void TDateibefehle::Neu() {
    if (!FrageSpeichern()) {
        return;
    }
    fenster_.FormCreate();
    fenster_.AktualisiereEingaben();
}

void TDateibefehle::Oeffnen() {
    if (!FrageSpeichern()) {
        return;
    }
    const QString pfad = dialoge_->Oeffnen(&fenster_);
    if (!pfad.isEmpty()) {
        OeffneProjekt(pfad);
    }
}

bool TDateibefehle::Speichern() {
    if (fenster_.Dateiname().isEmpty()) {
        return SpeichernUnter();
    }
    return SpeichereNach(fenster_.Dateiname());
}

bool TDateibefehle::SpeichernUnter() {
    const QString pfad = dialoge_->SpeichernUnter(&fenster_, Vorschlag());
    return !pfad.isEmpty() && SpeichereNach(pfad);
}

bool TDateibefehle::SpeichereNach(const QString& pfad) {
    bool ok = false;
    {
        const Sanduhr sanduhr;
        ok = SaveProjekt(programm_.AktModell(), PfadAus(pfad), programm_.plattform());
    }
    if (ok) {
        programm_.Verlauf().Gespeichert(programm_.AktModell());
        fenster_.SetzeTitel(pfad);
        Merke(pfad);
    }
    return ok;
}

QString TDateibefehle::Vorschlag() const {
    const QString projekt =
        QString::fromStdString(programm_.AktModell().Projektbeschreibung.TBauvorhaben);
    return projekt.trimmed().isEmpty() ? QString() : projekt + QStringLiteral(".VSK");
}

bool TDateibefehle::FrageSpeichern() {
    // What is typed in a field counts once the field is left.
    if (QWidget* fokus = QApplication::focusWidget();
        fokus != nullptr && fokus->window() == &fenster_ && qobject_cast<QLineEdit*>(fokus)) {
        fenster_.FokusWeiter();
    }
    Bearbeitungsverlauf& verlauf = programm_.Verlauf();
    verlauf.Festschreiben(programm_.AktModell());
    if (!verlauf.Geaendert()) {
        return true;
    }
    const Antwort antwort = programm_.plattform().FrageJaNeinAbbrechen(
        text("Eingabe", "Do you want to save current calculation?"));
    switch (antwort) {
    case Antwort::Nein:
        return true;
    case Antwort::Abbrechen:
        return false;
    case Antwort::Ja:
        break;
    }
    // The caption and the current file name stay as they are here.
    TKModell& m = programm_.AktModell();
    QString pfad = fenster_.Dateiname();
    if (pfad.isEmpty()) {
        pfad = dialoge_->SpeichernUnter(&fenster_, Vorschlag());
        if (pfad.isEmpty()) {
            return false;
        }
    }
    const Sanduhr sanduhr;
    if (!SaveProjekt(m, PfadAus(pfad), programm_.plattform())) {
        return false;
    }
    verlauf.Gespeichert(m);
    return true;
}

bool TDateibefehle::OeffneProjekt(const QString& pfad) {
    // The project keeps its file by the absolute name: a recovery copy taken over in a run
    // started elsewhere must still be saved to that file.
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    if (!Lade(absolut, absolut)) {
        return false;
    }
    Merke(absolut);
    return true;
}

bool TDateibefehle::StelleWiederHer(const QString& kopie, const QString& dateiname) {
    if (!Lade(kopie, dateiname)) {
        return false;
    }
    programm_.AktModell().FileName = PfadAus(dateiname).string();
    programm_.Verlauf().Ungespeichert();
    return true;
}

bool TDateibefehle::Lade(const QString& pfad, const QString& datei) {
    const Sanduhr sanduhr;
    // The file is read into a project of its own: the open project stays, with its file
    // name, until the file has been read completely. The reader shows what failed.
    std::unique_ptr<TKModell> neu = programm_.LeeresModell();
    if (!OeffneProjektdatei(*neu, PfadAus(pfad), programm_.plattform())) {
        return false;
    }
    try {
        programm_.ErsetzeModell(std::move(neu)); // the old project writes its load factors
    } catch (const SchreibFehler& fehler) {
        programm_.plattform().Fehler(fehler.what());
    }
    programm_.EingabeOK = true;
    TKModell& m = programm_.AktModell();
    fenster_.SetzeTitel(datei);
    QSpinBox& wahl = fenster_.Positionswahl();
    {
        const QSignalBlocker sperre(&wahl);
        wahl.setMaximum(m.TAnzAnwendung());
        wahl.setValue(m.TAktAnwendung);
    }
    fenster_.BaueAktuellePositionen();
    fenster_.ZeigeAnwendung();
    return true;
}

// ---------------------------------------------------------------- recent files

void TDateibefehle::LeseZuletzt() {
    zuletzt_.clear();
    for (int i = 0; i < MaxZuletzt; ++i) {
        // Stored as the file name's bytes, like every path.
        const QString pfad =
            PfadText(programm_.einstellungen().ReadString(Sektion, Schluessel(i), {}));
        if (!pfad.trimmed().isEmpty() && !zuletzt_.contains(pfad)) {
            zuletzt_ << pfad;
        }
    }
}

void TDateibefehle::SchreibeZuletzt() {
    try {
        programm_.einstellungen().SchreibeZusammen([this] {
            for (int i = 0; i < MaxZuletzt; ++i) {
                const QString pfad = i < zuletzt_.size() ? zuletzt_[i] : QString();
                programm_.einstellungen().WriteString(Sektion, Schluessel(i),
                                                      PfadAus(pfad).string());
            }
        });
    } catch (const SchreibFehler& fehler) {
        // The list is a convenience: it stays in the menu for this run, and the user
        // hears once that it cannot be kept.
        if (!zuletztFehlerGezeigt_) {
            zuletztFehlerGezeigt_ = true;
            programm_.plattform().Fehler(fehler.what());
        }
    }
}

void TDateibefehle::Merke(const QString& pfad) {
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    zuletzt_.removeAll(absolut);
    zuletzt_.prepend(absolut);
    while (zuletzt_.size() > MaxZuletzt) {
        zuletzt_.removeLast();
    }
    SchreibeZuletzt();
    BaueZuletztMenue();
}

void TDateibefehle::ZuletztOeffnen(const QString& pfad) {
    if (!QFileInfo(pfad).isFile()) {
        programm_.plattform().Meldung(text("Eingabe", "Cannot open file!"));
        zuletzt_.removeAll(pfad);
        SchreibeZuletzt();
        BaueZuletztMenue();
        return;
    }
    if (FrageSpeichern()) {
        OeffneProjekt(pfad);
    }
}

void TDateibefehle::BaueZuletztMenue() {
    for (QAction* eintrag : zuletztEintraege_) {
        dateiMenue_.removeAction(eintrag);
        eintrag->deleteLater();
    }
    zuletztEintraege_.clear();
    for (int i = 0; i < zuletzt_.size(); ++i) {
        const QString pfad = zuletzt_[i];
        // An ampersand in the path is shown, not taken as the accelerator.
        QString anzeige = QDir::toNativeSeparators(pfad);
        anzeige.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* eintrag = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(anzeige), this);
        eintrag->setObjectName(QStringLiteral("mnuZuletzt%1").arg(i + 1));
        eintrag->setStatusTip(pfad);
        connect(eintrag, &QAction::triggered, this, [this, pfad] { ZuletztOeffnen(pfad); });
        dateiMenue_.insertAction(trenner_, eintrag);
        zuletztEintraege_.push_back(eintrag);
    }
    trenner_->setVisible(!zuletzt_.isEmpty());
}

} // namespace vsk
