#include "model/Exportname.h"

namespace vsk {

std::string ExportEndung(ListeExportArt art) {
    switch (art) {
    case ListeExportArt::Metafile:
        return "emf";
    case ListeExportArt::Svg:
        return "svg";
    case ListeExportArt::Bitmap:
        return "bmp";
    case ListeExportArt::Jpeg:
        return "jpg";
    case ListeExportArt::Text:
        return "txt";
    case ListeExportArt::Pdf:
        return "pdf";
    }
    return "txt";
}

std::string MitExportEndung(const std::string& name, ListeExportArt art) {
    const std::string::size_type schnitt = name.find_last_of('/');
    const std::string::size_type anfang = schnitt == std::string::npos ? 0 : schnitt + 1;
    const std::string::size_type punkt = name.find_last_of('.');
    // A leading dot names a hidden file, not an extension.
    const bool hatEndung = punkt != std::string::npos && punkt > anfang;
    const std::string stamm = hatEndung ? name.substr(0, punkt) : name;
    return stamm + "." + ExportEndung(art);
}

} // namespace vsk
