#pragma once
// The file name of a schedule export: the chosen file type decides the extension, whatever
// extension the user typed.

#include <filesystem>
#include <string>

namespace vsk {

// Picture export types of the schedule, in the order of the export dialog's type list.
// Metafile and Svg are vector pictures; Csv and Xlsx the spreadsheet table.
enum class ListeExportArt {
    Metafile = 0,
    Bitmap = 1,
    Jpeg = 2,
    Text = 3,
    Pdf = 4,
    Svg = 5,
    Csv = 6,
    Xlsx = 7,
};
inline constexpr int AnzListeExportArten = 8;

// "emf", "bmp", "jpg", "txt", "pdf", "svg", "csv", "xlsx"
std::string ExportEndung(ListeExportArt art);

// name with its extension replaced by the type's, or the type's appended when it has none
// ("liste.emf" as text -> "liste.txt", "liste" -> "liste.txt"). Only the last path
// component is looked at, so a dot in a directory name is not taken for an extension.
std::string MitExportEndung(const std::string& name, ListeExportArt art);

// name as it is when it has an extension, else with ".endung" appended ("t1" -> "t1.pdf").
std::string MitStandardEndung(const std::string& name, const std::string& endung);

// The proposed file of an export of the project: beside the project file and named like
// it, else named after the project's description, else ersatz; with the extension endung
// ("pdf", "ifc").
std::string ExportVorschlag(const std::filesystem::path& projektdatei,
                            const std::string& projekttext, const std::string& ersatz,
                            const std::string& endung);

} // namespace vsk
