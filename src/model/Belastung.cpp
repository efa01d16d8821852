#include "model/Belastung.h"

#include <utility>

namespace vsk {

TKBelastung::TKBelastung() {
    AddPunkt(0, cLinienLastLinks.TFd());
    AddPunkt(tLastLaenge_, cLinienLastRechts.TFd());
    ClassifyLinienLast();
}

TKBelastung::TKBelastung(const TKBelastung& quelle)
    : TBelastungsfall(quelle.TBelastungsfall), TGammaf(quelle.TGammaf),
      TLinienLast(quelle.TLinienLast), cPunktlast(quelle.cPunktlast),
      cLinienLastLinks(quelle.cLinienLastLinks), cLinienLastRechts(quelle.cLinienLastRechts),
      tLastLaenge_(quelle.tLastLaenge_) {
    punkte_.reserve(quelle.punkte_.size());
    for (const TPunkt& p : quelle.punkte_) {
        FuegeEin(p.x, p.y);
    }
    ResultierendeVeraltet(); // also for an empty list: the copy's resultant is its own
}

TKBelastung& TKBelastung::operator=(const TKBelastung& quelle) {
    if (this != &quelle) {
        TKBelastung kopie(quelle);
        *this = std::move(kopie);
    }
    return *this;
}

void TKBelastung::ClassifyLinienLast() {
    const double a = cLinienLastLinks.TFd();
    const double b = cLinienLastRechts.TFd();
    if (a > b) {
        TLinienLast = Linienlastform::Fallend;
    } else if (a == b) {
        TLinienLast = Linienlastform::Gleich;
    } else {
        TLinienLast = Linienlastform::Steigend;
    }
}

void TKBelastung::SetLastLaenge(double laenge) {
    tLastLaenge_ = laenge;
    for (TPunkt& p : punkte_) {
        if (p.x > laenge) {
            p.x = laenge;
        }
    }
    ResultierendeVeraltet();
}

void TKBelastung::ClearPunkte() {
    Resultierende();
    punkte_.clear();
}

void TKBelastung::FuegeEin(double x, double y) {
    // Walk from the end: everything with a greater x moves up one slot.
    punkte_.push_back({});
    std::size_t i = punkte_.size() - 1;
    while (i > 0 && punkte_[i - 1].x > x) {
        punkte_[i] = punkte_[i - 1];
        --i;
    }
    punkte_[i] = {x, y};
}

void TKBelastung::AddPunkt(double x, double y) {
    FuegeEin(x, y);
    ResultierendeVeraltet();
}

TPunkt TKBelastung::GetPunkt(int i) const {
    if (i < 0 || i >= PunktCount()) {
        return {};
    }
    return punkte_[static_cast<std::size_t>(i)];
}

void TKBelastung::SetPunkt(int i, double x, double y) {
    if (i < 0 || i >= PunktCount()) {
        return;
    }
    Resultierende();
    punkte_[static_cast<std::size_t>(i)] = {x, y};
}

double TKBelastung::Resultierende() const {
    if (!resultierendeVeraltet_) {
        return resultierende_;
    }
    long double summe = 0;
    for (std::size_t i = 1; i < punkte_.size(); ++i) {
        const long double dx = static_cast<long double>(punkte_[i].x) - punkte_[i - 1].x;
        const long double sy = static_cast<long double>(punkte_[i].y) + punkte_[i - 1].y;
        summe += dx * sy / 2;
    }
    resultierende_ = static_cast<double>(summe / 1000);
    resultierendeVeraltet_ = false;
    return resultierende_;
}

bool operator==(const TKBelastung& a, const TKBelastung& b) {
    return a.TBelastungsfall == b.TBelastungsfall && a.TGammaf == b.TGammaf &&
           a.TLinienLast == b.TLinienLast && a.cPunktlast == b.cPunktlast &&
           a.cLinienLastLinks == b.cLinienLastLinks && a.cLinienLastRechts == b.cLinienLastRechts &&
           a.tLastLaenge_ == b.tLastLaenge_ && a.punkte_ == b.punkte_ &&
           a.Resultierende() == b.Resultierende();
}

} // namespace vsk
