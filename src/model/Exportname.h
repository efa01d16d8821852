#pragma once
// The file name of a schedule export: the chosen file type decides the extension, whatever
// extension the user typed.

#include <string>

namespace vsk {

// Picture export types of the schedule, in the order of the export dialog's type list.
// Metafile and Svg are vector pictures.
enum class ListeExportArt { Metafile = 0, Bitmap = 1, Jpeg = 2, Text = 3, Pdf = 4, Svg = 5 };

// "emf", "bmp", "jpg", "txt", "pdf", "svg"
std::string ExportEndung(ListeExportArt art);

// name with its extension replaced by the type's, or the type's appended when it has none
// ("liste.emf" as text -> "liste.txt", "liste" -> "liste.txt"). Only the last path
// component is looked at, so a dot in a directory name is not taken for an extension.
std::string MitExportEndung(const std::string& name, ListeExportArt art);

} // namespace vsk
