#pragma once
// The design results of a position as JSON (vsk-cli design --json).

#include <nlohmann/json.hpp>

#include <string>
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

} // namespace vsk::cli
