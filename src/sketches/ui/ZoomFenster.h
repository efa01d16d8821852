#pragma once
// The zoom window frmZoom: the main window's current sketch enlarged in a resizable,
// non-modal window, redrawn at the picture's size whenever the window is activated or
// resized and whenever the main window redraws its sketch. Copy and export go through
// the main window's picture commands.

#include "canvas/Canvas.h"

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
    // draws the sketch again).
    const QImage& Bild() const { return bild_; }
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

    QImage bild_;
    SkizzenZeichner zeichner_;
    std::function<void()> aktivierung_;
    BildBefehl kopieren_;
    BildBefehl exportieren_;
};

} // namespace vsk
