#pragma once
// A point or vector in millimetres: of the DXF drawing (where z is always 0) and of the
// IFC model.

namespace vsk {

struct Point3D {
    double x = 0;
    double y = 0;
    double z = 0;

    constexpr Point3D() = default;
    constexpr Point3D(double px, double py, double pz = 0) : x(px), y(py), z(pz) {}

    friend constexpr bool operator==(const Point3D&, const Point3D&) = default;
};

constexpr Point3D operator+(const Point3D& a, const Point3D& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Point3D operator-(const Point3D& a, const Point3D& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Point3D operator*(const Point3D& a, double faktor) {
    return {a.x * faktor, a.y * faktor, a.z * faktor};
}

// Distance in the drawing plane (x and y only).
double Abstand2D(const Point3D& a, const Point3D& b);
double AbstandQuadrat2D(const Point3D& a, const Point3D& b);

// Running extents: each coordinate of the maximum grows, of the minimum shrinks.
void ErweitereMaximum(Point3D& maximum, const Point3D& p);
void ErweitereMinimum(Point3D& minimum, const Point3D& p);
inline void ErweitereGrenzen(Point3D& minimum, Point3D& maximum, const Point3D& p) {
    ErweitereMaximum(maximum, p);
    ErweitereMinimum(minimum, p);
}

} // namespace vsk
