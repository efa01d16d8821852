#pragma once
// Writes a drawing as one ASCII DXF file: comments, HEADER with the extents, TABLES
// (line type, layers, text style), BLOCKS and ENTITIES.

#include "dxf/DxfAusgabe.h"
#include "dxf/DxfObjekt.h"

#include <filesystem>
#include <ostream>

namespace vsk {

class DXF_Writer {
public:
    DXF_Writer(std::ostream& aus, const DXF_Object& objekt);

    // The whole file, in order. Stream errors are left in the stream's state.
    void WriteFile();

private:
    void WriteHeader();
    void WriteTables();
    void WriteBlocks();
    void WriteEntities();

    DxfAusgabe aus_;
    const DXF_Object& objekt_;
    Point3D minimum_;
    Point3D maximum_;
};

// Writes the drawing to the stream; false when the stream reports an error.
bool SchreibeDxf(const DXF_Object& objekt, std::ostream& aus);

// Writes the drawing to a file: written beside it under a temporary name, then renamed
// over it, so a failed save leaves no half-written file. Throws DateiFehler.
void SaveToFile(const DXF_Object& objekt, const std::filesystem::path& datei);

} // namespace vsk
