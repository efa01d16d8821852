#pragma once
// The connector schedule as a table for spreadsheets: one row per active entry, numbered
// as in the print, the columns of the schedule as real columns and numbers as numbers.
// Written as CSV (UTF-8, comma-separated, a header row) or as an XLSX workbook.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vsk {

class Plattform;
class TKStueckliste;

struct Tabellenzelle {
    std::string text;
    std::optional<double> zahl; // set when the cell is a number
};

struct Tabelle {
    std::vector<std::string> kopf;
    std::vector<std::vector<Tabellenzelle>> zeilen;
};

// Item, quantity, designation (the positions), connector type, fire protection sleeve, max.
// design resistance FRd in kN, material, and the item's text lines.
Tabelle ListeTabelle(const TKStueckliste& liste);

// RFC 4180: fields with a comma, quote or line break in quotes; numbers with a decimal
// point; CR LF line ends; a UTF-8 byte order mark so that spreadsheets read it as UTF-8.
void SchreibeCsv(std::ostream& aus, const Tabelle& tabelle);

// The workbook as bytes (sheet "Connector Schedule"); empty when the library fails.
std::optional<std::string> XlsxInhalt(const Tabelle& tabelle);

enum class Tabellenformat { Csv, Xlsx };

// Writes the table of the schedule to the path through the one file writer. On failure
// shows the message of the schedule's text export and returns false.
bool ListeTabelleExportieren(const TKStueckliste& liste, const std::filesystem::path& pfad,
                             Tabellenformat format, Plattform& plattform);

} // namespace vsk
