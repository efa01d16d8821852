#pragma once
// Reading UTF-8 text code point by code point.

#include <cstddef>
#include <string_view>

namespace vsk {

// The code point at s[i], advancing i past it. An invalid byte stands for itself (text
// that came in an old single-byte code page already) and advances i by one.
char32_t NaechstesZeichen(std::string_view s, std::size_t& i);

} // namespace vsk
