#pragma once
// The report preview scBoxErgebnisse: a scrollable area holding the three preview
// pictures (result page, load page, sketch page) one below the other. A page narrower
// than the area is centred. Above the pages lies the preview's tool row (zoom and page
// navigation, TVorschauleiste); the owner draws the pages anew when the zoom changes.

#include "reports/Vorschauzoom.h"

#include <QImage>
#include <QScrollArea>
#include <array>
#include <vector>

class QLabel;

namespace vsk {

class TSeitenbild;
class TVorschauleiste;

class TVorschau final : public QScrollArea {
    Q_OBJECT
public:
    enum Seite { Ergebnisseite, Lastseite, Skizzenseite };

    explicit TVorschau(QWidget* parent = nullptr);

    // Shows a picture on a page; a null image hides that page. A picture with a device
    // pixel ratio is shown at its logical size.
    void SetzeSeite(Seite seite, const QImage& bild);
    // The report's pages in order: two (result and sketch page) or three (with the load
    // page). The view keeps the place it showed before a zoom.
    void SetzeSeiten(const std::vector<QImage>& seiten);
    QLabel* SeitenBild(Seite seite) const;
    // The bitmap shown on a page (null while the page is hidden).
    const QImage& Bild(Seite seite) const;
    TVorschauleiste& Leiste() { return *leiste_; }

    // Places the pages: centred when narrower than the area, else at the left.
    void Anordnen();
    // Keyboard scrolling of the preview: two thirds of a page height, or to either side.
    void BlaettereRunter();
    void BlaettereHoch();
    void NachLinks();
    void NachRechts();

    // Pages shown, and the one the view is at (from 1; 0 without pages).
    int Seitenzahl() const;
    int AktuelleSeite() const;
    // Scrolls the page's top to the top of the view.
    void ZeigeSeite(int seite);
    void NaechsteSeite();
    void VorigeSeite();

    // The zoom, and its commands; each changed zoom is announced by zoomGeaendert.
    const Vorschauzoom& Zoom() const { return zoom_; }
    void ZoomHinein();
    void ZoomHinaus();
    void Seitenbreite();
    void GanzeSeite();
    // The pixels per inch the pages are drawn at for the zoom.
    int ZoomDpi() const;

signals:
    // Draw the pages anew at ZoomDpi().
    void zoomGeaendert();
    void seiteGeaendert(int seite, int seiten);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void SetzeZoom(const Vorschauzoom& neu);
    // The zoom with the largest zoom of this screen.
    Vorschauzoom ZoomFuerSchirm() const;
    std::vector<QLabel*> SichtbareSeiten() const;
    // The size of the first page at zoom 1 (logical pixels).
    QSizeF Seitengroesse() const;
    void MeldeSeite();

    QWidget* inhalt_;
    TVorschauleiste* leiste_ = nullptr; // built last: it shows the zoom
    std::array<TSeitenbild*, 3> seiten_{};
    Vorschauzoom zoom_;
    // Where the view was, as a fraction of the pages' height, while the pages are drawn
    // anew for a zoom; negative: nothing to restore.
    double anker_ = -1;
    int ankerSicht_ = 0;
    int gemeldet_ = -1;
};

} // namespace vsk
