#pragma once
// A writer of STEP physical files (ISO 10303-21, clear text encoding): the header
// section, then entity instances numbered from #1 as they are written, streamed to the
// output without keeping the model in memory.

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

// The number of a written entity instance (#n).
struct StepRef {
    int nummer = 0;
};

// One parameter of an entity instance, already in its encoded form.
class StepWert {
public:
    StepWert(StepRef ref); // NOLINT: an instance is passed where its reference is meant

    static StepWert Text(std::string_view utf8);
    static StepWert Real(double wert);
    static StepWert Ganz(long long wert);
    static StepWert Aufzaehlung(std::string_view name); // .NAME.
    static StepWert Logisch(bool wert);                 // .T. / .F.
    static StepWert Leer();                             // $, not given
    static StepWert Abgeleitet();                       // *, derived by the schema
    static StepWert Liste(const std::vector<StepWert>& werte);
    static StepWert Liste(std::initializer_list<StepWert> werte);
    // A value of a defined type where a select needs it: IFCLABEL('x').
    static StepWert Typisiert(std::string_view typ, const StepWert& wert);
    static StepWert Reals(std::initializer_list<double> werte);

    const std::string& Kodiert() const { return text_; }

private:
    explicit StepWert(std::string text) : text_(std::move(text)) {}
    std::string text_;
};

// A text in the encoding of a STEP string: ' and \ doubled, printable ASCII as it is, any
// other character as \X2\ (or \X4\ beyond the basic plane) with its hexadecimal code.
// Invalid UTF-8 bytes become U+FFFD.
std::string StepText(std::string_view utf8);
// A real in the form STEP demands: always a decimal point ("2.", "0.5", "1.E-06").
std::string StepReal(double wert);

struct StepKopf {
    std::vector<std::string> beschreibung; // FILE_DESCRIPTION
    std::string implementierung;           // implementation level, "2;1"
    std::string name;                      // FILE_NAME
    std::string zeitstempel;               // ISO 8601
    std::string autor;
    std::string organisation;
    std::string praeprozessor;
    std::string ursprungssystem;
    std::string schema; // FILE_SCHEMA
};

class StepSchreiber {
public:
    // Writes the header section and opens the data section.
    StepSchreiber(std::ostream& aus, const StepKopf& kopf);

    // Writes #n=TYP(parameters); and returns #n.
    StepRef Instanz(std::string_view typ, std::initializer_list<StepWert> parameter);
    StepRef Instanz(std::string_view typ, const std::vector<StepWert>& parameter);

    // Closes the data section and the file. True when every write reached the stream.
    bool Abschliessen();

private:
    std::ostream& aus_;
    int naechste_ = 1;
};

} // namespace vsk
