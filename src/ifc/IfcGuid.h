#pragma once
// Globally unique ids of the IFC model: a 128-bit value in IFC's 22-character base-64
// form. The ids are derived from names, so that exporting the same project again gives
// every element the id it had, and a model that receives the export updates its elements
// instead of adding them twice.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vsk {

using Wert128 = std::array<std::uint8_t, 16>; // most significant byte first

// 128-bit FNV-1a hash of the text.
Wert128 Hash128(std::string_view text);

// The 22 characters of IFC's encoding: the first one holds the two highest bits, each
// further one six bits, from the alphabet 0-9, A-Z, a-z, _ and $.
std::string IfcGuidText(const Wert128& wert);

// The id of an element: the project's name (its file name), the position number (0 for
// the project's own elements) and the element's key within the position.
std::string IfcGuid(std::string_view projekt, int position, std::string_view element);

} // namespace vsk
