#include "dxf/Point3D.h"

#include <cmath>

namespace vsk {

double AbstandQuadrat2D(const Point3D& a, const Point3D& b) {
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    return dx * dx + dy * dy;
}

double Abstand2D(const Point3D& a, const Point3D& b) {
    return std::sqrt(AbstandQuadrat2D(a, b));
}

void ErweitereMaximum(Point3D& maximum, const Point3D& p) {
    if (p.x > maximum.x) {
        maximum.x = p.x;
    }
    if (p.y > maximum.y) {
        maximum.y = p.y;
    }
    if (p.z > maximum.z) {
        maximum.z = p.z;
    }
}

void ErweitereMinimum(Point3D& minimum, const Point3D& p) {
    if (p.x < minimum.x) {
        minimum.x = p.x;
    }
    if (p.y < minimum.y) {
        minimum.y = p.y;
    }
    if (p.z < minimum.z) {
        minimum.z = p.z;
    }
}

} // namespace vsk
