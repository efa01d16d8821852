#pragma once
// The entity kinds of the drawing: LINE, CIRCLE, ARC and TEXT. Each knows its DXF record,
// its extent points and how to hand itself to a display.

#include "dxf/DxfAusgabe.h"
#include "dxf/Point3D.h"

#include <string>

namespace vsk {

class Line_;
class Circle_;
class Arc_;
class Text_;

// Screen colour (0x00BBGGRR) of an ACI colour, from the 13-entry table (ACI mod 13).
int DxfBildschirmFarbe(int aci);

// What a display implements to draw the entities (world coordinates, millimetres).
class DxfZeichner {
public:
    virtual ~DxfZeichner() = default;
    virtual void Zeichne(const Line_& linie) = 0;
    virtual void Zeichne(const Circle_& kreis) = 0;
    virtual void Zeichne(const Arc_& bogen) = 0;
    virtual void Zeichne(const Text_& text) = 0;
};

class DXF_Custom_Entity {
public:
    virtual ~DXF_Custom_Entity() = default;

    // Every entity of this program has the extrusion (0, 0, 1); it is never written.
    void SetExtrusion(const Point3D& richtung) { extrusion_ = richtung; }
    const Point3D& Extrusion() const { return extrusion_; }

    // Sets the ACI colour and derives the screen colour.
    void SetColour(int aci);
    int Colour() const { return farbe_; }
    int ScreenColour() const { return bildschirmFarbe_; }

    // Class name, which also names the entity list holding the entity ("Line_").
    virtual const char* KlassenName() const = 0;
    // The class name in upper case without its last character ("LINE").
    std::string DXFName() const;

    virtual void Draw(DxfZeichner& zeichner) const = 0;
    virtual void WriteToDXF(DxfAusgabe& aus, const std::string& layer) const = 0;
    virtual void UpdateExtents(Point3D& minimum, Point3D& maximum) const = 0;

protected:
    DXF_Custom_Entity() = default;
    DXF_Custom_Entity(const DXF_Custom_Entity&) = default;
    DXF_Custom_Entity& operator=(const DXF_Custom_Entity&) = default;

private:
    int farbe_ = 0;
    int bildschirmFarbe_ = 0;
    Point3D extrusion_{0, 0, 1};
};

// Base of the entities that have a position (start point, centre, insertion point).
class Point_ : public DXF_Custom_Entity {
public:
    const Point3D& Position() const { return position_; }

    void UpdateExtents(Point3D& minimum, Point3D& maximum) const override;

protected:
    explicit Point_(const Point3D& position) : position_(position) {}
    // Common head of every record: name, layer, colour and the position.
    void WriteHead(DxfAusgabe& aus, const std::string& layer) const;

private:
    Point3D position_;
};

class Line_ final : public Point_ {
public:
    Line_(int farbe, const Point3D& start, const Point3D& ende);

    const Point3D& Start() const { return Position(); }
    const Point3D& Ende() const { return ende_; }

    const char* KlassenName() const override { return "Line_"; }
    void Draw(DxfZeichner& zeichner) const override { zeichner.Zeichne(*this); }
    void WriteToDXF(DxfAusgabe& aus, const std::string& layer) const override;
    void UpdateExtents(Point3D& minimum, Point3D& maximum) const override;

private:
    Point3D ende_;
};

class Circle_ : public Point_ {
public:
    Circle_(const Point3D& extrusion, int farbe, const Point3D& mitte, double radius);

    const Point3D& Mitte() const { return Position(); }
    double Radius() const { return radius_; }

    const char* KlassenName() const override { return "Circle_"; }
    void Draw(DxfZeichner& zeichner) const override { zeichner.Zeichne(*this); }
    void WriteToDXF(DxfAusgabe& aus, const std::string& layer) const override;
    void UpdateExtents(Point3D& minimum, Point3D& maximum) const override;

private:
    double radius_;
};

// Counter-clockwise from the start angle to the end angle.
class Arc_ final : public Circle_ {
public:
    Arc_(const Point3D& extrusion, int farbe, const Point3D& mitte, double radius, double startGrad,
         double endGrad);

    // Angles are kept in radians and handed out in degrees, as they are written.
    double StartGrad() const;
    double EndGrad() const;
    double StartBogen() const { return startBogen_; }
    double EndBogen() const { return endBogen_; }

    const char* KlassenName() const override { return "Arc_"; }
    void Draw(DxfZeichner& zeichner) const override { zeichner.Zeichne(*this); }
    void WriteToDXF(DxfAusgabe& aus, const std::string& layer) const override;
    void UpdateExtents(Point3D& minimum, Point3D& maximum) const override;

private:
    Point3D PunktBei(double bogen) const;

    double startBogen_;
    double endBogen_;
};

class Text_ final : public Point_ {
public:
    // An alignment point of (0, 0, 0) means the insertion point.
    Text_(const Point3D& extrusion, int farbe, const Point3D& position, const Point3D& ausrichtung,
          double hoehe, double drehungGrad, int ausrichtungsArt, std::string text);

    double Hoehe() const { return hoehe_; }
    const std::string& Inhalt() const { return text_; }
    const Point3D& AusrichtPunkt() const { return ausrichtPunkt_; }
    // Horizontal justification: 0 left, 1 centred, 2 right.
    int Ausrichtung() const { return ausrichtung_; }
    double DrehungGrad() const { return drehung_; }

    const char* KlassenName() const override { return "Text_"; }
    void Draw(DxfZeichner& zeichner) const override { zeichner.Zeichne(*this); }
    void WriteToDXF(DxfAusgabe& aus, const std::string& layer) const override;

private:
    double hoehe_;
    std::string text_;
    Point3D ausrichtPunkt_;
    int ausrichtung_;
    double drehung_;
};

} // namespace vsk
