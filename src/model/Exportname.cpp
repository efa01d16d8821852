#include "model/Exportname.h"

namespace vsk {

namespace {
constexpr const char* kLeerraum = " \t\r\n";

// name without its extension. Only the last path component is looked at, and a leading
// dot names a hidden file, not an extension.
std::string Stamm(const std::string& name) {
    const std::string::size_type schnitt = name.find_last_of('/');
    const std::string::size_type anfang = schnitt == std::string::npos ? 0 : schnitt + 1;
    const std::string::size_type punkt = name.find_last_of('.');
    const bool hatEndung = punkt != std::string::npos && punkt > anfang;
    return hatEndung ? name.substr(0, punkt) : name;
}
} // namespace

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
    case ListeExportArt::Csv:
        return "csv";
    case ListeExportArt::Xlsx:
        return "xlsx";
    }
    return "txt";
}

std::string MitExportEndung(const std::string& name, ListeExportArt art) {
    return Stamm(name) + "." + ExportEndung(art);
}

std::string MitStandardEndung(const std::string& name, const std::string& endung) {
    return Stamm(name) == name ? name + "." + endung : name;
}

std::string ExportVorschlag(const std::filesystem::path& projektdatei,
                            const std::string& projekttext, const std::string& ersatz,
                            const std::string& endung) {
    if (!projektdatei.empty()) {
        return (projektdatei.parent_path() / projektdatei.stem()).string() + "." + endung;
    }
    const std::string::size_type anfang = projekttext.find_first_not_of(kLeerraum);
    if (anfang == std::string::npos) {
        return ersatz + "." + endung;
    }
    const std::string::size_type ende = projekttext.find_last_not_of(kLeerraum);
    return projekttext.substr(anfang, ende - anfang + 1) + "." + endung;
}

} // namespace vsk
