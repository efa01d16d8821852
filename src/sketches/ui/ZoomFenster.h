#pragma once
// The zoom window frmZoom: the main window's current sketch enlarged in a resizable,
// non-modal window, redrawn at the picture's size whenever the window is activated or
// resized and whenever the main window redraws its sketch. The mouse wheel zooms about
// the pointer, dragging with the left button moves the sketch and a double click shows
// it whole again; every view is drawn anew, at the screen's pixel ratio. Copy and export
// go through the main window's picture commands.

#include "canvas/Canvas.h"
#include "sketches/Skizzenausschnitt.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QMenu;
class QPushButton;

namespace vsk {

class ZoomBild;

class TfrmZoom final : public QWidget {
    Q_OBJECT

public:
    // Draws the current sketch into the rectangle, as the main window draws it.
    using SkizzenZeichner = std::function<void(Canvas& canvas, const Rechteck& rechteck)>;
    // A picture command of the main window, given this window (its picture and drawer).
    using BildBefehl = std::function<void(TfrmZoom& fenster)>;

    explicit TfrmZoom(QWidget* parent = nullptr);

    void SetzeZeichner(SkizzenZeichner zeichner) { zeichner_ = std::move(zeichner); }
    // Where the current sketch puts its model in a rectangle (for zooming about a point);
    // without it a zoom keeps the picture point instead.
    using Lagefinder = std::function<Skizzenlage(Canvas& canvas, const Rechteck& rechteck)>;
    void SetzeLagefinder(Lagefinder lage) { lage_ = std::move(lage); }
    // Run on every activation before the redraw (the main window clears TTempFlag).
    void SetzeAktivierung(std::function<void()> aktivierung) {
        aktivierung_ = std::move(aktivierung);
    }
    // BildInZwischenablage and BildSpeichern of the main window; without them the
    // picture is put on the clipboard as a bitmap, and export is not offered.
    void SetzeKopieren(BildBefehl befehl) { kopieren_ = std::move(befehl); }
    void SetzeExportieren(BildBefehl befehl);

    // Shows the window centred on the main window (not modally) and activates it.
    void ZeigeBei(const QWidget* hauptfenster);

    // Redraws the picture at its current size; nothing while the window is hidden.
    void Neuzeichnen();

    // The picture imgZoom and the drawer, for the picture commands (vector export
    // draws the sketch again). Bild() is the bitmap shown (at the screen's pixel ratio),
    // Exportbild() the same view at pixel ratio 1.
    const QImage& Bild() const { return bild_; }
    QImage Exportbild() const;

    // The view: zoom by f about the picture point (logical pixels), move, show whole.
    void ZoomUm(QPoint punkt, double f);
    void Verschiebe(QPoint um);
    void Einpassen();
    const Skizzenausschnitt& Ausschnitt() const { return ausschnitt_; }
    const SkizzenZeichner& Zeichner() const { return zeichner_; }
    QWidget& imgZoom();

    void BitBtnKopierenClick();
    void BitBtnExportClick();

protected:
    bool event(QEvent* e) override;

private:
    friend class ZoomBild;

    ZoomBild* imgZoom_ = nullptr;
    QPushButton* BitBtnKopieren_ = nullptr;
    QPushButton* BitBtnExport_ = nullptr;
    QPushButton* BitBtnSchliessen_ = nullptr;
    QMenu* popmnuZoom_ = nullptr;
    QAction* popmnuSpeichern_ = nullptr;

    // The view drawn into a bitmap of the logical size at the pixel ratio.
    QImage Zeichne(QSize groesse, qreal verhaeltnis) const;

    QImage bild_;
    Skizzenausschnitt ausschnitt_;
    SkizzenZeichner zeichner_;
    Lagefinder lage_;
    std::function<void()> aktivierung_;
    BildBefehl kopieren_;
    BildBefehl exportieren_;
};

} // namespace vsk
