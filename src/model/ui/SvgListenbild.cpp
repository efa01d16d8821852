#include "model/ui/SvgListenbild.h"

#include "reports/qt/Berichtsbilder.h"

namespace vsk {

SvgListenbild::SvgListenbild(int breite, int hoehe, int dpi)
    : dpi_(dpi), breite_(breite), hoehe_(hoehe) {
    puffer_.open(QIODevice::WriteOnly);
    svg_.setOutputDevice(&puffer_);
    svg_.setSize(QSize(breite, hoehe));
    svg_.setViewBox(QRect(0, 0, breite, hoehe));
    svg_.setResolution(dpi);
    maler_.begin(&svg_);
    canvas_ = std::make_unique<QtCanvas>(maler_, dpi, dpi);
    canvas_->SetzeBildQuelle(BerichtsBildQuelle()); // the logo of the page header
}

SvgListenbild::~SvgListenbild() {
    canvas_.reset();
    if (maler_.isActive()) {
        maler_.end();
    }
}

void SvgListenbild::SetzeGroesse(int breite, int hoehe) {
    breite_ = breite;
    hoehe_ = hoehe;
}

QByteArray SvgListenbild::Fertig() {
    canvas_.reset();
    if (maler_.isActive()) {
        maler_.end();
    }
    return puffer_.data();
}

} // namespace vsk
