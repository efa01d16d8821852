#pragma once
// A drawing area with a world-to-screen mapping: four zoom buttons (held down they
// repeat), mouse-wheel zoom about the cursor, dragging with the left button to move the
// drawing, a double click back to the whole drawing, rubber-band zoom with Shift held
// while dragging, centring with a Shift double click, scroll bars and a coordinate and
// scale read-out. The owner fits the mapping to its
// world box and draws its content through Abbildung() in the paint callback.

#include "sketches/ZoomAbbildung.h"

#include <QPoint>
#include <QWidget>

#include <functional>

class QLabel;
class QPainter;
class QScrollBar;
class QTimer;
class QToolButton;

namespace vsk {

class ZoomMalflaeche;

class Zoom_panel final : public QWidget {
    Q_OBJECT

public:
    explicit Zoom_panel(QWidget* parent = nullptr);

    double ZoomFactor() const { return zoomFaktor_; }
    // 0 stands for the default 1.25.
    void SetZoomFactor(double faktor);
    // Decimal separator of the read-outs.
    void SetzeDezimaltrenner(char trenner);

    // Draws the owner's content after the background; the painter is clipped to the area.
    void SetzeOnPaint(std::function<void(QPainter&)> zeichner) { onPaint_ = std::move(zeichner); }

    const ZoomAbbildung& Abbildung() const { return abbildung_; }
    QWidget& Malflaeche();

    // Fits the world box with the margins (pixels) into the drawing area and repaints.
    void Fit(int randX, int randY, double xmax, double xmin, double ymax, double ymin);

    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    void ZoomLast();

signals:
    void Zoomin();
    void Zoomout();
    void Zoomreset();
    // The mouse moved over the drawing area to the world point (after the first fit).
    void MausBewegt(double x, double y);

private:
    friend class ZoomMalflaeche;

    enum class Richtung { Keine, Hinein, Hinaus };

    void Male(QPainter& maler);
    void MausGedrueckt(const QPoint& p, Qt::KeyboardModifiers tasten);
    void MausBewegung(const QPoint& p);
    void MausLosgelassen(const QPoint& p);
    void Doppelklick(Qt::KeyboardModifiers tasten);
    void Mausrad(const QPoint& p, int schritte);
    void GroesseGeaendert();

    void Wiederholen(Richtung richtung);
    void WiederholungTick();
    void ScrollH(int neu);
    void ScrollV(int neu);
    // Labels, scroll bars and the drawing after a change of the view.
    void Aktualisiere();
    void AktualisiereRollbalken();

    ZoomAbbildung abbildung_;
    double zoomFaktor_ = 1.25;
    char trenner_ = '.';
    std::function<void(QPainter&)> onPaint_;

    ZoomMalflaeche* malflaeche_ = nullptr;
    QScrollBar* sbarVertikal_ = nullptr;
    QScrollBar* sbarHorizontal_ = nullptr;
    QLabel* lblKoordinaten_ = nullptr;
    QLabel* lblMassstab_ = nullptr;
    QTimer* tmrWiederholung_ = nullptr;
    Richtung wiederholung_ = Richtung::Keine;
    int hAlt_ = 500;
    int vAlt_ = 500;

    bool gummiband_ = false;
    bool ziehen_ = false;
    bool ersterZug_ = false; // the next move of a drag is its first
    QPoint zugPunkt_;        // where the drag was at its last move
    QPoint bandAnfang_;
    QPoint bandEnde_;
    // World point of the last press, where a double click centres.
    double druckX_ = 0;
    double druckY_ = 0;
};

} // namespace vsk
