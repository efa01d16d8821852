#pragma once
// The picture commands of the main window (BildSpeichern, BildInZwischenablage): the
// preview page (Export Results to File / to Clipboard), the sketch image (its pop-up
// menu) and the zoom window's picture, as a file or on the clipboard.

#include "canvas/qt/Bilddatei.h"

#include <QObject>
#include <QString>

#include <functional>

class QImage;

namespace vsk {

class Programm;
class TBerichtbefehle;
class TDateibefehle;
class TfrmHauptMaske;
class TfrmZoom;

class TBildbefehle final : public QObject {
    Q_OBJECT
public:
    TBildbefehle(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien,
                 TBerichtbefehle& berichte);

    void VorschauSpeichern();
    void VorschauKopieren();
    void SkizzeSpeichern();
    void SkizzeKopieren();
    void ZoomSpeichern(TfrmZoom& zoom);
    void ZoomKopieren(TfrmZoom& zoom);

    // The picture tun gets: the bitmap as shown, and its vector drawing (valid during the
    // call only).
    using Bildaufgabe = std::function<void(const QImage& bitmap, const Vektorzeichnung& vektor)>;
    void MitVorschaubild(const Bildaufgabe& tun);
    void MitSkizzenbild(const QImage& bitmap, const Bildaufgabe& tun);

private:
    void BildSpeichern(const QImage& bitmap, const Vektorzeichnung& vektor);
    QString Startordner() const;

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    TDateibefehle& dateien_;
    TBerichtbefehle& berichte_;
    Bildtyp typ_ = Bildtyp::Emf; // the dialog's default extension, kept for the run
    QString ordner_;             // where the last picture went
};

} // namespace vsk
