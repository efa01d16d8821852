#include "model/Last.h"

namespace vsk {

void TKLast::Neuberechnen() {
    const long double fd =
        static_cast<long double>(tGk_) * tgg_ + static_cast<long double>(tQk_) * tgq_ + tF1_;
    tFd_ = static_cast<double>(fd);
}

void TKLast::setTGk(double v) {
    tGk_ = v;
    Neuberechnen();
}

void TKLast::setTQk(double v) {
    tQk_ = v;
    Neuberechnen();
}

void TKLast::setTF1(double v) {
    tF1_ = v;
    Neuberechnen();
}

void TKLast::setTgg(double v) {
    tgg_ = v;
    Neuberechnen();
}

void TKLast::setTgq(double v) {
    tgq_ = v;
    Neuberechnen();
}

void TKLast::SetFdDirekt(double v) {
    tFd_ = v;
    tF1_ = v;
    tGk_ = 0;
    tQk_ = 0;
}

} // namespace vsk
