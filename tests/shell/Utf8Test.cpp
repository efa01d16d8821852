// Cutting UTF-8 texts to a number of characters, and UTF-16 texts read as UTF-8.

#include "shell/Utf8.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Utf8, ACutNeverSplitsACharacter) {
    const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80z"; // a ä € 😀 z
    EXPECT_EQ(ErsteZeichen(text, 3), "a\xC3\xA4\xE2\x82\xAC");
    EXPECT_EQ(ErsteZeichen(text, 4), text.substr(0, text.size() - 1));
    EXPECT_EQ(ErsteZeichen(text, 99), text);
}

TEST(Utf8, Utf16OfEitherByteOrderWithSurrogatesAndLoneHalves) {
    // Big-endian "ä😀" and a lone high surrogate at the end.
    const std::string be("\xFE\xFF\x00\xE4\xD8\x3D\xDE\x00\xD8\x3D", 10);
    EXPECT_EQ(Utf16AlsUtf8(be), std::optional<std::string>("\xC3\xA4\xF0\x9F\x98\x80\xEF\xBF\xBD"));
    EXPECT_EQ(Utf16AlsUtf8(std::string("\xFF\xFE"
                                       "A\0",
                                       4)),
              std::optional<std::string>("A"));
    EXPECT_FALSE(Utf16AlsUtf8("plain text"));
}

} // namespace
} // namespace vsk
