#pragma once
// One page picture of the print preview: a child of the preview area's scrolled widget,
// placed and sized by the preview pipelines.

#include "reports/qt/BildVorschaubild.h"

#include <QWidget>

namespace vsk {

class TVorschauSeite final : public QWidget, public Vorschaubild {
    Q_OBJECT

public:
    // eltern: the widget the pages lie in (its width centres the page).
    explicit TVorschauSeite(QWidget* eltern);

    Canvas& Leinwand() override { return bild_.Leinwand(); }
    int BildschirmDpi() const override;
    void SetzeGroesse(int breite, int hoehe) override;
    void Wachse(int pixel) override;
    int Breite() const override { return bild_.Breite(); }
    int Hoehe() const override { return bild_.Hoehe(); }
    Rechteck Clip() const override { return bild_.Clip(); }
    int ElternBreite() const override;
    int Links() const override { return x(); }
    int Oben() const override { return y(); }
    void SetzeLage(int links, int oben) override;
    void Zeige(bool sichtbar) override { setVisible(sichtbar); }
    void Neuzeichnen() override { update(); }

    // The page as drawn (for the picture exports of the preview page).
    const QImage& Bild() { return bild_.Bild(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    BildVorschaubild bild_;
};

} // namespace vsk
