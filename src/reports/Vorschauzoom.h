#pragma once
// The zoom of the print preview. The pages are drawn anew for every zoom, at the screen's
// pixels per inch times the zoom, so texts and lines stay sharp at every size; 1 is the
// page at the screen's own resolution.

#include <string>
#include <vector>

namespace vsk {

class Vorschauzoom {
public:
    static constexpr double Kleinster = 0.25;
    static constexpr double Groesster = 4;

    // The device pixel ratio of the screen: a page never gets more device pixels than
    // Groesster gives it at ratio 1 (a page at 400 % and 200 % would take over 200 MB).
    explicit Vorschauzoom(double verhaeltnis = 1);
    void SetzeVerhaeltnis(double verhaeltnis);

    double Faktor() const { return faktor_; }
    // The largest zoom on this screen.
    double Hoechster() const;
    // Within Kleinster and Hoechster().
    void Setze(double faktor);
    // The next step up or down (25 %, 33 %, 50 %, 67 %, 75 %, 90 %, 100 %, 110 %, 125 %,
    // 150 %, 175 %, 200 %, 250 %, 300 %, 400 %).
    void Hinein();
    void Hinaus();
    // The zoom at which a page whose size in pixels at zoom 1 is given fills the area's
    // width, or lies in the area as a whole (both less the margin on each side).
    void Seitenbreite(double seitenbreite, int flaecheBreite, int rand);
    void GanzeSeite(double seitenbreite, double seitenhoehe, int flaecheBreite, int flaecheHoehe,
                    int rand);

    // The pixels per inch the pages are drawn at: never more than the zoom asks for, so a
    // page fitted into an area stays inside it.
    int Dpi(int bildschirmDpi) const;
    // "125 %"
    std::string Prozenttext() const;

private:
    double faktor_ = 1;
    double verhaeltnis_ = 1;
};

// The page (from 1) the view is at: the last page whose top lies in the upper half of the
// view or above it. seitenOben: the pages' tops in the scrolled area, top to bottom.
int AktuelleSeite(const std::vector<int>& seitenOben, int sichtOben, int sichtHoehe);

} // namespace vsk
