#pragma once
// The report preview scBoxErgebnisse: a scrollable area holding the three preview
// pictures (result page, load page, sketch page) one below the other. A page narrower
// than the area is centred.

#include <QImage>
#include <QScrollArea>
#include <array>

class QLabel;

namespace vsk {

class TVorschau final : public QScrollArea {
    Q_OBJECT
public:
    enum Seite { Ergebnisseite, Lastseite, Skizzenseite };

    explicit TVorschau(QWidget* parent = nullptr);

    // Shows a picture on a page; a null image hides that page.
    void SetzeSeite(Seite seite, const QImage& bild);
    QLabel* SeitenBild(Seite seite) const { return seiten_[seite]; }
    // The bitmap shown on a page (null while the page is hidden).
    const QImage& Bild(Seite seite) const { return bilder_[seite]; }

    // Places the pages: centred when narrower than the area, else at the left.
    void Anordnen();
    // Keyboard scrolling of the preview: two thirds of a page height, or to either side.
    void BlaettereRunter();
    void BlaettereHoch();
    void NachLinks();
    void NachRechts();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* inhalt_;
    std::array<QLabel*, 3> seiten_{};
    std::array<QImage, 3> bilder_;
};

} // namespace vsk
