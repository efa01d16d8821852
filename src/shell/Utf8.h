#pragma once
// Reading UTF-8 text code point by code point; UTF-16 text as UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vsk {

// The code point at s[i], advancing i past it. An invalid byte stands for itself (text
// that came in an old single-byte code page already) and advances i by one.
char32_t NaechstesZeichen(std::string_view s, std::size_t& i);

// The first zeichen code points of a UTF-8 text (all of a shorter one), never cut inside one.
std::string ErsteZeichen(const std::string& text, std::size_t zeichen);

// A text that starts with a UTF-16 byte order mark (as spreadsheets save "Unicode text") in
// UTF-8, without the mark; nothing for any other text. A lone surrogate becomes U+FFFD.
std::optional<std::string> Utf16AlsUtf8(std::string_view s);

} // namespace vsk
