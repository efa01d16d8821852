#pragma once
// The canvas on a QPainter: a QImage (screen bitmap), a QPrinter page, a QPdfWriter or a
// QSvgGenerator. Coordinates are the painter's logical pixels; for crisp output on a
// high-DPI screen draw into a QImage whose device pixel ratio is the screen's
// (Bildschirmbitmap): the drawing keeps its logical geometry and gets the finer pixels.
//
// Fonts: "Arial" is drawn with Liberation Sans (metric-compatible), "Times New Roman"
// and "Courier New" likewise with Liberation Serif and Mono; text in the "Symbol" font
// is translated to Unicode and drawn with the sans font. Point sizes become pixel sizes
// with the resolution given (or the device's logical resolution).

#include "canvas/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPaintDevice;

namespace vsk {

// Supplies the named bitmaps of StretchDraw; a null image draws nothing.
using BildQuelle = std::function<QImage(const std::string& name)>;

class QtCanvas final : public Canvas {
public:
    // Opens its own painter on the device, ended when the canvas is destroyed.
    // dpi 0: the device's logical resolution.
    explicit QtCanvas(QPaintDevice& geraet, int dpiX = 0, int dpiY = 0);
    // Draws with a painter the caller owns and keeps open (a printer across pages).
    explicit QtCanvas(QPainter& maler, int dpiX = 0, int dpiY = 0);
    ~QtCanvas() override;

    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void SetzeBildQuelle(BildQuelle quelle) { bilder_ = std::move(quelle); }
    QPainter& Maler() { return *maler_; }

    void FillRect(const Rechteck& r) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void StretchDraw(const Rechteck& r, const std::string& bildname) override;
    void SetClipRect(const std::optional<Rechteck>& r) override;
    int PixelsPerInchX() const override { return dpiX_; }
    int PixelsPerInchY() const override { return dpiY_; }

protected:
    void Linie(Punkt von, Punkt bis) override;

private:
    void Init(int dpiX, int dpiY);
    void SetzeStift(bool mitStift);
    void SetzePinsel(bool mitPinsel);
    // On a device with a pixel ratio above 1 an aliased line of odd width lies half a
    // logical pixel left of and above the pixels ratio 1 gives it; this puts it back,
    // so that every logical pixel of a line becomes whole device pixels.
    QPointF Linienversatz() const;
    // The Qt font and metrics of the current font; rebuilt only when name, size or style
    // changed since the last call.
    const QFont& AktuelleSchrift();
    const QFontMetrics& Metrik();
    QString DarzustellenderText(const std::string& text) const;

    std::unique_ptr<QPainter> eigener_;
    QPainter* maler_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    BildQuelle bilder_;
    struct Schriftcache {
        std::string name;
        int groesse = 0;
        int stil = -1;
        QFont font;
        std::optional<QFontMetrics> metrik;
    } cache_;
};

// The installed font that stands for a font name of the drawing code.
QString QtSchriftname(const std::string& name);

// A white bitmap for the screen: the logical size times the device pixel ratio, with that
// ratio set, so that a QtCanvas on it draws in logical pixels with the screen's finer ones.
QImage Bildschirmbitmap(QSize logisch, qreal verhaeltnis);
// The size of a bitmap in logical pixels: its pixels divided by its device pixel ratio.
QSize LogischeGroesse(const QImage& bild);

} // namespace vsk
