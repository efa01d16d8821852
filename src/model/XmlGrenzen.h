#pragma once
// Bounds a project file must keep. A real project has a few dozen distinct element names
// plus its numbered ones, three attributes on one element and a nesting depth of seven;
// files far beyond that would cost the parser seconds or minutes (its name dictionary, its
// duplicate-attribute check), so they are refused early: the attributes by a scan before
// parsing, everything else while the tree is built (XmlLesebaum.cpp), at the first element
// beyond a bound.

#include "model/Lesestelle.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace vsk::xml {

// A 1,000-position project with full results and 50 load points a position has about
// 1.3 million elements and 6,000 distinct names; the numbered lists are bounded by their
// readers (ProjektLesen.h).
inline constexpr std::size_t MaxElemente = 4'000'000;
inline constexpr std::size_t MaxVerschiedeneNamen = 50'000;
inline constexpr std::size_t MaxAttributeJeElement = 32;
inline constexpr std::size_t MaxNamenslaenge = 256;
inline constexpr std::size_t MaxTiefe = 32;
// The project element holds every position besides its own values.
inline constexpr std::size_t MaxKinderJeElement = 70'000;

// The first start tag with more attributes than MaxAttributeJeElement (reason Grenze, with
// its line), or nothing. Text in UTF-16 is scanned by its low bytes; any other text as
// bytes. Malformed markup is left to the parser.
std::optional<Lesestelle> PruefeAttributzahl(std::string_view text);

} // namespace vsk::xml
