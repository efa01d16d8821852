#pragma once
// The world-to-screen mapping of the zoom panel and its view operations: fit, zoom by a
// factor, zoom to a rubber band, centring, wheel zoom about a point, dragging and the two
// scroll bars. World y grows upward, screen y downward.
//
// The mapping keeps three views: the fitted one (Z_RESET goes back to it), the current
// one and the previous one (Z_LAST goes back to it). Nothing is valid before the first
// fit (Bereit() false); the operations then do nothing.

#include <string>

namespace vsk {

struct ZoomAnsicht {
    double sx = 1;
    double sy = 1;
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
    double cx = 0;
    double cy = 0;
    friend bool operator==(const ZoomAnsicht&, const ZoomAnsicht&) = default;
};

class ZoomAbbildung {
public:
    // Size of the paint box in pixels. The views keep their centre and scale; while the
    // user has not changed the fitted view, it is fitted again to the new size.
    void SetzeGroesse(int breite, int hoehe);
    int Breite() const { return breite_; }
    int Hoehe() const { return hoehe_; }

    bool Bereit() const { return bereit_; }

    // Fits the world box into the paint box less the margins (pixels) with equal scales.
    void Fit(int randX, int randY, double xmax, double xmin, double ymax, double ymin);

    // Divides the scales by f around the unchanged centre; the view shown before becomes
    // the previous one. Zoom in uses 1/ZoomFactor, zoom out ZoomFactor.
    void Zoom(double f);
    // Back to the fitted view (the view shown before becomes the previous one).
    void Reset();
    // Back to the previous view.
    void Letzte();
    // Zooms so that the world rectangle under the screen rectangle fills the paint box;
    // false (and nothing changes) unless it is more than 2 pixels wide and high.
    bool ZoomRechteck(int x1, int y1, int x2, int y2);
    // Centres the view at the world point, keeping the scale.
    void Zentriere(double x, double y);
    // Zooms by f so that the world point under the screen point stays under it.
    void ZoomUm(int bx, int by, double f);
    // Moves the drawing by (dx, dy) pixels with the pointer, keeping the scale; merken: the
    // view shown before becomes the previous one (at the start of a drag).
    void Verschiebe(int dx, int dy, bool merken);

    // Scroll bars (range 0 to 1000): the centre within the fitted window, and the visible
    // fraction of it as the page size. Positions are not clamped into the range.
    int HPosition() const;
    int VPosition() const;
    int HSeite() const;
    int VSeite() const;
    // The user moved a bar from alt to neu: a page step moves the centre by 11/12 of the
    // page, any other change by the difference in world units. False when nothing moved.
    bool HScroll(int alt, int neu);
    bool VScroll(int alt, int neu);

    // Mapping, screen coordinates rounded halves to even.
    int BildX(double x) const;
    int BildY(double y) const;
    // Lengths (radii, text heights) in pixels along x and y.
    double LaengeX(double laenge) const { return laenge * aktuell_.sx; }
    double LaengeY(double laenge) const { return laenge * aktuell_.sy; }
    double WeltX(double bx) const { return bx / aktuell_.sx + aktuell_.xmin; }
    double WeltY(double by) const { return aktuell_.ymax - by / aktuell_.sy; }

    // "r : 1" or "1 : r", r with 3 significant digits.
    std::string Massstab(char trenner) const;

    const ZoomAnsicht& Aktuell() const { return aktuell_; }
    const ZoomAnsicht& Eingepasst() const { return eingepasst_; }
    const ZoomAnsicht& Vorige() const { return vorige_; }

private:
    // Recomputes the window of the view around its centre for the paint-box size.
    void Fenster(ZoomAnsicht& a) const;
    ZoomAnsicht Eingepasst(int randX, int randY, double xmax, double xmin, double ymax,
                           double ymin) const;

    int breite_ = 0;
    int hoehe_ = 0;
    bool bereit_ = false;
    ZoomAnsicht eingepasst_;
    ZoomAnsicht aktuell_;
    ZoomAnsicht vorige_;
    // The last fit, repeated when the size changes while the fitted view is shown.
    struct Einpassung {
        int randX = 0;
        int randY = 0;
        double xmax = 0;
        double xmin = 0;
        double ymax = 0;
        double ymin = 0;
    } einpassung_;
};

// "X= 12.500   Y= -3.000": the coordinate read-out, 3 decimals.
std::string ZoomKoordinaten(double x, double y, char trenner);

// The general format with 3 significant digits ("1.56", "1.25", "12.5", "1.25E3").
std::string DreiStellen(double wert, char trenner);

} // namespace vsk
