#pragma once
// The canvas of an Enhanced Metafile (vector picture export). Logical units are the
// picture's pixels; the frame is the picture at the given resolution, so readers show it
// at its real size. Text metrics are those of the QPainter canvas, so a sketch lays out
// as on the screen. Clipping is not recorded (the writer has no clip records); the
// drawing code does not rely on it.

#include "canvas/Canvas.h"
#include "canvas/qt/QtCanvas.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <string>

namespace vsk {

class EmfCanvas final : public Canvas {
public:
    EmfCanvas(int breite, int hoehe, int dpi = 96);
    ~EmfCanvas() override;

    EmfCanvas(const EmfCanvas&) = delete;
    EmfCanvas& operator=(const EmfCanvas&) = delete;

    // False when the metafile could not be started (no temporary file).
    bool Offen() const;
    // Ends the picture and returns the file's bytes; nothing on failure. The canvas
    // draws nothing afterwards.
    std::optional<QByteArray> Abschliessen();

    void SetzeBildQuelle(BildQuelle quelle) { bilder_ = std::move(quelle); }

    void FillRect(const Rechteck& r) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void StretchDraw(const Rechteck& r, const std::string& bildname) override;
    void SetClipRect(const std::optional<Rechteck>&) override {}
    int PixelsPerInchX() const override { return dpi_; }
    int PixelsPerInchY() const override { return dpi_; }

protected:
    void Linie(Punkt von, Punkt bis) override;

private:
    struct Datei;

    void StiftWaehlen(bool mitStift);
    void PinselWaehlen(bool mitPinsel);
    QFont Messschrift() const;

    int breite_;
    int hoehe_;
    int dpi_;
    std::unique_ptr<Datei> datei_;
    BildQuelle bilder_;
};

} // namespace vsk
