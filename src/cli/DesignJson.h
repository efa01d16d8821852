#pragma once
// The design results of a position as JSON (vsk-cli design --json).

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {
class TKAnwendung;
}

namespace vsk::cli {

// One entry of "positions": number, TPosition, calculated, hints, TAktDorn and, when
// calculated, the 19 types in catalogue order, each with the texts of its status, error and
// warning codes in the current language. docs/design-json.schema.json describes it.
nlohmann::ordered_json PositionJson(int nummer, const TKAnwendung& anwendung, bool berechnet,
                                    const std::vector<std::string>& hinweise);

// The document {"file", "positions"} written one position at a time, exactly as the whole
// document's dump(1) reads, so that a large project never sits in memory twice.
class DesignJsonAusgabe {
public:
    DesignJsonAusgabe(std::ostream& aus, const std::string& datei);
    void Position(const nlohmann::ordered_json& position);
    // Closes the list and the document.
    void Ende();

private:
    std::ostream& aus_;
    bool erste_ = true;
};

} // namespace vsk::cli
