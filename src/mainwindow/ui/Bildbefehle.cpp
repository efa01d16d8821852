#include "mainwindow/ui/Bildbefehle.h"

#include "canvas/qt/QtCanvas.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Berichtbefehle.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/Vorschau.h"
#include "reports/Berichtskontext.h"
#include "shell/qt/QtDateien.h"
#include "shell/ui/Programm.h"
#include "sketches/Skizzen.h"
#include "sketches/Zeichenkontext.h"
#include "sketches/qt/Exportbilder.h"
#include "sketches/ui/ZoomFenster.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace vsk {

TBildbefehle::TBildbefehle(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien,
                           TBerichtbefehle& berichte)
    : QObject(&fenster), fenster_(fenster), programm_(programm), dateien_(dateien),
      berichte_(berichte) {
    const THauptAktionen& a = fenster.Aktionen();
    connect(a.exportDatei, &QAction::triggered, this, &TBildbefehle::VorschauSpeichern);
    connect(a.exportZwischenablage, &QAction::triggered, this, &TBildbefehle::VorschauKopieren);
}

void TBildbefehle::MitVorschaubild(const Bildaufgabe& tun) {
    if (fenster_.VorschauBereich().Bild(TVorschau::Ergebnisseite).isNull() ||
        !programm_.HatModell()) {
        return; // no preview shown yet
    }
    QImage seite;
    Berichtskontext k = berichte_.Exportseite(seite);
    tun(seite, VorschauseitenVektorbild(k, seite.width(), seite.height()));
}

void TBildbefehle::MitSkizzenbild(const QImage& bitmap, const Bildaufgabe& tun) {
    if (bitmap.isNull() || !programm_.HatModell() || !programm_.HatFarben()) {
        return;
    }
    const Zeichenkontext k{programm_.AktModell(), programm_.AktAnwendung(), programm_.Farben(),
                           programm_.Linienbreite, programm_.Trenner()};
    const int art = programm_.AktModell().TSkizzeAnzeige;
    const QSize g = LogischeGroesse(bitmap);
    if (bitmap.devicePixelRatio() == 1) {
        tun(bitmap, SkizzenVektorbild(k, art, g.width(), g.height()));
        return;
    }
    // An export does not depend on the screen: the sketch at pixel ratio 1.
    QImage einfach = Bildschirmbitmap(g, 1);
    {
        QtCanvas canvas(einfach);
        ZeichneSkizze(canvas, Rechteck{0, 0, g.width(), g.height()}, k, art);
    }
    tun(einfach, SkizzenVektorbild(k, art, g.width(), g.height()));
}

void TBildbefehle::VorschauSpeichern() {
    MitVorschaubild([this](const QImage& b, const Vektorzeichnung& v) { BildSpeichern(b, v); });
}

void TBildbefehle::VorschauKopieren() {
    MitVorschaubild(&vsk::BildInZwischenablage);
}

void TBildbefehle::SkizzeSpeichern() {
    MitSkizzenbild(fenster_.Skizze().Bild(),
                   [this](const QImage& b, const Vektorzeichnung& v) { BildSpeichern(b, v); });
}

void TBildbefehle::SkizzeKopieren() {
    MitSkizzenbild(fenster_.Skizze().Bild(), &vsk::BildInZwischenablage);
}

// The zoom window's vector picture is the sketch it shows, drawn anew.
void TBildbefehle::ZoomSpeichern(TfrmZoom& zoom) {
    MitSkizzenbild(zoom.Exportbild(),
                   [this](const QImage& b, const Vektorzeichnung& v) { BildSpeichern(b, v); });
}

void TBildbefehle::ZoomKopieren(TfrmZoom& zoom) {
    MitSkizzenbild(zoom.Exportbild(), &vsk::BildInZwischenablage);
}

QString TBildbefehle::Startordner() const {
    if (!ordner_.isEmpty()) {
        return ordner_;
    }
    const QString projekt = fenster_.Dateiname();
    return projekt.isEmpty() ? QString() : QFileInfo(projekt).absolutePath();
}

void TBildbefehle::BildSpeichern(const QImage& bitmap, const Vektorzeichnung& vektor) {
    const std::optional<TBildwahl> wahl =
        dateien_.Dialoge().BildDatei(&fenster_, typ_, Startordner());
    if (!wahl || wahl->datei.isEmpty()) {
        return;
    }
    typ_ = wahl->typ;
    const std::filesystem::path datei = MitBildEndung(PfadAus(wahl->datei), wahl->typ);
    const QString name = PfadText(datei);
    ordner_ = QFileInfo(name).absolutePath();
    // The dialog confirmed the typed name; the file written may carry another extension.
    std::error_code fehler;
    if (datei != PfadAus(wahl->datei) && std::filesystem::exists(datei, fehler) &&
        !programm_.plattform().FrageJaNein(
            // The DXF window's question, translated there.
            QCoreApplication::translate("vsk::TDXF_Anzeige_Form",
                                        "%1 already exists.\nDo you want to replace it?")
                .arg(name)
                .toStdString())) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Bildergebnis e = vsk::BildSpeichern(bitmap, vektor, datei, wahl->typ);
    QApplication::restoreOverrideCursor();
    if (!e.ok) {
        programm_.plattform().Meldung(e.fehler.toStdString());
    }
}

} // namespace vsk
