#pragma once
// A canvas that measures and draws nothing: text metrics and resolution are those of
// another canvas (in this canvas's font), every drawing operation is dropped. Layouts
// that depend on text heights run on it to learn how many pages they take before the
// real pages are drawn.

#include "canvas/Canvas.h"

namespace vsk {

class Messleinwand final : public Canvas {
public:
    // vorbild: measures the texts; its own pen, brush and font are left as they were.
    explicit Messleinwand(Canvas& vorbild) : vorbild_(vorbild) {}

    void FillRect(const Rechteck&) override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void RoundRect(int, int, int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void StretchDraw(const Rechteck&, const std::string&) override {}
    void SetClipRect(const std::optional<Rechteck>&) override {}
    int PixelsPerInchX() const override { return vorbild_.PixelsPerInchX(); }
    int PixelsPerInchY() const override { return vorbild_.PixelsPerInchY(); }

protected:
    void Linie(Punkt, Punkt) override {}

private:
    Canvas& vorbild_;
};

} // namespace vsk
