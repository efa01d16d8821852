#include "dxf/DxfObjekt.h"

#include "shell/Texte.h"

namespace vsk {

Entity_List& DXF_Layer::ListeFuer(const std::string& klassenName) {
    for (auto& liste : listen_) {
        if (liste.Name() == klassenName) {
            return liste;
        }
    }
    return listen_.emplace_back(klassenName, *this);
}

DXF_Layer& GetLayer(DXF_Object& objekt, const std::string& name, bool allowExisting) {
    for (auto& layer : objekt.Layers()) {
        if (layer->Name() == name) {
            if (!allowExisting) {
                throw DxfFehler(text("DXF", "Attempted to create layer with existing name"));
            }
            return *layer;
        }
    }
    return *objekt.Layers().emplace_back(std::make_unique<DXF_Layer>(name));
}

DXF_Custom_Entity& AddEntity(DXF_Layer& layer, std::unique_ptr<DXF_Custom_Entity> entity) {
    DXF_Custom_Entity& e = *entity;
    layer.ListeFuer(e.KlassenName()).Append(std::move(entity));
    if (e.ScreenColour() == 0 || e.ScreenColour() == 256) {
        e.SetColour(layer.Colour());
    }
    return e;
}

void UpdateExtents(const DXF_Object& objekt, Point3D& minimum, Point3D& maximum) {
    for (const auto& layer : objekt.Layers()) {
        for (const auto& liste : layer->EntityLists()) {
            for (const auto& entity : liste.Entities()) {
                entity->UpdateExtents(minimum, maximum);
            }
        }
    }
}

void ObjektGrenzen(const DXF_Object& objekt, Point3D& minimum, Point3D& maximum) {
    minimum = objekt.ExtMin;
    maximum = objekt.ExtMax;
    UpdateExtents(objekt, minimum, maximum);
}

std::size_t AnzahlEntities(const DXF_Object& objekt, const std::string& klassenName) {
    std::size_t n = 0;
    for (const auto& layer : objekt.Layers()) {
        for (const auto& liste : layer->EntityLists()) {
            if (liste.Name() == klassenName) {
                n += liste.Entities().size();
            }
        }
    }
    return n;
}

} // namespace vsk
