#include "sketches/Skizzenausschnitt.h"

#include "SkizzenFixture.h"

#include <cmath>

namespace vsk {
namespace {

class Skizzenausschnitt_ : public test::SkizzenFixture {
protected:
    Skizzenlage Lage(const Rechteck& r, int art) { return LageDerSkizze(c, r, art, Kontext()); }
};

// The model point under the wheel stays under it, to the pixel, zoom after zoom, in
// every sketch kind; the rectangle grows by the zoom.
TEST_F(Skizzenausschnitt_, ZoomingKeepsTheModelPointUnderThePointer) {
    for (int art :
         {SkizzenArt::Ansicht, SkizzenArt::Draufsicht, SkizzenArt::Schnitt, SkizzenArt::System}) {
        Skizzenausschnitt a;
        a.SetzeGroesse(600, 400);
        const auto lage = [&](const Rechteck& r) { return Lage(r, art); };
        for (auto [x, y] : {std::pair{150, 120}, {420, 300}, {300, 200}}) {
            const Skizzenlage vorher = lage(a.Zeichenrechteck());
            ASSERT_TRUE(vorher.gueltig);
            const double mx = (x - vorher.x0) / vorher.massstab;
            const double my = (y - vorher.y0) / vorher.massstab;
            const double faktor = a.Faktor();
            a.ZoomUm(x, y, 1.25, lage);
            EXPECT_DOUBLE_EQ(a.Faktor(), faktor * 1.25);
            const Skizzenlage nachher = lage(a.Zeichenrechteck());
            EXPECT_GT(nachher.massstab, vorher.massstab);
            EXPECT_LE(std::abs(nachher.x0 + mx * nachher.massstab - x), 1.0) << art;
            EXPECT_LE(std::abs(nachher.y0 + my * nachher.massstab - y), 1.0) << art;
        }
        const Rechteck r = a.Zeichenrechteck();
        EXPECT_EQ(r.right - r.left, static_cast<int>(std::lround(600 * a.Faktor())));
    }
}

TEST_F(Skizzenausschnitt_, ZoomingOutToTheWholeSketchOrDraggingItMovesTheRectangle) {
    Skizzenausschnitt a;
    a.SetzeGroesse(600, 400);
    const auto lage = [&](const Rechteck& r) { return Lage(r, SkizzenArt::Ansicht); };
    EXPECT_TRUE(a.Eingepasst());
    a.Verschiebe(30, -20);
    EXPECT_EQ(a.Zeichenrechteck(), (Rechteck{30, -20, 630, 380}));
    a.ZoomUm(100, 100, 2, lage);
    a.ZoomUm(100, 100, 1 / 2.5, lage); // below the whole sketch: fitted
    EXPECT_TRUE(a.Eingepasst());
    EXPECT_EQ(a.Zeichenrechteck(), (Rechteck{0, 0, 600, 400}));
    for (int i = 0; i < 40; ++i) {
        a.ZoomUm(300, 200, 2, lage);
    }
    EXPECT_EQ(a.Faktor(), Skizzenausschnitt::GroessterFaktor);
}

} // namespace
} // namespace vsk
