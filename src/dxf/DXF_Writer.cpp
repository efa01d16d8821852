#include "dxf/DXF_Writer.h"

#include "shell/Dateischreiber.h"

namespace vsk {

namespace {

constexpr double kStart = 1e10;

} // namespace

DXF_Writer::DXF_Writer(std::ostream& aus, const DXF_Object& objekt)
    : aus_(aus), objekt_(objekt), minimum_(kStart, kStart, kStart),
      maximum_(-kStart, -kStart, -kStart) {}

void DXF_Writer::WriteFile() {
    aus_.Text(999, "VSK 2.0 DXF writer");
    aus_.Text(999, "Tervo Anchoring Systems");
    aus_.Text(999, "Tampere");
    WriteHeader();
    WriteTables();
    WriteBlocks();
    WriteEntities();
    aus_.Text(0, "EOF");
}

void DXF_Writer::WriteHeader() {
    UpdateExtents(objekt_, minimum_, maximum_);
    aus_.Text(0, "SECTION");
    aus_.Text(2, "HEADER");
    aus_.Text(9, "$EXTMIN");
    aus_.Punkt(10, minimum_);
    aus_.Text(9, "$EXTMAX");
    aus_.Punkt(10, maximum_);
    aus_.Text(0, "ENDSEC");
}

void DXF_Writer::WriteTables() {
    aus_.Text(0, "SECTION");
    aus_.Text(2, "TABLES");

    aus_.Text(0, "TABLE");
    aus_.Text(2, "LTYPE");
    aus_.Ganzzahl(70, 1);
    aus_.Text(0, "LTYPE");
    aus_.Text(2, "CONTINUOUS");
    aus_.Ganzzahl(70, 64);
    aus_.Text(3, "Solid line");
    aus_.Ganzzahl(72, 65);
    aus_.Ganzzahl(73, 0);
    aus_.Real(40, 0.0);
    aus_.Text(0, "ENDTAB");

    const auto& layers = objekt_.Layers();
    aus_.Text(0, "TABLE");
    aus_.Text(2, "LAYER");
    aus_.Ganzzahl(70, static_cast<int>(layers.size()));
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        aus_.Text(0, "LAYER");
        aus_.Text(2, (*it)->Name());
        aus_.Ganzzahl(70, 64);
        aus_.Ganzzahl(62, (*it)->Colour());
        aus_.Text(6, "CONTINUOUS");
    }
    aus_.Text(0, "ENDTAB");

    aus_.Text(0, "TABLE");
    aus_.Text(2, "STYLE");
    aus_.Ganzzahl(70, 0);
    aus_.Text(0, "STYLE");
    aus_.Text(2, "ARIAL");
    aus_.Ganzzahl(70, 64);
    aus_.StilReal(40, 0.35);
    aus_.StilReal(41, 1.0);
    aus_.StilReal(50, 0.0);
    aus_.Ganzzahl(71, 0);
    aus_.StilReal(42, 0.35);
    aus_.Text(3, "arial");
    aus_.Text(4, "");
    aus_.Text(0, "ENDTAB");

    aus_.Text(0, "ENDSEC");
}

void DXF_Writer::WriteBlocks() {
    // The program creates no blocks, so the section stays empty.
    aus_.Text(0, "SECTION");
    aus_.Text(2, "BLOCKS");
    aus_.Text(0, "ENDSEC");
}

void DXF_Writer::WriteEntities() {
    aus_.Text(0, "SECTION");
    aus_.Text(2, "ENTITIES");
    for (const auto& layer : objekt_.Layers()) {
        for (const auto& liste : layer->EntityLists()) {
            for (const auto& entity : liste.Entities()) {
                entity->WriteToDXF(aus_, layer->Name());
            }
        }
    }
    aus_.Text(0, "ENDSEC");
}

bool SchreibeDxf(const DXF_Object& objekt, std::ostream& aus) {
    DXF_Writer writer(aus, objekt);
    writer.WriteFile();
    aus.flush();
    return static_cast<bool>(aus);
}

void SaveToFile(const DXF_Object& objekt, const std::filesystem::path& datei) {
    SchreibeDateiSicher(datei, [&](std::ostream& aus) { return SchreibeDxf(objekt, aus); });
}

} // namespace vsk
