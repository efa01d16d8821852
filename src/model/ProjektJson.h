#pragma once
// The inputs of a project as a JSON document, for engineers who script their work: the
// project description, the remark lines of the connector schedule and, per position, every
// input, the three loads and the load points, under the element names of the project file.
//
// Reading builds the project through the edits of model/Eingaben.h with their checks, in a
// fixed order, so that a value the document gives wins over one an edit derives from
// another value whatever the order of the keys (an explicit TNutzhoehe over the one the
// slab thickness derives, explicit end loads over those taken from the points). A missing
// key keeps the built-in default of a new position; an unknown key, a value of the wrong
// type or out of its range stops the reading.

#include <optional>
#include <string>
#include <string_view>

namespace vsk {

class TKModell;

// Indented with two blanks, the keys in the order of the input panel; nur: that position
// (from 1) alone.
std::string ProjektAlsJson(const TKModell& modell, std::optional<int> nur = std::nullopt);

// Where a document was refused: the position (from 1; 0 for the project's own keys), the
// key with the groups around it ("cGeometrie/TPlatteDicke"), and why.
struct Jsonfehler {
    int position = 0;
    std::string schluessel;
    std::string grund;
};

// Fills a freshly constructed model (built without settings, so that a document gives the
// same project on every machine) from the document. On a failure the model is half-built
// and to be discarded.
std::optional<Jsonfehler> LeseProjektJson(TKModell& modell, std::string_view dokument);

// "Position 2, key "cGeometrie/TPlatteDicke": Input value is smaller than allowed!", in
// the current language.
std::string JsonfehlerText(const Jsonfehler& fehler);

} // namespace vsk
