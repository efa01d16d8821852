#pragma once
// The drawing in memory: a named set of layers, each holding its entities grouped by
// kind in entity lists. The drawing owns everything below it.

#include "dxf/DxfEntitaeten.h"
#include "dxf/Point3D.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vsk {

// Inconsistent use of the drawing model (a programming error, not a user error).
class DxfFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DXF_Layer;

// The entities of one kind on one layer, in insertion order.
class Entity_List {
public:
    Entity_List(std::string name, const DXF_Layer& layer)
        : name_(std::move(name)), layer_(&layer) {}

    const std::string& Name() const { return name_; }
    const DXF_Layer& Layer() const { return *layer_; }
    const std::vector<std::unique_ptr<DXF_Custom_Entity>>& Entities() const { return entities_; }
    void Append(std::unique_ptr<DXF_Custom_Entity> entity) {
        entities_.push_back(std::move(entity));
    }

private:
    std::string name_;
    const DXF_Layer* layer_; // the layer that owns this list
    std::vector<std::unique_ptr<DXF_Custom_Entity>> entities_;
};

class DXF_Layer {
public:
    explicit DXF_Layer(std::string name) : name_(std::move(name)) {}
    DXF_Layer(const DXF_Layer&) = delete;
    DXF_Layer& operator=(const DXF_Layer&) = delete;

    const std::string& Name() const { return name_; }
    int Colour() const { return farbe_; }
    void SetColour(int aci) { farbe_ = aci; }

    // Entity lists in the order in which their kind first occurred; the list's name is
    // its index entry, so list and index cannot drift apart.
    const std::vector<Entity_List>& EntityLists() const { return listen_; }
    Entity_List& ListeFuer(const std::string& klassenName);

private:
    std::string name_;
    int farbe_ = 7;
    std::vector<Entity_List> listen_;
};

class DXF_Object {
public:
    explicit DXF_Object(std::string name = "Untitled") : name_(std::move(name)) {}
    DXF_Object(const DXF_Object&) = delete;
    DXF_Object& operator=(const DXF_Object&) = delete;

    const std::string& Name() const { return name_; }
    const std::vector<std::unique_ptr<DXF_Layer>>& Layers() const { return layers_; }
    std::vector<std::unique_ptr<DXF_Layer>>& Layers() { return layers_; }

    // Stored extents, (0, 0, 0) on creation; the start of ObjektGrenzen.
    Point3D ExtMin;
    Point3D ExtMax;

private:
    std::string name_;
    std::vector<std::unique_ptr<DXF_Layer>> layers_;
};

// The layer of that exact (case-sensitive) name; a new one of colour 7 is appended when
// there is none. With an existing layer and !allowExisting, throws DxfFehler.
DXF_Layer& GetLayer(DXF_Object& objekt, const std::string& name, bool allowExisting = true);

// Appends the entity to the list of its kind (created on first use). An entity whose
// screen colour is 0 or 256 takes the layer's colour.
DXF_Custom_Entity& AddEntity(DXF_Layer& layer, std::unique_ptr<DXF_Custom_Entity> entity);

// Runs every entity of every layer through its UpdateExtents.
void UpdateExtents(const DXF_Object& objekt, Point3D& minimum, Point3D& maximum);

// The object's stored extents widened by all its entities (for the display).
void ObjektGrenzen(const DXF_Object& objekt, Point3D& minimum, Point3D& maximum);

// Number of entities of a kind ("Line_") over all layers.
std::size_t AnzahlEntities(const DXF_Object& objekt, const std::string& klassenName);

} // namespace vsk
